#pragma once
// The cells a straight stroke crosses between two cells of a board. A fast
// hand moves the pointer further between two reports than one cell, so a
// drag counts every cell on the line from the last cell it entered to the
// new one as entered, in order. Pure arithmetic on cell coordinates: each
// window maps the pointer to a cell first, with its own geometry.

#include <vector>

namespace mosarin {

struct LineCell {
    int column;
    int row;
    bool operator==(const LineCell&) const = default;
};

// The cells after `from` up to and including `to`, in order along the line,
// each one step (side or corner) from the one before: for each step i of
// n = max(|dx|, |dy|), from + round(i * d / n), halves rounded away from
// `from`. Empty when `to` is `from`.
std::vector<LineCell> cellsAfterOnLine(LineCell from, LineCell to);

}  // namespace mosarin
