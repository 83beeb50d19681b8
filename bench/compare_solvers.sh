#!/usr/bin/env bash
# Times `mosarin-check --check` (one process per set of pictures) against
# another nonogram solver (one process per picture), interleaved set by set
# in one run, and prints a table of the two times and their ratio.
#
#   bench/compare_solvers.sh [MOSARIN_CHECK]
#
# MOSARIN_CHECK defaults to build/mosarin-check. The other solver is taken
# from the environment, never built or fetched here:
#   PBNSOLVE=/path/to/pbnsolve      run as `pbnsolve -b -u FILE.non`
#   BASELINE=/path/to/older/mosarin-check (or mosarin), when PBNSOLVE is unset:
#                                   an earlier build of this project, run like ours
# With neither, only this build's times are printed (to set beside the
# figures in docs/performance.md).
# BUDGET (seconds per picture, default 10) bounds both solvers alike.
# The pictures are made here, from fixed seeds: random pictures of 10 x 10 to
# 30 x 30 sorted by this build's own verdict into "line logic", "beyond line
# logic" and "several solutions", more random ones of 15 x 15 to 20 x 20 of
# which only those unique beyond line logic are kept, and the whole family
# of 40 x 30 diagonal bands, periods 4 to 8, phases 0 to 3 (pbnsolve leaves
# five of them undecided, so they count at the full budget each). Takes a
# few minutes with pbnsolve and a 10 s budget.
set -euo pipefail

check=${1:-build/mosarin-check}
budget=${BUDGET:-10}
[ -x "$check" ] || { echo "no executable at $check (build the mosarin-check target)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$(dirname "$0")" "$work" <<'PY'
import os, random, sys
sys.path.insert(0, sys.argv[1])
from solver_pictures import random_grid, write_library, write_non
work = sys.argv[2]

pool = []
rnd = random.Random(19)
for size in (10, 15, 20, 25, 30):
    for density in (0.4, 0.5, 0.6, 0.7):
        for _ in range(3):
            pool.append(random_grid(rnd, size, size, density))
# Random pictures of 15 x 15 to 20 x 20 a little under half filled: about
# one in fifteen has one solution that line logic alone does not reach. Only
# those are kept from this pool; the rest are mostly ambiguous.
beyond_pool = []
rnd = random.Random(1919)
for size, density in ((15, 0.45), (18, 0.45), (18, 0.5), (20, 0.5)):
    for _ in range(100):
        beyond_pool.append(random_grid(rnd, size, size, density))
bands = [[[1 if (r + c + phase) % period < period // 2 else 0 for c in range(40)] for r in range(30)]
         for period in range(4, 9) for phase in range(4)]
for name, grids in (("pool", pool), ("beyond_pool", beyond_pool), ("bands", bands)):
    os.makedirs(f"{work}/{name}", exist_ok=True)
    write_library(f"{work}/{name}.txt", grids)
    for i, g in enumerate(grids, 1):
        write_non(f"{work}/{name}/{i:04d}.non", g)
PY

# Sort the pools by this build's verdict: the set a picture belongs to does
# not depend on the other solver. A picture whose clues would be cut off in
# the game's window still counts by what the solver found.
for set in line beyond several; do mkdir -p "$work/$set"; : > "$work/$set.txt"; done
sort_pool() {
    local pool=$1 keep=$2 pic verdict grade set
    "$check" --check "$work/$pool.txt" --budget "$budget" > "$work/$pool.out" || true
    while read -r pic verdict grade; do
        n=${pic#Pic}; n=$((10#$n))
        case "$verdict $grade" in
            "unique line") set=line ;;
            "unique probing" | "unique search") set=beyond ;;
            multiple*) set=several ;;
            *) continue ;;
        esac
        [[ " $keep " == *" $set "* ]] || continue
        sed -n "${n}p" "$work/$pool.txt" >> "$work/$set.txt"
        cp "$work/$pool/$(printf %04d "$n").non" "$work/$set/$pool-$(printf %04d "$n").non"
    done < <(grep '^Pic' "$work/$pool.out" |
             sed -E 's/^(Pic[0-9]+) +[0-9]+ x +[0-9]+ +([a-z-]+) +([a-z]+)[a-z ]* +[0-9.]+ ms(.*the solver: ([a-z]+))?.*/\1 \2 \3 \5/' |
             awk '{ print $1, ($2 == "cut-off" ? $4 : $2), $3 }')
}
sort_pool pool "line beyond several"
sort_pool beyond_pool beyond

seconds() { local t0 t1; t0=$(date +%s.%N); "$@" > /dev/null 2>&1 || true; t1=$(date +%s.%N); awk "BEGIN { print $t1 - $t0 }"; }
other_per_picture() {
    local set=$1 total=0 t
    for f in "$work/$set"/*.non; do
        t=$(seconds timeout "$budget" "$PBNSOLVE" -b -u "$f"); total=$(awk "BEGIN { print $total + $t }")
    done
    echo "$total"
}

other=${PBNSOLVE:+pbnsolve}; other=${other:-${BASELINE:+baseline}}
printf "%-22s %8s %12s %12s %8s\n" set pictures mosarin_s "${other:-other}_s" ratio
for set in line beyond several bands; do
    count=$(grep -c . "$work/$set.txt" || true)
    [ "$count" -gt 0 ] || continue
    ours=$(seconds "$check" --check "$work/$set.txt" --budget "$budget")
    if [ -n "${PBNSOLVE:-}" ]; then theirs=$(other_per_picture "$set")
    elif [ -n "${BASELINE:-}" ]; then theirs=$(seconds "$BASELINE" --check "$work/$set.txt" --budget "$budget")
    else theirs=""; fi
    ratio=""; [ -n "$theirs" ] && ratio=$(awk "BEGIN { printf \"%.2f\", $ours / $theirs }")
    printf "%-22s %8d %12.3f %12s %8s\n" "$set" "$count" "$ours" "${theirs:+$(printf %.3f "$theirs")}" "$ratio"
done
