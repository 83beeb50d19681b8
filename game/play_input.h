#pragma once
// The player's mouse on the board, and the completion check. Handlers only
// change fields and ask for a frame; they never draw.

#include <optional>

#include "game/game_state.h"

namespace mosarin {

enum class MouseButton { Left, Right, Middle };

struct BoardCell {
    int column;  // 0-based
    int row;     // 0-based
    bool operator==(const BoardCell&) const = default;
};

// (x - left) / pitch and (y - top) / pitch of the state's geometry,
// truncating toward zero, so up to a pitch less one pixel left of or above
// the board still answer to the first column or row. Nothing when the cell is outside the current picture.
std::optional<BoardCell> hitTest(const GameState& state, int x, int y);

// 0 becomes `mode`; 1 or 2 become 0.
int toggledCell(int value, int mode);

void posiciona(GameState& state, MouseButton button, int x, int y);   // press
void mouseMove(GameState& state, int x, int y);                       // Image1MouseMove
void mouseUp(GameState& state);                                       // Image1MouseUp

// Sets and returns `solved`: the filled play cells equal the filled solution
// cells over the picture's area (marks count as empty).
bool completionCheck(GameState& state);

}  // namespace mosarin
