#!/usr/bin/env python3
"""Finds the board and counts clue numbers on a screenshot of the game window.

    board_reader.py board SHOT.xwd RRGGBB
        prints "LEFT TOP RIGHT BOTTOM": the box of every pixel of exactly the
        board's colour (the ring inside each cell shows it)
    board_reader.py clues SHOT.xwd LEFT TOP PITCH COLUMNS ROWS PER_ROW PER_COLUMN
        counts the numbers drawn in the clue colour in every row's band left
        of the board and every column's band above it; exits 1 naming every
        line whose count differs
"""
import sys

from xwd_image import read

# The static layer's clue colour (0x7D8373) and the hovered line's (0x111111).
CLUES = ((115, 131, 125), (17, 17, 17))


def board(image, colour):
    want = tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))
    xs, ys = [], []
    for y in range(0, image.height):
        for x in range(0, image.width):
            if image.rgb(x, y) == want:
                xs.append(x)
                ys.append(y)
    if not xs:
        raise SystemExit("no pixel of the board's colour")
    print(min(xs), min(ys), max(xs), max(ys))


def ink(image, x, y):
    r, g, b = image.rgb(x, y)
    return any(abs(r - c[0]) + abs(g - c[1]) + abs(b - c[2]) <= 12 for c in CLUES)


def blobs(image, x0, y0, x1, y1):
    """Separate groups of clue-coloured pixels (8-connected) of 4 or more pixels."""
    seen = set()
    count = 0
    for y in range(max(y0, 0), y1):
        for x in range(max(x0, 0), x1):
            if (x, y) in seen or not ink(image, x, y):
                continue
            size, stack = 0, [(x, y)]
            seen.add((x, y))
            while stack:
                cx, cy = stack.pop()
                size += 1
                for dx in (-1, 0, 1):
                    for dy in (-1, 0, 1):
                        nx, ny = cx + dx, cy + dy
                        if (max(x0, 0) <= nx < x1 and max(y0, 0) <= ny < y1 and (nx, ny) not in seen
                                and ink(image, nx, ny)):
                            seen.add((nx, ny))
                            stack.append((nx, ny))
            if size >= 4:
                count += 1
    return count


def clues(image, left, top, pitch, columns, rows, per_row, per_column):
    wrong = []
    for row in range(rows):
        found = blobs(image, 0, top + pitch * row, left, top + pitch * (row + 1))
        if found != per_row:
            wrong.append("row %d: %d numbers, not %d" % (row + 1, found, per_row))
    for column in range(columns):
        found = blobs(image, left + pitch * column, 0, left + pitch * (column + 1), top)
        if found != per_column:
            wrong.append("column %d: %d numbers, not %d" % (column + 1, found, per_column))
    for line in wrong:
        print(line, file=sys.stderr)
    return 1 if wrong else 0


def main(argv):
    image = read(argv[2])
    if argv[1] == "board":
        board(image, argv[3])
        return 0
    if argv[1] == "clues":
        return clues(image, *(int(v) for v in argv[3:10]))
    raise SystemExit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
