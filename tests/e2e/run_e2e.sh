#!/usr/bin/env bash
# End-to-end: the real program on a virtual X server. Starts it in a program
# folder of its own with a one-picture library, presses "New Game", chooses
# the picture, presses "Play", fills and marks a few cells with the mouse,
# then reads the screen back and checks the cells' colours.
#
#   run_e2e.sh path/to/mosarin
#
# Needs Xvfb, xdotool, xwd and python3. Set MOSARIN_E2E_KEEP=1 to keep the
# folder with the screenshots.
set -euo pipefail

exe=${1:?usage: run_e2e.sh path/to/mosarin}
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$(dirname "$exe")" && pwd)

fail() { echo "e2e: FAIL: $*" >&2; exit 1; }
note() { echo "e2e: $*"; }

for tool in Xvfb xdotool xwd python3; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done
for asset in back.jpg end2.jpg end1.bmp init.jpg; do
  [[ -f "$build/images/$asset" ]] || fail "$build/images/$asset is missing: build the mosarin_data target first"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/mosarin-e2e.XXXXXX")
xvfb_pid=""
game_pid=""
stop() {  # stop PID: ask, then insist after two seconds
  local pid=$1
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 1 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 0
}
cleanup() {
  local status=$?
  set +e
  stop "$game_pid"
  stop "$xvfb_pid"
  if [[ "${MOSARIN_E2E_KEEP:-0}" == 1 ]]; then note "kept $work"; else rm -rf "$work"; fi
  exit "$status"
}
trap cleanup EXIT

# A program folder of its own, so the build's library is never touched.
mkdir -p "$work/files" "$work/images"
cp "$exe" "$work/mosarin"
cp "$build"/images/* "$work/images/"
[[ -f "$build/help.html" ]] && cp "$build/help.html" "$work/"

# One 5 x 5 picture, every cell filled, so a few presses never finish it.
# Colours (0x00BBGGRR): picture red, board white, highlight grey, lines
# mid-grey and black. Sizes are code 40 + value ("-" is 5).
picture_rgb=ff0000
board_rgb=ffffff
{
  printf '%s' 00000255 16777215 13421772 08421504 00000000 '-' '-'
  for row in $(seq 1 30); do
    if (( row <= 5 )); then printf '_@@@@@@@'; else printf '@@@@@@@@'; fi
  done
  printf '\r\n'
} > "$work/files/pictures.txt"

# A display number nobody uses.
display=""
for n in $(seq 97 140); do
  if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || fail "no free X display number between 97 and 140"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 1 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb on $display did not answer within 10 s"

QT_QPA_PLATFORM=xcb "$work/mosarin" >"$work/mosarin.log" 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Mosarin$' 2>/dev/null | head -n 1) ||
  fail "no Mosarin window within 20 s; program output: $(cat "$work/mosarin.log")"
eval "$(xdotool getwindowgeometry --shell "$window")"
# An error box carries the same title; the game window is the large one.
(( WIDTH >= 780 && HEIGHT >= 555 )) || fail "the first Mosarin window is ${WIDTH}x${HEIGHT}: an error box? $(cat "$work/mosarin.log")"
left=$X
top=$Y
note "window $window at ($left, $top), ${WIDTH}x${HEIGHT}, display $display"

# Window-relative points of the layout.
click() {  # click BUTTON X Y
  xdotool mousemove --sync $((left + $2)) $((top + $3)) click "$1"
  sleep 0.1
}
cell_x() { echo $((130 + 14 * $1 + 7)); }
cell_y() { echo $((120 + 14 * $1 + 7)); }

screenshot() { xwd -root -silent > "$work/$1.xwd"; }
# Retries for a few seconds: frames follow input at the next 40 ms tick.
expect_pixels() {  # expect_pixels NAME X,Y=RRGGBB ...
  local name=$1; shift
  local absolute=() item
  for item in "$@"; do
    local place=${item%%=*} colour=${item#*=}
    absolute+=("$((left + ${place%%,*})),$((top + ${place##*,}))=$colour")
  done
  for _ in $(seq 1 30); do
    screenshot "$name"
    python3 "$here/xwd_image.py" check "$work/$name.xwd" "${absolute[@]}" 2>"$work/$name.diff" && return 0
    sleep 0.1
  done
  python3 "$here/xwd_image.py" png "$work/$name.xwd" "$work/$name.png" || true
  fail "$name: $(cat "$work/$name.diff") (screenshot: $work/$name.png; MOSARIN_E2E_KEEP=1 keeps it)"
}

click 1 738 187                                  # "New Game"
xdotool windowfocus --sync "$window" 2>/dev/null || true
click 1 380 306                                  # into the list's text
xdotool key --window "$window" Down              # first entry
sleep 0.1
click 1 400 340                                  # "Play"

# The empty board first: nothing filled yet.
expect_pixels board "$(cell_x 0),$(cell_y 4)=$board_rgb"

click 3 "$(cell_x 1)" "$(cell_y 3)"              # right: a mark
click 1 "$(cell_x 0)" "$(cell_y 0)"              # left: filled
click 1 "$(cell_x 4)" "$(cell_y 0)"
click 1 "$(cell_x 2)" "$(cell_y 1)"              # the pointer stays here

# Filled squares and the mark's dot in the picture colour; an untouched cell
# outside the highlighted row 1 and column 2 shows the board's own colour, as
# does the corner of the marked cell around its dot.
expect_pixels played \
  "$(cell_x 0),$(cell_y 0)=$picture_rgb" \
  "$(cell_x 4),$(cell_y 0)=$picture_rgb" \
  "$(cell_x 2),$(cell_y 1)=$picture_rgb" \
  "$(cell_x 1),$(cell_y 3)=$picture_rgb" \
  "$(( $(cell_x 1) - 4 )),$(( $(cell_y 3) - 4 ))=$board_rgb" \
  "$(cell_x 4),$(cell_y 4)=$board_rgb" \
  "$(cell_x 3),$(cell_y 3)=$board_rgb"

kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the test: $(cat "$work/mosarin.log")"
python3 "$here/xwd_image.py" png "$work/played.xwd" "$work/played.png"
note "PASS"
