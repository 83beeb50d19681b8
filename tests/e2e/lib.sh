# The end-to-end tests' harness: a program folder of its own, a virtual X
# server, the real program, clicks at window-relative points, and pixel
# checks on screenshots. Sourced by the run_*.sh scripts, which set `exe`.
#
# Needs Xvfb, xdotool, xwd and python3. Set MOSARIN_E2E_KEEP=1 to keep the
# folder with the screenshots.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
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

# files/pictures.txt with one 5 x 5 picture, every cell filled. Colours
# (0x00BBGGRR): picture red, board white, highlight grey, lines mid-grey and
# black. Sizes are code 40 + value ("-" is 5).
write_full_5x5_library() {
  {
    printf '%s' 00000255 16777215 13421772 08421504 00000000 '-' '-'
    for row in $(seq 1 30); do
      if (( row <= 5 )); then printf '_@@@@@@@'; else printf '@@@@@@@@'; fi
    done
    printf '\r\n'
  } > "$work/files/pictures.txt"
}

# start_display [WIDTHxHEIGHT]: Xvfb on a display number the server picks
# itself, so that tests running side by side never share one; 1024x768
# unless told. -noreset: by default the server resets when its last client
# leaves, and a program started during that reset cannot connect (a test
# that stops one copy of the program and starts another failed so).
start_display() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    if [[ -s "$work/display" ]]; then
      export DISPLAY=":$(tr -d '\n' < "$work/display")"
      xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
  done
  fail "Xvfb did not answer within 10 s"
}

# find_window NAME MIN_WIDTH MIN_HEIGHT: sets window, left, top. An error box
# carries the application's title too; the real window is the large one.
find_window() {
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) ||
    fail "no $1 window within 20 s; program output: $(cat "$work/mosarin.log")"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  (( WIDTH >= $2 && HEIGHT >= $3 )) || fail "the first $1 window is ${WIDTH}x${HEIGHT}: an error box? $(cat "$work/mosarin.log")"
  left=$X
  top=$Y
  note "$1: window $window at ($left, $top), ${WIDTH}x${HEIGHT}, display $DISPLAY"
}

start_game() {
  # Settings of its own: the user's remembered window size never reaches a test.
  XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$work/mosarin" >"$work/mosarin.log" 2>&1 &
  game_pid=$!
  find_window Mosarin 780 555
}

click() {  # click BUTTON X Y, window-relative
  xdotool mousemove --sync $((left + $2)) $((top + $3)) click "$1"
  sleep 0.1
}

# The window under test alone: a whole-screen capture of this server shows
# a modal dialog's area black, while the window's own capture is exact.
screenshot() { xwd -id "$window" -silent > "$work/$1.xwd"; }
# Retries for a few seconds: frames follow input at the next timer tick.
expect_pixels() {  # expect_pixels NAME X,Y=RRGGBB ...   (window-relative)
  local name=$1; shift
  for _ in $(seq 1 30); do
    screenshot "$name"
    python3 "$here/xwd_image.py" check "$work/$name.xwd" "$@" 2>"$work/$name.diff" && return 0
    sleep 0.1
  done
  python3 "$here/xwd_image.py" png "$work/$name.xwd" "$work/$name.png" || true
  fail "$name: $(cat "$work/$name.diff") (screenshot: $work/$name.png; MOSARIN_E2E_KEEP=1 keeps it)"
}

# The game window's "New Game", the N-th entry of its list, "Play".
play_entry() {  # play_entry N
  click 1 738 187                                # "New Game"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  click 1 380 306                                # into the list's text
  # The panel opens with the first entry chosen.
  for _ in $(seq 2 "$1"); do xdotool key --window "$window" Down; done
  sleep 0.1
  click 1 400 340                                # "Play"
}

# Waits for the program's Information box, answers it, and gives the focus
# back to the window under test.
dismiss_information() {  # dismiss_information WHAT-WAS-EXPECTED
  local box
  box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Information$' | head -n 1) || fail "$1"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  sleep 0.3
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

still_running() {
  kill -0 "$game_pid" 2>/dev/null || fail "the program ended during the test: $(cat "$work/mosarin.log")"
}
