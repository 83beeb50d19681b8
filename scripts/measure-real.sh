#!/usr/bin/env bash
# Measures the real program on a virtual X server: CPU time and wake-ups per
# second while the start screen sits idle, while a board sits idle, and
# during the end animation of a finished 40 x 30 picture with every cell
# filled (the end-screen frame the game benchmark times).
#
#   scripts/measure-real.sh path/to/mosarin [seconds per phase, default 10]
#
# MOSARIN_SCREEN=WIDTHxHEIGHT (say 1920x1080) makes the virtual screen that
# size and, after the end animation at the designed size, makes the window
# fill the whole screen and measures the end animation again at that size
# (Xvfb runs no window manager, so the window is sized to the screen rather
# than maximised by one).
#
# MOSARIN_PROFILE=file also records a perf call-graph profile of the end
# animation into that file.
#
# Wake-ups are the voluntary context switches of all its threads from
# /proc/PID/task/*/status (a thread that sleeps in poll and is woken counts
# one), counted per thread between two readings: a thread that ends in
# between is left out. CPU comes from perf's task-clock when perf can watch the process,
# else from utime + stime in /proc/PID/stat. The X server's own CPU is
# reported beside it. Needs Xvfb, xdotool, xwd and python3.
set -euo pipefail

exe=${1:?usage: measure-real.sh path/to/mosarin [seconds]}
seconds=${2:-10}
build=$(cd "$(dirname "$exe")" && pwd)
for tool in Xvfb xdotool xwd python3; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/mosarin-measure.XXXXXX")
xvfb_pid=""
game_pid=""
stop() {
  local pid=$1
  [[ -n "$pid" ]] || return 0
  kill "$pid" 2>/dev/null || return 0
  wait "$pid" 2>/dev/null || true
}
cleanup() {
  stop "$game_pid"
  stop "$xvfb_pid"
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/files" "$work/images"
cp "$exe" "$work/mosarin"
cp "$build"/images/* "$work/images/"

# Picture 1: 40 x 30 ("P", "F"), every cell filled ("_" packs five filled cells).
{
  printf '%s' 00000255 16777215 13421772 08421504 00000000 P F
  for _ in $(seq 1 30); do printf '________'; done
  printf '\r\n'
} > "$work/files/pictures.txt"

display=""
for n in $(seq 141 180); do
  if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=":$n"; break; fi
done
[[ -n "$display" ]] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 "${MOSARIN_SCREEN:-1024x768}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 1 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$work/mosarin" >"$work/mosarin.log" 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Mosarin$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
switches() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
# Per thread, so that a thread ending between two readings (Qt's pooled
# threads end after 30 s idle) does not take its whole count off the sum.
switches_by_thread() {
  local status
  for status in /proc/"$1"/task/*/status; do
    awk -v t="$status" '/^voluntary_ctxt_switches/ {print t, $2}' "$status" 2>/dev/null || true
  done
}
woken_between() {  # woken_between BEFORE AFTER: wake-ups of the threads alive at AFTER
  awk 'NR == FNR {before[$1] = $2; next} {s += $2 - before[$1]} END {print s + 0}' <(echo "$1") <(echo "$2")
}

# perf, where it may watch the process, gives the CPU time to the microsecond;
# /proc's clock ticks (10 ms) are the fallback.
perf_cpu_ms() {  # perf_cpu_ms PID SECONDS: task-clock in ms, or nothing
  command -v perf >/dev/null || return 0
  perf stat -x, -e task-clock -p "$1" -- sleep "$2" 2>&1 | awk -F, '/task-clock/ {print $1}'
}

measure() {  # measure NAME: CPU ms per second and wake-ups per second over $seconds
  local c0 w0 x0 c1 w1 x1 precise
  c0=$(cpu_ticks "$game_pid"); w0=$(switches_by_thread "$game_pid"); x0=$(cpu_ticks "$xvfb_pid")
  precise=$(perf_cpu_ms "$game_pid" "$seconds")
  [[ -n "$precise" ]] || sleep "$seconds"
  c1=$(cpu_ticks "$game_pid"); w1=$(switches_by_thread "$game_pid"); x1=$(cpu_ticks "$xvfb_pid")
  awk -v n="$1" -v c=$((c1 - c0)) -v p="$precise" -v w="$(woken_between "$w0" "$w1")" -v x=$((x1 - x0)) -v t="$ticks" -v s="$seconds" 'BEGIN {
    ms = p != "" ? p / s : 1000 * c / t / s
    printf "%-14s game CPU %7.3f ms/s (%.3f ms per 40 ms tick, %s)  wake-ups %6.1f /s  Xvfb CPU %6.1f ms/s\n",
      n, ms, ms / 25, p != "" ? "perf task-clock" : "/proc ticks", w / s, 1000 * x / t / s }'
}

click() { xdotool mousemove --sync $((left + $2)) $((top + $3)) click "$1"; sleep 0.1; }

sleep 2
measure "start screen"

click 1 738 187                       # "New Game"
click 1 380 306                       # the list's text
xdotool key --window "$window" Down   # picture 1
sleep 0.1
click 1 400 340                       # "Play"
xdotool mousemove $((left + 740)) $((top + 500))   # off the board and the buttons
sleep 2
measure "idle board"

# Fill every cell: one drag along each row (a press fills the first cell and
# every cell the pointer enters while the button is held is filled too), all
# in one xdotool run. The short pause after each move lets the program take
# each move before the next arrives: moves queued together are merged into
# the last one, and a merged move would skip a cell.
args=()
for row in $(seq 0 29); do
  y=$((top + 127 + 14 * row))
  args+=(mousemove --sync $((left + 137)) "$y" mousedown 1 sleep 0.01)
  for column in $(seq 1 39); do
    args+=(mousemove $((left + 137 + 14 * column)) "$y" sleep 0.004)
  done
  args+=(mouseup 1 sleep 0.01)
done
xdotool "${args[@]}"
xdotool mousemove $((left + 740)) $((top + 500))

# A finished picture animates at every tick; an unfinished one sleeps.
animating() {
  local w0 w1
  w0=$(switches "$game_pid"); sleep 1; w1=$(switches "$game_pid")
  (( w1 - w0 >= 10 ))
}
# Cells the drags missed are found on a screenshot (a filled cell's middle
# is the picture colour, red) and clicked one by one.
xwd_image=$(dirname "$0")/../tests/e2e/xwd_image.py
for _ in 1 2 3; do
  animating && break
  xwd -root -silent > "$work/shot.xwd"
  centres=()
  for row in $(seq 0 29); do
    for column in $(seq 0 39); do
      centres+=("$((left + 137 + 14 * column)),$((top + 127 + 14 * row))=ff0000")
    done
  done
  missed=$(python3 "$xwd_image" check "$work/shot.xwd" "${centres[@]}" 2>&1 |
           sed -n 's/^pixel (\([0-9]*\), \([0-9]*\)).*/\1 \2/p') || true
  while read -r x y; do
    [[ -n "$x" ]] && xdotool mousemove --sync "$x" "$y" click 1
  done <<< "$missed"
  xdotool mousemove $((left + 740)) $((top + 500))
  sleep 0.2
done
if ! animating; then
  echo "the picture did not finish: no end animation to measure" >&2
  exit 1
fi
sleep 2
measure "end animation"
if [[ -n "${MOSARIN_SCREEN:-}" ]]; then
  xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" "${MOSARIN_SCREEN%x*}" "${MOSARIN_SCREEN#*x}"
  xdotool mousemove 5 5
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  measure "end anim ${WIDTH}x${HEIGHT}"
fi
if [[ -n "${MOSARIN_PROFILE:-}" ]]; then   # a call-graph profile of the end animation
  perf record -q -F 999 --call-graph dwarf -o "$MOSARIN_PROFILE" -p "$game_pid" -- sleep "$seconds" >/dev/null 2>&1
  echo "profile of the end animation in $MOSARIN_PROFILE"
fi
