"""Pictures for the solver's comparison scripts: written as one-line library
records (what `mosarin --check` reads) and as .non files (what other
solvers read). A grid is a list of rows of 0 / 1, at most 40 x 30."""

import random


def library_line(grid):
    # Five colours, width and height as characters 40 + n, then 30 rows of
    # 8 groups of 5 cells, each group 64 + its bits (left cell high).
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
    for v in list(cells) + [0]:
        if v:
            n += 1
        elif n:
            runs.append(n)
            n = 0
    return ",".join(map(str, runs)) or "0"


def write_non(path, grid):
    h, w = len(grid), len(grid[0])
    with open(path, "w") as f:
        f.write(f"width {w}\nheight {h}\n\nrows\n")
        f.writelines(clue(row) + "\n" for row in grid)
        f.write("\ncolumns\n")
        f.writelines(clue([grid[r][c] for r in range(h)]) + "\n" for c in range(w))


def write_library(path, grids):
    with open(path, "w", newline="") as f:
        f.writelines(library_line(g) for g in grids)


def random_grid(rnd, width, height, density):
    return [[1 if rnd.random() < density else 0 for _ in range(width)] for _ in range(height)]


def seeded_random_grid(seed, width, height, density):
    return random_grid(random.Random(seed), width, height, density)
