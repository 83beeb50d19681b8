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
# logic" and "several solutions", and 40 x 30 diagonal bands of period 6 and 8.
set -euo pipefail

check=${1:-build/mosarin-check}
budget=${BUDGET:-10}
[ -x "$check" ] || { echo "no executable at $check (build the mosarin-check target)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os, random, sys
work = sys.argv[1]

def line_of(grid):
    # One library line: five colours, width and height as characters 40 + n,
    # then 30 rows of 8 groups of 5 cells, each group 64 + its bits (left cell high).
    h, w = len(grid), len(grid[0])
    text = "00000255" "16777215" "15658734" "08947848" "00000000"
    text += chr(40 + w) + chr(40 + h)
    for r in range(30):
        for g in range(8):
            v = 0
            for o in range(5):
                c = g * 5 + o
                if r < h and c < w and grid[r][c]:
                    v |= 1 << (4 - o)
            text += chr(64 + v)
    return text + "\r\n"

def clue(cells):
    runs, n = [], 0
    for v in cells + [0]:
        if v: n += 1
        elif n: runs.append(n); n = 0
    return ",".join(map(str, runs)) or "0"

def write_non(path, grid):
    h, w = len(grid), len(grid[0])
    with open(path, "w") as f:
        f.write(f"width {w}\nheight {h}\n\nrows\n")
        f.writelines(clue(row) + "\n" for row in grid)
        f.write("\ncolumns\n")
        f.writelines(clue([grid[r][c] for r in range(h)]) + "\n" for c in range(w))

pool = []
rnd = random.Random(19)
for size in (10, 15, 20, 25, 30):
    for density in (0.4, 0.5, 0.6, 0.7):
        for _ in range(3):
            pool.append([[1 if rnd.random() < density else 0 for _ in range(size)] for _ in range(size)])
bands = [[[1 if (r + c + phase) % period < period // 2 else 0 for c in range(40)] for r in range(30)]
         for period in (6, 8) for phase in range(4)]
for name, grids in (("pool", pool), ("bands", bands)):
    os.makedirs(f"{work}/{name}", exist_ok=True)
    with open(f"{work}/{name}.txt", "w", newline="") as f:
        for i, g in enumerate(grids, 1):
            f.write(line_of(g))
            write_non(f"{work}/{name}/{i:04d}.non", g)
PY

# Sort the pool by this build's verdict: the set a picture belongs to does
# not depend on the other solver.
"$check" --check "$work/pool.txt" --budget "$budget" > "$work/pool.out" || true
for set in line beyond several; do mkdir -p "$work/$set"; : > "$work/$set.txt"; done
while read -r pic _ _ _ verdict grade rest; do
    n=${pic#Pic}; n=$((10#$n))
    case "$verdict $grade" in
        "unique line") set=line ;;
        "unique probing" | "unique search") set=beyond ;;
        multiple*) set=several ;;
        *) continue ;;
    esac
    sed -n "${n}p" "$work/pool.txt" >> "$work/$set.txt"
    cp "$work/pool/$(printf %04d "$n").non" "$work/$set/"
done < <(grep '^Pic' "$work/pool.out")

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
