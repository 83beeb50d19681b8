#include "editor/editor_input.h"

#include <utility>
#include <vector>

#include "picture/cell_line.h"

namespace mosarin {

namespace {

void flip(EditorState& state, EditorCell cell) {
    std::int32_t& value = state.cells.at(cell.column + 1, cell.row + 1);
    value = flippedCell(value);
}

// The point in board-relative pixels (not cells).
struct BoardPixel {
    int x, y;
};

BoardPixel boardPixel(const EditorState& state, int x, int y) { return {x - state.boardOrigin, y - state.boardOrigin}; }

void pressInResizeMode(EditorState& state, int x, int y) {
    const BoardPixel at = boardPixel(state, x, y);
    if (at.x < 0 || at.x >= kEditorCellSize * state.width() || at.y < 0 || at.y >= kEditorCellSize * state.height()) return;
    state.selStartX = state.selEndX = at.x;
    state.selStartY = state.selEndY = at.y;
}

// The moving corner stays strictly right of and below the first one, and
// inside the board; a move that would break this leaves it where it was.
void moveSelectionCorner(EditorState& state, int x, int y) {
    const BoardPixel at = boardPixel(state, x, y);
    if (state.selStartX < at.x && at.x < kEditorCellSize * state.width() && state.selStartY < at.y &&
        at.y < kEditorCellSize * state.height()) {
        state.selEndX = at.x;
        state.selEndY = at.y;
    }
}

}  // namespace

std::optional<EditorCell> hitTest(const EditorState& state, int x, int y) {
    // Integer division truncates toward zero: the strip up to 14 pixels left
    // of and above the board answers to the first column and row.
    const int column = (x - state.boardOrigin) / kEditorCellSize;
    const int row = (y - state.boardOrigin) / kEditorCellSize;
    if (column < 0 || column >= state.width() || row < 0 || row >= state.height()) return std::nullopt;
    return EditorCell{column, row};
}

int flippedCell(int value) { return value == 0 ? 1 : 0; }

PressResult posiciona(EditorState& state, int x, int y) {
    if (state.resizeMode) {
        if (state.selStartX != -1) return PressResult::EndResize;
        // No frame is asked for here: the next pointer move asks for one.
        pressInResizeMode(state, x, y);
        return PressResult::Done;
    }
    const std::optional<EditorCell> cell = hitTest(state, x, y);
    if (!cell) return PressResult::Done;
    state.dragging = true;
    state.lastColumn = cell->column;
    state.lastRow = cell->row;
    state.dragOffBoard = false;
    state.modified = true;
    flip(state, *cell);
    state.redrawPending = true;
    return PressResult::Done;
}

void mouseMove(EditorState& state, int x, int y) {
    const std::optional<EditorCell> cell = hitTest(state, x, y);
    if (cell) {
        state.hoverColumn = cell->column;
        state.hoverRow = cell->row;
    }
    if (state.resizeMode && state.selStartX > -1 && state.selStartY > -1) {
        moveSelectionCorner(state, x, y);
    } else if (state.dragging && !cell) {
        state.dragOffBoard = true;
    } else if (state.dragging) {
        const bool cameBack = std::exchange(state.dragOffBoard, false);
        // Only the last flipped cell is remembered: wandering inside it flips
        // nothing, coming back to it after leaving another flips it again.
        if (cell->column != state.lastColumn || cell->row != state.lastRow) {
            // Moves arrive far apart when the hand is fast: every cell on the
            // line from the last one flipped counts as entered, flipped once.
            const LineCell last{state.lastColumn, state.lastRow}, now{cell->column, cell->row};
            for (const LineCell& next : cameBack ? std::vector<LineCell>{now} : cellsAfterOnLine(last, now)) {
                flip(state, {next.column, next.row});
            }
            state.lastColumn = cell->column;
            state.lastRow = cell->row;
            state.modified = true;
        }
    }
    state.redrawPending = true;
}

void mouseUp(EditorState& state) {
    state.dragging = false;
    state.dragOffBoard = false;
}

}  // namespace mosarin
