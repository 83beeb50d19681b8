"""A small nonogram solver used to prove that every shipped picture has
exactly one solution.

Cells are -1 (unknown), 0 (empty) or 1 (filled).  The line solver considers
every placement of a line's runs that agrees with what is already known, so
one pass over a line deduces everything that line alone can tell.  The grid
solver repeats line solving until nothing changes, then branches on an
unknown cell to look for a second solution.
"""

UNKNOWN, EMPTY, FILLED = -1, 0, 1


def clues_of(cells):
    """Run lengths of filled cells in a line of booleans or 0/1 values."""
    runs, length = [], 0
    for cell in cells:
        if cell:
            length += 1
        elif length:
            runs.append(length)
            length = 0
    if length:
        runs.append(length)
    return runs


def puzzle_clues(grid):
    """(row clues, column clues) of a grid given as rows of booleans."""
    rows = [clues_of(row) for row in grid]
    columns = [clues_of(column) for column in zip(*grid)]
    return rows, columns


def _placements_forward(ext, runs, empties_before):
    """fwd[i][j]: the first i cells can hold runs 0..j-1, cell i-1 empty."""
    size, count = len(ext), len(runs)
    fwd = [[False] * (count + 1) for _ in range(size + 1)]
    fwd[0][0] = True
    for i in range(size):
        for j in range(count + 1):
            if not fwd[i][j]:
                continue
            if ext[i] != FILLED:
                fwd[i + 1][j] = True
            if j < count:
                end = i + runs[j]
                if (end < size and ext[end] != FILLED
                        and empties_before[end] == empties_before[i]):
                    fwd[end + 1][j + 1] = True
    return fwd


def _placements_backward(ext, runs, empties_before):
    """bwd[i][j]: cells i.. can hold runs j.., given cell i-1 is empty."""
    size, count = len(ext), len(runs)
    bwd = [[False] * (count + 1) for _ in range(size + 1)]
    bwd[size][count] = True
    for i in range(size - 1, -1, -1):
        for j in range(count + 1):
            ok = ext[i] != FILLED and bwd[i + 1][j]
            if not ok and j < count:
                end = i + runs[j]
                ok = (end < size and ext[end] != FILLED
                      and empties_before[end] == empties_before[i]
                      and bwd[end + 1][j + 1])
            bwd[i][j] = ok
    return bwd


def solve_line(runs, line):
    """Everything deducible about one line, or None if no placement fits.

    Returns a new list where a cell is decided when every placement of the
    runs consistent with `line` agrees on it.
    """
    ext = list(line) + [EMPTY]   # a sentinel empty cell closes the last run
    size = len(ext)
    empties_before = [0] * (size + 1)
    for i, cell in enumerate(ext):
        empties_before[i + 1] = empties_before[i] + (cell == EMPTY)
    fwd = _placements_forward(ext, runs, empties_before)
    if not fwd[size][len(runs)]:
        return None
    bwd = _placements_backward(ext, runs, empties_before)
    can_empty = [False] * size
    fill_delta = [0] * (size + 1)
    for i in range(size):
        for j in range(len(runs) + 1):
            if not fwd[i][j]:
                continue
            if ext[i] != FILLED and bwd[i + 1][j]:
                can_empty[i] = True
            if j < len(runs):
                end = i + runs[j]
                if (end < size and ext[end] != FILLED
                        and empties_before[end] == empties_before[i]
                        and bwd[end + 1][j + 1]):
                    fill_delta[i] += 1
                    fill_delta[end] -= 1
                    can_empty[end] = True
    result, covering = [], 0
    for i in range(len(line)):
        covering += fill_delta[i]
        can_fill = covering > 0
        if can_fill and can_empty[i]:
            result.append(UNKNOWN)
        else:
            result.append(FILLED if can_fill else EMPTY)
    return result


class Grid:
    """A partly solved puzzle: cells[row][column] in UNKNOWN/EMPTY/FILLED."""

    def __init__(self, row_clues, column_clues, cells=None):
        self.row_clues = row_clues
        self.column_clues = column_clues
        self.height = len(row_clues)
        self.width = len(column_clues)
        self.cells = cells or [[UNKNOWN] * self.width
                               for _ in range(self.height)]

    def copy(self):
        return Grid(self.row_clues, self.column_clues,
                    [row[:] for row in self.cells])

    def unknown_count(self):
        return sum(row.count(UNKNOWN) for row in self.cells)

    def _line(self, is_row, index):
        if is_row:
            return self.cells[index]
        return [row[index] for row in self.cells]

    def _store(self, is_row, index, values, pending):
        for k, value in enumerate(values):
            r, c = (index, k) if is_row else (k, index)
            if self.cells[r][c] != value:
                self.cells[r][c] = value
                pending.add((not is_row, c if is_row else r))

    def propagate(self, pending=None):
        """Line-solves to a fixpoint; False when the clues contradict."""
        if pending is None:
            pending = {(True, r) for r in range(self.height)}
            pending |= {(False, c) for c in range(self.width)}
        while pending:
            is_row, index = pending.pop()
            runs = (self.row_clues if is_row else self.column_clues)[index]
            line = self._line(is_row, index)
            solved = solve_line(runs, line)
            if solved is None:
                return False
            if solved != line:
                self._store(is_row, index, solved, pending)
        return True

    def branch_cell(self):
        """The unknown cell in the most decided line, or None when solved.

        Guessing where a line is nearly complete makes a wrong guess
        contradict quickly, which keeps the search small.
        """
        row_open = [row.count(UNKNOWN) for row in self.cells]
        column_open = [sum(row[c] == UNKNOWN for row in self.cells)
                       for c in range(self.width)]
        best = None
        for r, row in enumerate(self.cells):
            if not row_open[r]:
                continue
            for c, value in enumerate(row):
                if value == UNKNOWN:
                    score = (min(row_open[r], column_open[c]),
                             row_open[r] + column_open[c])
                    if best is None or score < best[0]:
                        best = (score, r, c)
        return None if best is None else best[1:]

    def set_cell(self, r, c, value):
        """Sets one cell and re-propagates; False on contradiction."""
        self.cells[r][c] = value
        return self.propagate({(True, r), (False, c)})


class SearchTooLong(Exception):
    """The search gave up before it could tell how many solutions exist."""


def find_solutions(row_clues, column_clues, limit=2, max_nodes=20000):
    """Up to `limit` solutions (grids of 0/1), plus the search statistics.

    Returns (solutions, line_solvable, branch_nodes).  Raises SearchTooLong
    when more than `max_nodes` guesses were needed: a picture that needs
    that much guessing is no fair puzzle anyway.
    """
    start = Grid(row_clues, column_clues)
    if not start.propagate():
        return [], False, 0
    line_solvable = start.unknown_count() == 0
    solutions, nodes = [], 0
    stack = [start]
    while stack and len(solutions) < limit:
        grid = stack.pop()
        cell = grid.branch_cell()
        if cell is None:
            solutions.append(grid.cells)
            continue
        nodes += 1
        if nodes > max_nodes:
            raise SearchTooLong(f"gave up after {max_nodes} guesses")
        for value in (EMPTY, FILLED):   # FILLED is popped, so tried, first
            branch = grid.copy()
            if branch.set_cell(cell[0], cell[1], value):
                stack.append(branch)
    return solutions, line_solvable, nodes
