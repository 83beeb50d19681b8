#!/usr/bin/env bash
# CPU use and wake-ups of the real program in the Pictures Editor, on a
# virtual X server: opens the editor with "Edit Pictures", leaves it idle,
# then drags across the board with the button held for a few seconds, then
# leaves it idle again. Reports the process's CPU time and voluntary context
# switches (wake-ups, all threads) per second of wall time.
#
#   measure-editor-cpu.sh path/to/mosarin [seconds per phase, default 5]
#
# Runs in a program folder of its own (the end-to-end tests' harness), so no
# library is touched. MOSARIN_CPU_SHOT=file.png keeps a picture of the editor
# after painting.
set -euo pipefail

exe=${1:?usage: measure-editor-cpu.sh path/to/mosarin [seconds]}
seconds=${2:-5}
source "$(dirname "$0")/../tests/e2e/lib.sh"

# One empty 40 x 30 picture, so the sweep crosses the whole board.
printf '%s%s%s%s%sPF%s\r\n' 14514039 15658734 13421772 02270137 01382444 "$(printf '@%.0s' $(seq 1 240))" \
  > "$work/files/pictures.txt"
start_display
start_game
click 1 737 307                                   # "Edit Pictures"
find_window "Pictures Editor" 600 500
sleep 1

ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }   # utime + stime
switches() { cat /proc/"$game_pid"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
hz=$(getconf CLK_TCK)

measure() {  # LABEL COMMAND...: CPU and wake-ups per wall second while COMMAND runs
  local label=$1; shift
  local cpu0 wake0 start cpu1 wake1 end
  cpu0=$(ticks); wake0=$(switches); start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N); cpu1=$(ticks); wake1=$(switches)
  awk -v l="$label" -v t=$((cpu1 - cpu0)) -v w=$((wake1 - wake0)) -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { d = e - s; printf "%-34s %6.1f ms CPU per second, %6.1f wake-ups per second (%.2f s)\n", l, 1000 * t / hz / d, w / d, d }'
}

idle() { sleep "$seconds"; }
moves=0
paint() {  # press on cell (1, 1), then sweep the board
  xdotool mousemove --sync $((left + 27)) $((top + 27))
  sleep 0.2
  xdotool mousedown 1
  sleep 0.2
  local end=$((SECONDS + seconds))
  while (( SECONDS < end )); do
    for x in $(seq 27 6 612); do   # there on a steep zigzag, back on a gentler one
      xdotool mousemove $((left + x)) $((top + 27 + (x * 7) % 440))
      moves=$((moves + 1))
    done
    for x in $(seq 612 -6 27); do
      xdotool mousemove $((left + x)) $((top + 27 + (x * 2) % 440))
      moves=$((moves + 1))
    done
  done
  xdotool mouseup 1
}

measure "idle in the editor" idle
measure "painting (drag across the board)" paint
echo "pointer moves sent while painting: $moves"
# Moves still queued at the release, and the frame after it, are painting's
# tail, not idleness: let the program take them before idling is measured.
sleep 1
if [[ -n "${MOSARIN_CPU_SHOT:-}" ]]; then
  sleep 0.3
  screenshot shot
  python3 "$here/xwd_image.py" png "$work/shot.xwd" "$MOSARIN_CPU_SHOT"
fi
measure "idle again" idle
still_running
