#include "game/clue_mistakes.h"

#include <array>
#include <vector>

#include "solver/line_solver.h"

namespace mosarin {

namespace {

using solver::Cell;

// Judges a line of `length` cells, 1-based, against the runs of its picture
// line: the clue shown is made from those runs.
template <typename PlayAt, typename PictureAt>
bool contradicted(int length, PlayAt playAt, PictureAt pictureAt) {
    std::array<Cell, kMaxWidth> cells{};
    std::vector<int> clue;
    int run = 0;
    for (int i = 0; i < length; ++i) {
        const int value = playAt(i + 1);
        cells[static_cast<size_t>(i)] =
            value == cellFilled ? Cell::Filled : value == cellMarked ? Cell::Empty : Cell::Unknown;
        if (pictureAt(i + 1) == 1) {
            ++run;
        } else if (run > 0) {
            clue.push_back(run);
            run = 0;
        }
    }
    if (run > 0) clue.push_back(run);
    return !solver::lineCompletable(clue, std::span<const Cell>(cells.data(), static_cast<size_t>(length)));
}

}  // namespace

bool rowContradicted(const GameState& state, int row) {
    return contradicted(
        state.width(), [&](int column) { return state.playGrid.at(column, row); },
        [&](int column) { return state.solutionGrid.at(column, row); });
}

bool columnContradicted(const GameState& state, int column) {
    return contradicted(
        state.height(), [&](int row) { return state.playGrid.at(column, row); },
        [&](int row) { return state.solutionGrid.at(column, row); });
}

ContradictedClues contradictedClues(const GameState& state) {
    ContradictedClues contradicted;
    if (!state.showMistakes || !state.puzzleActive) return contradicted;
    for (int row = 1; row <= state.height(); ++row)
        contradicted.rows[static_cast<size_t>(row)] = rowContradicted(state, row);
    for (int column = 1; column <= state.width(); ++column)
        contradicted.columns[static_cast<size_t>(column)] = columnContradicted(state, column);
    return contradicted;
}

}  // namespace mosarin
