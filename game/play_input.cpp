#include "game/play_input.h"

#include <utility>
#include <vector>

#include "picture/cell_line.h"

namespace mosarin {

std::optional<BoardCell> hitTest(const GameState& state, int x, int y) {
    // Integer division truncates toward zero: the strip up to one pitch
    // less a pixel left of and above the board answers to the first column
    // and row.
    const BoardGeometry& g = state.geometry;
    const int column = (x - g.left) / g.pitch;
    const int row = (y - g.top) / g.pitch;
    if (column < 0 || column >= state.width() || row < 0 || row >= state.height()) return std::nullopt;
    return BoardCell{column, row};
}

int toggledCell(int value, int mode) {
    // Anything already on the cell is taken off, whatever the button.
    return value == cellEmpty ? mode : cellEmpty;
}

namespace {

void toggle(GameState& state, BoardCell cell) {
    std::int32_t& value = state.playGrid.at(cell.column + 1, cell.row + 1);
    const int before = value;
    value = toggledCell(value, state.dragMode);
    // The board changed: the last hint's outline has said its piece.
    state.hintStands = false;
    state.history.record(cell.column + 1, cell.row + 1, before, value);
}

// The mouse takes over from a keyboard drag: Shift+arrows no longer extend it.
void endKeyboardDrag(GameState& state) {
    if (state.keyDragMode == dragNone) return;
    state.keyDragMode = dragNone;
    state.history.closeStep();
}

}  // namespace

void posiciona(GameState& state, MouseButton button, int x, int y) {
    if (state.solved) return;
    endKeyboardDrag(state);
    const std::optional<BoardCell> cell = hitTest(state, x, y);
    if (!cell) return;
    // Every press begins a step of its own.
    state.history.closeStep();
    state.dragging = 1;
    state.dragMode = button == MouseButton::Left ? dragFill : dragMark;
    state.lastColumn = cell->column;
    state.lastRow = cell->row;
    state.dragOffBoard = false;
    toggle(state, *cell);
    state.redrawPending = true;
}

void mouseMove(GameState& state, int x, int y) {
    if (state.solved) return;
    endKeyboardDrag(state);
    // The mouse takes over: the keyboard's outline goes at the next frame.
    if (state.keyboardCursor) {
        state.keyboardCursor = false;
        state.redrawPending = true;
    }
    state.hoverColumn = state.hoverRow = -1;
    const std::optional<BoardCell> cell = hitTest(state, x, y);
    if (cell) {
        state.hoverColumn = cell->column;
        state.hoverRow = cell->row;
        state.redrawPending = true;
    }
    if (state.dragging != 1) return;
    if (!cell) {
        state.dragOffBoard = true;
        return;
    }
    const bool cameBack = std::exchange(state.dragOffBoard, false);
    if (cell->column == state.lastColumn && cell->row == state.lastRow) return;
    // Moves arrive far apart when the hand is fast: every cell on the line
    // from the last one entered counts as entered, each toggled once.
    const LineCell last{state.lastColumn, state.lastRow}, now{cell->column, cell->row};
    const std::vector<LineCell> entered = cameBack ? std::vector<LineCell>{now} : cellsAfterOnLine(last, now);
    for (const LineCell& next : entered) toggle(state, {next.column, next.row});
    state.lastColumn = cell->column;
    state.lastRow = cell->row;
    state.redrawPending = true;
}

void mouseUp(GameState& state) {
    state.dragging = 0;
    state.dragMode = dragNone;
    state.keyDragMode = dragNone;
    state.history.closeStep();
}

bool completionCheck(GameState& state) {
    // Only a cell holding exactly 1 counts as filled: marks, and any stray
    // value a damaged saved game may have left, count as empty.
    bool solved = true;
    for (int column = 1; column <= state.width() && solved; ++column) {
        for (int row = 1; row <= state.height(); ++row) {
            const bool wanted = state.solutionGrid.at(column, row) == 1;
            const bool filled = state.playGrid.at(column, row) == cellFilled;
            if (wanted != filled) {
                solved = false;
                break;
            }
        }
    }
    state.solved = solved;
    return solved;
}

}  // namespace mosarin
