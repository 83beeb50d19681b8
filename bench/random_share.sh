#!/usr/bin/env bash
# How many random 40 x 30 pictures at 50 % the solver decides (one solution,
# several or none) within 1 s, 10 s and 60 s, for one or more builds side by
# side, each picture run by every build in turn before the next picture so
# that a machine busy with other work weighs on all of them alike.
#
#   bench/random_share.sh CHECK [CHECK ...]
#
# CHECK is an executable that takes `--check LIBRARY --budget SECONDS`
# (build/mosarin-check, or the `mosarin` program of an older build). Every
# picture is first checked with a 10 s budget; only those a build leaves
# undecided are checked again with 60 s. The times are the solver's own, as
# `--check` prints them per picture (process start not counted).
# COUNT (default 20) pictures, seeds 1 to COUNT of Python's `random.Random`.
# Takes from about a minute to COUNT x (10 + 60) s per build at the worst.
set -euo pipefail

(( $# >= 1 )) || { sed -n '2,/^set/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2; exit 2; }
for check in "$@"; do
    [ -x "$check" ] || { echo "no executable at $check" >&2; exit 2; }
done
count=${COUNT:-20}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$here" "$work" "$count" <<'PY'
import sys
sys.path.insert(0, sys.argv[1])
from solver_pictures import seeded_random_grid, write_library
work, count = sys.argv[2], int(sys.argv[3])
for seed in range(1, count + 1):
    write_library(f"{work}/{seed}.txt", [seeded_random_grid(seed, 40, 30, 0.5)])
PY

load() { cut -d' ' -f1-3 /proc/loadavg; }
# Prints "verdict milliseconds" for one picture under one build.
check_one() {
    local out
    out=$(QT_QPA_PLATFORM=offscreen "$1" --check "$2" --budget "$3" 2>&1 | grep '^Pic' || true)
    [ -n "$out" ] || { echo "error 0"; return; }
    # "PicNNNN  W x H  VERDICT  GRADE  MS ms ..."; a picture whose clues are
    # cut off at the window's designed size names the solver's own verdict later.
    sed -E 's/^Pic[0-9]+ +[0-9]+ x +[0-9]+ +([a-z-]+) +[a-z ]+ +([0-9.]+) ms(.*the solver: ([a-z]+))?.*/\1 \2 \4/' <<< "$out" |
        awk '{ print ($1 == "cut-off" ? $3 : $1), $2 }'
}

echo "load average at the start: $(load)"
declare -A verdict ms first
for budget in 10 60; do
    for seed in $(seq 1 "$count"); do
        for b in $(seq 1 $#); do
            [ "$budget" = 10 ] || [ "${verdict[$b,$seed]}" = undecided ] || continue
            read -r v t < <(check_one "${!b}" "$work/$seed.txt" "$budget")
            verdict[$b,$seed]=$v ms[$b,$seed]=$t
            [ "$budget" != 10 ] || first[$b,$seed]=$v
            printf "seed %2d  budget %2d s  build %d  %-10s %10.1f ms  (load %s)\n" "$seed" "$budget" "$b" "$v" "$t" "$(load)"
        done
    done
done

echo
printf "%-50s %10s %10s %10s\n" build "1 s" "10 s" "60 s"
for b in $(seq 1 $#); do
    within1=0 within10=0 within60=0
    for seed in $(seq 1 "$count"); do
        case ${verdict[$b,$seed]} in undecided | error) continue ;; esac
        within60=$((within60 + 1))
        case ${first[$b,$seed]} in undecided | error) continue ;; esac
        within10=$((within10 + 1))
        awk "BEGIN { exit !(${ms[$b,$seed]} <= 1000) }" && within1=$((within1 + 1))
    done
    printf "%-50s %10s %10s %10s\n" "${!b}" "$within1/$count" "$within10/$count" "$within60/$count"
done
echo "load average at the end: $(load)"
