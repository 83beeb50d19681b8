#!/usr/bin/env python3
"""Turns the hand-drawn art into the shipped picture library files/pictures.txt.

Usage: build_library.py [ART] [OUTPUT]
Defaults: scripts/pictures/pictures.art -> files/pictures.txt (repository root).
The output depends only on the art, so rebuilding gives the same bytes.
"""

import os
import sys

from art_file import ArtError, MAX_HEIGHT, MAX_WIDTH, read_art

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_ART = os.path.join(HERE, "pictures.art")
DEFAULT_OUTPUT = os.path.join(ROOT, "files", "pictures.txt")

GROUP = 5                 # cells per packed character
MAX_PICTURES = 1000       # the program's library holds no more
PACKED_LENGTH = (MAX_WIDTH // GROUP) * MAX_HEIGHT
LINE_LENGTH = 5 * 8 + 2 + PACKED_LENGTH


def colour_value(rgb):
    """The program stores colours with red in the low byte: 0x00BBGGRR."""
    red, green, blue = rgb
    return (blue << 16) | (green << 8) | red


def size_char(value):
    return chr(40 + value)


def pack_rows(rows):
    """Packs the cells into 240 characters covering the full 40 x 30 board.

    Each character holds five cells of one row, leftmost cell as the highest
    of five bits, offset by 64; cells outside the picture are empty.
    """
    out = []
    for r in range(MAX_HEIGHT):
        row = rows[r] if r < len(rows) else ""
        for start in range(0, MAX_WIDTH, GROUP):
            value = 0
            for c in range(start, start + GROUP):
                value = value * 2 + (1 if c < len(row) and row[c] == "#" else 0)
            out.append(chr(64 + value))
    return "".join(out)


def picture_line(picture):
    colours = "".join("%.8d" % colour_value(c) for c in picture.colours)
    line = (colours + size_char(picture.width) + size_char(picture.height)
            + pack_rows(picture.rows))
    assert len(line) == LINE_LENGTH, picture.name
    return line + "\r\n"


def build(pictures):
    return "".join(picture_line(p) for p in pictures).encode("ascii")


def main(argv):
    art_path = argv[1] if len(argv) > 1 else DEFAULT_ART
    out_path = argv[2] if len(argv) > 2 else DEFAULT_OUTPUT
    try:
        pictures = read_art(art_path)
    except (ArtError, OSError, UnicodeDecodeError) as error:
        print(f"{art_path}: {error}", file=sys.stderr)
        return 1
    if not 1 <= len(pictures) <= MAX_PICTURES:
        print(f"{art_path}: {len(pictures)} pictures; the library holds "
              f"1..{MAX_PICTURES}", file=sys.stderr)
        return 1
    data = build(pictures)
    # Write beside the target and rename, so a failed run never leaves a
    # half-written library behind.
    temporary = out_path + ".tmp"
    with open(temporary, "wb") as handle:
        handle.write(data)
    os.replace(temporary, out_path)
    print(f"wrote {len(pictures)} pictures, {len(data)} bytes, to {out_path}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
