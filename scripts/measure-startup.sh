#!/usr/bin/env bash
# Start-up cost of the real program against a bare Qt 6 Widgets window (built
# here, outside the project's build, as the reference) and, where Debian's
# sgt-puzzles is installed, the puzzle game "Pattern" (GTK 3). All run on one
# warm Xvfb, interleaved round by round (the order turns each round), so a
# change of load on a shared machine hits every program alike.
#
#   scripts/measure-startup.sh path/to/mosarin [rounds, default 20]
#
# For each start: the process's CPU time, all threads, from exec until its
# first window is mapped (the process is stopped at the map and read through
# its CPU clock); its minor page faults until then; its resident memory
# (VmRSS) one second after the map, by which time the first frame has been
# painted. Prints the median of each over the rounds, and Mosarin's ratio to
# the bare window. MOSARIN_STARTUP_RAW=file keeps every single figure.
# Needs Xvfb, cmake, a C and C++ compiler, Qt 6 and libxcb development files.
set -euo pipefail

exe=${1:?usage: measure-startup.sh path/to/mosarin [rounds]}
rounds=${2:-20}
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")
build=$(dirname "$exe")
here=$(cd "$(dirname "$0")" && pwd)
pattern=${MOSARIN_PATTERN:-/usr/games/sgt-pattern}

work=$(mktemp -d "${TMPDIR:-/tmp}/mosarin-startup.XXXXXX")
xvfb_pid=""
cleanup() {
  if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  if [[ -s "$work/programs.log" ]]; then grep -i "first_map_probe" "$work/programs.log" >&2 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "building the bare Qt window and the probe in $work/reference ..." >&2
cmake -S "$here/startup" -B "$work/reference" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/cmake.log" 2>&1 ||
  { cat "$work/cmake.log" >&2; exit 1; }
cmake --build "$work/reference" -j2 >>"$work/cmake.log" 2>&1 || { cat "$work/cmake.log" >&2; exit 1; }
probe=$work/reference/first_map_probe

# Mosarin in a program folder of its own, with the build's assets and library.
mkdir -p "$work/program/files" "$work/program/images"
cp "$exe" "$work/program/mosarin"
cp "$build"/images/* "$work/program/images/"
cp "$build/files/pictures.txt" "$work/program/files/"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '\n' < "$work/display")"
export QT_QPA_PLATFORM=xcb

names=(Mosarin "bare Qt")
commands=("$work/program/mosarin" "$work/reference/bare_window")
if [[ -x "$pattern" ]]; then names+=(Pattern); commands+=("$pattern"); fi
count=${#names[@]}

# One start of each, not counted: the X server, the font caches and the page
# cache are warm for every program before the first round.
for ((i = 0; i < count; i++)); do "$probe" -d 200 "${commands[i]}" >/dev/null 2>>"$work/programs.log" || true; done

raw=$work/raw.txt
: > "$raw"
for ((round = 0; round < rounds; round++)); do
  for ((k = 0; k < count; k++)); do
    i=$(( (round + k) % count ))
    line=$("$probe" "${commands[i]}" 2>>"$work/programs.log") || { echo "round $round: ${names[i]} failed" >&2; continue; }
    echo "$i $line" >> "$raw"
  done
done
[[ -n "${MOSARIN_STARTUP_RAW:-}" ]] && cp "$raw" "$MOSARIN_STARTUP_RAW"

median() {  # median INDEX FIELD
  awk -v i="$1" -v f="$2" '$1 == i { for (n = 2; n <= NF; n++) { split($n, kv, "="); if (kv[1] == f) print kv[2] } }' "$raw" |
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $rounds interleaved rounds, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
printf '| %s | %s |' "median" "$(IFS='|'; echo "${names[*]}" | sed 's/|/ | /g')"
printf ' Mosarin / bare Qt |\n'
printf '|---|'; for ((i = 0; i < count; i++)); do printf -- '---|'; done; printf -- '---|\n'
row() {  # row LABEL FIELD SCALE FORMAT
  local values=() i
  for ((i = 0; i < count; i++)); do values+=("$(median "$i" "$2")"); done
  printf '| %s |' "$1"
  for v in "${values[@]}"; do awk -v v="$v" -v s="$3" -v f="$4" 'BEGIN { printf " " f " |", v / s }'; done
  awk -v a="${values[0]}" -v b="${values[1]}" 'BEGIN { printf " %.2f |\n", a / b }'
}
row "CPU from exec to the first mapped window (ms)" cpu_ms 1 "%.1f"
row "resident memory 1 s after the map (MiB)" rss_kib 1024 "%.1f"
row "minor page faults to the map" minflt 1 "%d"
row "wall time to the map (ms)" wall_ms 1 "%.1f"
