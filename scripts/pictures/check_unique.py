#!/usr/bin/env python3
"""Checks that every picture in the art is a fair puzzle.

For each picture: its clues must have exactly one solution, and the clues must
fit in the margins the game draws them in.  Also reports whether line logic
alone solves the picture (what the early, easy pictures should offer).

Usage: check_unique.py [ART] [--jobs N]
Exit status 0 when every picture passes, 1 otherwise.
"""

import argparse
import multiprocessing
import os
import sys
import time

from art_file import ArtError, read_art
from nonogram import SearchTooLong, find_solutions, puzzle_clues

HERE = os.path.dirname(os.path.abspath(__file__))

# The game draws row clues leftwards from x = 130 (8 px per one-digit number,
# 13 px per two-digit one) and column clues upwards from y = 120 in 11 px
# steps; anything beyond the surface's edge would be cut off.
ROW_CLUE_ROOM = 130
COLUMN_CLUE_ROOM = 120
COLUMN_CLUE_STEP = 11


def row_clue_width(runs):
    return sum(13 if run >= 10 else 8 for run in runs)


def clue_problems(row_clues, column_clues):
    problems = []
    for r, runs in enumerate(row_clues, start=1):
        if row_clue_width(runs) > ROW_CLUE_ROOM:
            problems.append(f"row {r} clue is too wide to show")
    for c, runs in enumerate(column_clues, start=1):
        if len(runs) * COLUMN_CLUE_STEP > COLUMN_CLUE_ROOM:
            problems.append(f"column {c} clue is too tall to show")
    return problems


def describe_difference(intended, other):
    """Cells (column, row), 1-based, where a second solution differs."""
    cells = [(c + 1, r + 1)
             for r, row in enumerate(intended)
             for c, value in enumerate(row) if bool(value) != bool(other[r][c])]
    return cells


def uniqueness_problem(grid, rows, columns):
    """(line_solvable, branch nodes, problem text or None) for one picture."""
    try:
        solutions, line_solvable, nodes = find_solutions(rows, columns, 2)
    except SearchTooLong as error:
        return False, None, f"uniqueness unknown: {error}"
    if not solutions:
        return line_solvable, nodes, "no solution found (solver fault?)"
    if len(solutions) == 1:
        return line_solvable, nodes, None
    other = next(s for s in solutions if describe_difference(grid, s))
    diff = describe_difference(grid, other)
    shown = " ".join(f"({c},{r})" for c, r in diff[:24])
    more = " ..." if len(diff) > 24 else ""
    return (line_solvable, nodes,
            f"not unique; another solution differs at {shown}{more}")


def check_picture(picture):
    began = time.perf_counter()
    grid = picture.cells()
    rows, columns = puzzle_clues(grid)
    problems = clue_problems(rows, columns)
    line_solvable, nodes, problem = uniqueness_problem(grid, rows, columns)
    if problem:
        problems.append(problem)
    return {
        "name": picture.name,
        "size": f"{picture.width}x{picture.height}",
        "line_solvable": line_solvable,
        "nodes": nodes,
        "seconds": time.perf_counter() - began,
        "problems": problems,
    }


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("art", nargs="?",
                        default=os.path.join(HERE, "pictures.art"))
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    args = parser.parse_args(argv[1:])
    try:
        pictures = read_art(args.art)
    except (ArtError, OSError, UnicodeDecodeError) as error:
        print(f"{args.art}: {error}", file=sys.stderr)
        return 1
    began = time.perf_counter()
    with multiprocessing.Pool(max(1, args.jobs)) as pool:
        results = pool.map(check_picture, pictures, chunksize=1)
    failures = 0
    for number, result in enumerate(results, start=1):
        status = "ok" if not result["problems"] else "FAIL"
        if result["line_solvable"]:
            logic = "line-solvable"
        elif result["nodes"] is None:
            logic = "search gave up"
        else:
            logic = f"needs search ({result['nodes']} branch nodes)"
        print(f"{number:3d} {result['name']:<22} {result['size']:>6}  "
              f"{status:<4} {logic:<36} {result['seconds']:6.2f}s")
        for problem in result["problems"]:
            print(f"      {problem}")
        failures += bool(result["problems"])
    print(f"{len(results)} pictures, {failures} failing, "
          f"{time.perf_counter() - began:.1f}s")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
