#!/usr/bin/env bash
# CPU use of the real program while painting in the Pictures Editor, on a
# virtual X server: opens the editor with "Edit Pictures", then drags across
# the board with the button held for a few seconds, and reports the process's
# CPU time per second of wall time, idle in the editor and while painting.
#
#   measure-editor-cpu.sh path/to/mosarin [display-number]
#
# Runs in a program folder of its own, so no library is touched.
set -euo pipefail

exe=${1:?usage: measure-editor-cpu.sh path/to/mosarin [display-number]}
display=:${2:-57}
build=$(cd "$(dirname "$exe")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/mosarin-cpu.XXXXXX")
xvfb_pid="" app_pid=""
cleanup() {
  [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/files" "$work/images"
cp "$exe" "$work/mosarin"
cp "$build"/images/* "$work/images/"
# One empty 40 x 30 picture, so the sweep crosses the whole board.
printf '%s%s%s%s%sPF%s\r\n' 14514039 15658734 13421772 02270137 01382444 "$(printf '@%.0s' $(seq 1 240))" \
  > "$work/files/pictures.txt"

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
export DISPLAY=$display
"$work/mosarin" >/dev/null 2>&1 &
app_pid=$!

wait_window() {  # NAME: prints the window id once it is mapped
  for _ in $(seq 1 100); do
    if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [[ -n "$id" ]]; then
      echo "$id"; return 0
    fi
    sleep 0.1
  done
  echo "no window $1" >&2; return 1
}
ticks() {  # utime + stime of the program, in clock ticks
  awk '{print $14 + $15}' "/proc/$app_pid/stat"
}
hz=$(getconf CLK_TCK)

game=$(wait_window Mosarin)
xdotool mousemove --window "$game" 737 307 click 1   # "Edit Pictures"
editor=$(wait_window "Pictures Editor")
sleep 1

measure() {  # LABEL SECONDS COMMAND...: CPU ms per wall second while COMMAND runs
  local label=$1 seconds=$2; shift 2
  local before after start end
  before=$(ticks); start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N); after=$(ticks)
  awk -v l="$label" -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { w = e - s; printf "%s: %.1f ms CPU per second (%.0f ms CPU in %.2f s)\n", l, 1000 * t / hz / w, 1000 * t / hz, w }'
}

idle() { sleep 5; }
moves=0
paint() {  # press on cell (1, 1), then sweep the board for about 5 seconds
  xdotool mousemove --window "$editor" 27 27
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  local end=$((SECONDS + 5))
  while (( SECONDS < end )); do
    for x in $(seq 27 6 612); do   # there on a steep zigzag, back on a gentler one
      xdotool mousemove --window "$editor" "$x" $((27 + (x * 7) % 440))
      moves=$((moves + 1))
    done
    for x in $(seq 612 -6 27); do
      xdotool mousemove --window "$editor" "$x" $((27 + (x * 2) % 440))
      moves=$((moves + 1))
    done
  done
  xdotool mouseup 1
}

measure "idle in the editor" 5 idle
measure "painting (drag across the board)" 5 paint
echo "pointer moves sent while painting: $moves"
if [[ -n "${MOSARIN_CPU_SHOT:-}" ]]; then  # a PNG of the screen after painting
  sleep 0.3
  xwd -id "$editor" -silent > "$work/shot.xwd"
  python3 "$(dirname "$0")/../tests/e2e/xwd_image.py" png "$work/shot.xwd" "$MOSARIN_CPU_SHOT"
fi
measure "idle again" 5 idle
