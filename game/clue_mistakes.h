#pragma once
// Which lines the player's cells already contradict, for drawing their clues
// red while mistakes are shown.

#include <bitset>

#include "game/game_state.h"

namespace mosarin {

// Whether no placement of the clue's runs of row `row` (1..height) or column
// `column` (1..width) fits its filled cells and its dots (a dot is a cell
// the player says is empty; an untouched cell may be either).
bool rowContradicted(const GameState& state, int row);
bool columnContradicted(const GameState& state, int column);

struct ContradictedClues {
    std::bitset<kMaxHeight + 1> rows;      // [1..30]
    std::bitset<kMaxWidth + 1> columns;    // [1..40]
    bool operator==(const ContradictedClues&) const = default;
};

// The clues to draw red: the contradicted lines, while mistakes are shown
// and a puzzle is set up; none otherwise.
ContradictedClues contradictedClues(const GameState& state);

}  // namespace mosarin
