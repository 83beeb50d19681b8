#pragma once
// The largest board, 40 x 30, as the game plays it: what the frame
// benchmarks draw, at the designed window size and at larger ones.

#include "game/puzzle.h"
#include "picture/packed_rows.h"

namespace mosarin {

// A 40 x 30 picture whose cells are filled where `filled(column, row)` says.
template <typename Rule>
GameState largestPuzzle(Rule filled) {
    CellGrid grid;
    for (int column = 1; column <= kMaxWidth; ++column)
        for (int row = 1; row <= kMaxHeight; ++row) grid.at(column, row) = filled(column, row) ? 1 : 0;
    GameState state;
    TPictureRecord& record = state.library.slots[1];
    record.packedRows = packRows(grid);
    record.width = kMaxWidth;
    record.height = kMaxHeight;
    record.colors = {0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu};
    state.library.count = 1;
    startSelectedPicture(state, 0);
    return state;
}

// The player has filled every cell of the board.
inline void fillEveryCell(GameState& state) {
    for (int column = 1; column <= kMaxWidth; ++column)
        for (int row = 1; row <= kMaxHeight; ++row) state.playGrid.at(column, row) = cellFilled;
}

}  // namespace mosarin
