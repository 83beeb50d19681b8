"""Reads the hand-drawn picture art (pictures.art) into plain records.

Format, one picture after another:

    ; a comment line (ignored anywhere)
    [Name] #RRGGBB #RRGGBB #RRGGBB #RRGGBB #RRGGBB
    ..##..
    .####.

The five colours are, in order: the filled cells, the board background, the
highlight of the hovered row and column, the thin grid lines and every fifth
grid line.  Rows use '#' for a filled cell and '.' for an empty one; every row
of a picture has the same length.  Blank lines are ignored.
"""

import re
from dataclasses import dataclass, field

MAX_WIDTH = 40
MAX_HEIGHT = 30
COLOUR_NAMES = ("picture", "back1", "back2", "line1", "line2")

_HEADER = re.compile(r"^\[([^\]]+)\]\s+(.*)$")
_COLOUR = re.compile(r"^#[0-9A-Fa-f]{6}$")


class ArtError(Exception):
    """A mistake in the art file, with the line it was found on."""


@dataclass
class Picture:
    name: str
    colours: list          # five (red, green, blue) tuples, in slot order
    rows: list = field(default_factory=list)   # strings of '#' and '.'
    line: int = 0          # where the header stands, for messages

    @property
    def width(self):
        return len(self.rows[0]) if self.rows else 0

    @property
    def height(self):
        return len(self.rows)

    def cells(self):
        """The picture as a list of rows of booleans (True = filled)."""
        return [[ch == "#" for ch in row] for row in self.rows]


def _parse_colour(text, line_no):
    if not _COLOUR.match(text):
        raise ArtError(f"line {line_no}: '{text}' is not a #RRGGBB colour")
    value = int(text[1:], 16)
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def _parse_header(match, line_no):
    name = match.group(1).strip()
    parts = match.group(2).split()
    if len(parts) != len(COLOUR_NAMES):
        raise ArtError(f"line {line_no}: '{name}' needs exactly five colours "
                       f"({', '.join(COLOUR_NAMES)}), found {len(parts)}")
    colours = [_parse_colour(p, line_no) for p in parts]
    return Picture(name=name, colours=colours, line=line_no)


def _check_picture(picture):
    where = f"'{picture.name}' (line {picture.line})"
    if not picture.rows:
        raise ArtError(f"{where} has no rows")
    if not 1 <= picture.height <= MAX_HEIGHT:
        raise ArtError(f"{where} is {picture.height} rows high; "
                       f"allowed 1..{MAX_HEIGHT}")
    if not 1 <= picture.width <= MAX_WIDTH:
        raise ArtError(f"{where} is {picture.width} columns wide; "
                       f"allowed 1..{MAX_WIDTH}")
    for number, row in enumerate(picture.rows, start=1):
        if len(row) != picture.width:
            raise ArtError(f"{where}: row {number} has {len(row)} cells, "
                           f"the first row has {picture.width}")


def parse_art(text):
    """Parses the whole art text; raises ArtError on the first mistake."""
    pictures = []
    current = None
    for line_no, raw in enumerate(text.splitlines(), start=1):
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        header = _HEADER.match(line)
        if header:
            if current:
                _check_picture(current)
            current = _parse_header(header, line_no)
            pictures.append(current)
            continue
        if current is None:
            raise ArtError(f"line {line_no}: cells before the first "
                           f"[Name] header")
        if set(line) - {"#", "."}:
            raise ArtError(f"line {line_no}: rows hold only '#' and '.'")
        current.rows.append(line)
    if current:
        _check_picture(current)
    names = [p.name for p in pictures]
    for name in names:
        if names.count(name) > 1:
            raise ArtError(f"picture name '{name}' is used twice")
    return pictures


def read_art(path):
    with open(path, encoding="ascii") as handle:
        return parse_art(handle.read())
