#include "game/play_keys.h"

#include <algorithm>

#include "game/play_input.h"

namespace mosarin {

namespace {

// 0-based cell to the pointer position at its middle on the board on show.
int cellCentreX(const GameState& state, int column) {
    return state.geometry.cellLeft(column + 1) + state.geometry.pitch / 2;
}
int cellCentreY(const GameState& state, int row) { return state.geometry.cellTop(row + 1) + state.geometry.pitch / 2; }

bool crossOnBoard(const GameState& state) {
    return state.hoverColumn >= 0 && state.hoverColumn < state.width() && state.hoverRow >= 0 &&
           state.hoverRow < state.height();
}

// Ends a mouse drag or a keyboard drag, whichever is in progress.
void release(GameState& state) { mouseUp(state); }

// The cell one step from the cross, kept on the board; the top-left cell
// when there is no cross on this picture's board yet.
BoardCell nextCell(const GameState& state, PlayKey key) {
    if (!crossOnBoard(state)) return {0, 0};
    BoardCell cell{state.hoverColumn, state.hoverRow};
    switch (key) {
    case PlayKey::MoveLeft: cell.column -= 1; break;
    case PlayKey::MoveRight: cell.column += 1; break;
    case PlayKey::MoveUp: cell.row -= 1; break;
    case PlayKey::MoveDown: cell.row += 1; break;
    default: break;
    }
    cell.column = std::clamp(cell.column, 0, state.width() - 1);
    cell.row = std::clamp(cell.row, 0, state.height() - 1);
    return cell;
}

void moveCross(GameState& state, const KeyPress& press) {
    const bool hadCross = crossOnBoard(state);
    const BoardCell to = nextCell(state, press.key);
    const bool moves = !hadCross || to != BoardCell{state.hoverColumn, state.hoverRow};
    const int heldMode = state.keyDragMode;
    if (!(press.extend && heldMode != dragNone && hadCross)) {
        release(state);
        if (moves) mouseMove(state, cellCentreX(state, to.column), cellCentreY(state, to.row));
        return;
    }
    if (!moves) return;   // at the edge: the drag stays where it is
    // The button is held while the pointer enters the next cell: the mouse's
    // move handler toggles it and adds it to the step in progress.
    state.keyDragMode = dragNone;   // or the move would end the keyboard drag
    state.dragging = 1;
    state.dragMode = heldMode;
    mouseMove(state, cellCentreX(state, to.column), cellCentreY(state, to.row));
    state.dragging = 0;
    state.dragMode = dragNone;
    state.keyDragMode = heldMode;
}

void pressOnCross(GameState& state, MouseButton button) {
    release(state);
    if (!crossOnBoard(state)) {
        // Nothing is pressed on a cell the player cannot see: the cross
        // appears at the top-left cell first.
        mouseMove(state, cellCentreX(state, 0), cellCentreY(state, 0));
        return;
    }
    posiciona(state, button, cellCentreX(state, state.hoverColumn), cellCentreY(state, state.hoverRow));
    if (state.dragging != 1) return;   // a finished picture takes no presses
    // The press stays open for Shift+arrows, but not as a held mouse button:
    // a pointer move must not carry it on.
    state.keyDragMode = state.dragMode;
    state.dragging = 0;
    state.dragMode = dragNone;
}

}  // namespace

bool undoStep(GameState& state) {
    if (state.solved) return false;
    release(state);
    if (!state.history.undo(state.playGrid)) return false;
    state.hintStands = false;
    state.redrawPending = true;
    return true;
}

bool redoStep(GameState& state) {
    if (state.solved) return false;
    release(state);
    if (!state.history.redo(state.playGrid)) return false;
    state.hintStands = false;
    state.redrawPending = true;
    return true;
}

bool keysPlayThePuzzle(const GameState& state) { return state.puzzleActive && state.boardShown && !state.solved; }

bool playKey(GameState& state, const KeyPress& press) {
    if (!keysPlayThePuzzle(state)) return false;
    switch (press.key) {
    case PlayKey::MoveLeft:
    case PlayKey::MoveRight:
    case PlayKey::MoveUp:
    case PlayKey::MoveDown:
        moveCross(state, press);
        // Set after the move, which goes through the mouse's handler.
        state.keyboardCursor = crossOnBoard(state);
        state.redrawPending = true;
        break;
    // A held Space or X would flip its cell on and off with every repeat.
    case PlayKey::Fill:
        if (!press.autoRepeat) pressOnCross(state, MouseButton::Left);
        break;
    case PlayKey::Mark:
        if (!press.autoRepeat) pressOnCross(state, MouseButton::Right);
        break;
    case PlayKey::Undo: undoStep(state); break;
    case PlayKey::Redo: redoStep(state); break;
    case PlayKey::ToggleClueGreying:
        if (press.autoRepeat) break;
        state.greyFinishedClues = !state.greyFinishedClues;
        state.redrawPending = true;
        break;
    case PlayKey::ToggleMistakes:
        if (press.autoRepeat) break;
        state.showMistakes = !state.showMistakes;
        state.redrawPending = true;
        break;
    case PlayKey::Hint: break;
    }
    return true;
}

}  // namespace mosarin
