#pragma once
// Drawing clue numbers in the bold "Arial" of the board, at the height and
// places the state's geometry gives.

#include "game/board_geometry.h"
#include "game/clue_layout.h"
#include "game/game_state.h"
#include "shell/canvas.h"

namespace mosarin {

constexpr Color kClueColor = 0x7D8373u;         // every clue on the static layer
constexpr Color kHoveredClueColor = 0x111111u;  // the row and column under the pointer
constexpr Color kGreyedClueColor = 0xC8C8C8u;   // a matched line's clue, while greying is on
constexpr Color kMistakeClueColor = 0x1818E0u;  // a contradicted line's clue, while mistakes are shown
constexpr Color kHoveredMistakeClueColor = 0x00008Cu;  // the same under the pointer

// Row `row` (1-based) of rowClues at its place left of the board.
void drawRowClue(Canvas& canvas, const GameState& state, int row, Color color);
// Column `column` (1-based) of columnClues at its place above the board.
void drawColumnClue(Canvas& canvas, const GameState& state, int column, Color color);

// The clue font's digits as the layout needs them, measured once.
const ClueFontMetrics& clueFontMetrics();

}  // namespace mosarin
