#pragma once
// Which clues the player's filled cells already match, for greying them.

#include <bitset>

#include "game/game_state.h"

namespace mosarin {

// Whether the runs of filled play cells (value 1; marks count as empty) of
// row `row` (1..height) or column `column` (1..width) are exactly its clue.
bool rowMatchesClue(const GameState& state, int row);
bool columnMatchesClue(const GameState& state, int column);

struct GreyedClues {
    std::bitset<kMaxHeight + 1> rows;      // [1..30]
    std::bitset<kMaxWidth + 1> columns;    // [1..40]
    bool operator==(const GreyedClues&) const = default;
};

// The clues to draw grey: the lines that match, while greying is on and a
// puzzle is set up; none otherwise.
GreyedClues greyedClues(const GameState& state);

}  // namespace mosarin
