#!/usr/bin/env python3
"""Draws pictures from the art as a PNG contact sheet, the way the game board
shows them (14-pixel cells, 11 x 11 squares, every fifth line darker), so a
drawing can be judged by eye before it ships.

Usage: preview.py OUTPUT.png [NAME ...]   (no names: every picture)
"""

import os
import struct
import sys
import zlib

from art_file import ArtError, read_art

HERE = os.path.dirname(os.path.abspath(__file__))
PITCH = 14
GAP = 12
SHEET_WIDTH = 1200
SHEET_BACK = (90, 90, 90)


def draw_board(picture):
    """Pixel rows (lists of RGB tuples) of one picture's board."""
    filled, back1, back2, line1, line2 = picture.colours
    width = PITCH * picture.width + 1
    height = PITCH * picture.height + 1
    pixels = [[back1] * width for _ in range(height)]

    def fill(left, top, right, bottom, colour):
        for y in range(top, bottom):
            pixels[y][left:right] = [colour] * (right - left)

    for i in range(picture.width + 1):
        fill(PITCH * i, 0, PITCH * i + 1, height, line2 if i % 5 == 0 else line1)
    for i in range(picture.height + 1):
        fill(0, PITCH * i, width, PITCH * i + 1, line2 if i % 5 == 0 else line1)
    hover_column, hover_row = picture.width // 3, picture.height // 3
    for r, row in enumerate(picture.cells()):
        for c, cell in enumerate(row):
            x, y = PITCH * c, PITCH * r
            if c == hover_column or r == hover_row:
                fill(x + 2, y + 2, x + 13, y + 13, back2)
            if cell:
                fill(x + 2, y + 2, x + 13, y + 13, filled)
    return pixels


def lay_out(boards):
    """Places boards left to right in rows; returns the sheet's pixel rows."""
    places, x, y, row_height = [], GAP, GAP, 0
    for board in boards:
        w, h = len(board[0]), len(board)
        if x + w + GAP > SHEET_WIDTH and x > GAP:
            x, y, row_height = GAP, y + row_height + GAP, 0
        places.append((x, y))
        x += w + GAP
        row_height = max(row_height, h)
    width = max([SHEET_WIDTH] + [px + len(b[0]) + GAP
                                 for b, (px, _) in zip(boards, places)])
    sheet = [[SHEET_BACK] * width for _ in range(y + row_height + GAP)]
    for board, (left, top) in zip(boards, places):
        for dy, line in enumerate(board):
            sheet[top + dy][left:left + len(line)] = line
    return sheet


def write_png(path, pixels):
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px)
                   for row in pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", len(pixels[0]), len(pixels), 8, 2, 0, 0, 0)
    with open(path, "wb") as handle:
        handle.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                     + chunk(b"IDAT", zlib.compress(raw, 6))
                     + chunk(b"IEND", b""))


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        pictures = read_art(os.path.join(HERE, "pictures.art"))
    except (ArtError, OSError) as error:
        print(error, file=sys.stderr)
        return 1
    names = set(argv[2:])
    chosen = [p for p in pictures if not names or p.name in names]
    missing = names - {p.name for p in chosen}
    if missing or not chosen:
        print(f"no picture named {', '.join(sorted(missing))}", file=sys.stderr)
        return 1
    write_png(argv[1], lay_out([draw_board(p) for p in chosen]))
    print(f"drew {len(chosen)} pictures into {argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
