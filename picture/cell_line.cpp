#include "picture/cell_line.h"

#include <algorithm>
#include <cstdlib>

namespace mosarin {

namespace {

// round(numerator / denominator) with halves away from zero; denominator > 0.
int roundedQuotient(int numerator, int denominator) {
    const int magnitude = (2 * std::abs(numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

}  // namespace

std::vector<LineCell> cellsAfterOnLine(LineCell from, LineCell to) {
    const int dx = to.column - from.column, dy = to.row - from.row;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    std::vector<LineCell> cells;
    cells.reserve(static_cast<std::size_t>(steps));
    for (int i = 1; i <= steps; ++i) {
        cells.push_back({from.column + roundedQuotient(i * dx, steps), from.row + roundedQuotient(i * dy, steps)});
    }
    return cells;
}

}  // namespace mosarin
