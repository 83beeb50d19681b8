#include "game/clue_progress.h"

#include <array>

#include "game/puzzle.h"

namespace mosarin {

namespace {

// The clue text of a line of play cells, counting only filled ones.
template <typename CellAt>
std::string filledRuns(int length, CellAt cellAt) {
    std::array<int, kMaxWidth> filled{};
    for (int i = 0; i < length; ++i) filled[static_cast<size_t>(i)] = cellAt(i + 1) == cellFilled ? 1 : 0;
    return clueText(filled.data(), length);
}

}  // namespace

bool rowMatchesClue(const GameState& state, int row) {
    return filledRuns(state.width(), [&](int column) { return state.playGrid.at(column, row); }) ==
           state.rowClues[static_cast<size_t>(row)];
}

bool columnMatchesClue(const GameState& state, int column) {
    return filledRuns(state.height(), [&](int row) { return state.playGrid.at(column, row); }) ==
           state.columnClues[static_cast<size_t>(column)];
}

GreyedClues greyedClues(const GameState& state) {
    GreyedClues greyed;
    if (!state.greyFinishedClues || !state.puzzleActive) return greyed;
    for (int row = 1; row <= state.height(); ++row) greyed.rows[static_cast<size_t>(row)] = rowMatchesClue(state, row);
    for (int column = 1; column <= state.width(); ++column)
        greyed.columns[static_cast<size_t>(column)] = columnMatchesClue(state, column);
    return greyed;
}

}  // namespace mosarin
