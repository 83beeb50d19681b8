#include "editor/editor_history.h"

#include <string>
#include <utility>

namespace mosarin {

namespace {

std::size_t cellIndex(int column, int row) { return static_cast<std::size_t>((column - 1) * kMaxHeight + (row - 1)); }

}  // namespace

BoardSnapshot snapshotOf(const EditorState& state) {
    BoardSnapshot snapshot;
    for (int column = 1; column <= kMaxWidth; ++column) {
        for (int row = 1; row <= kMaxHeight; ++row) {
            snapshot.cells[cellIndex(column, row)] = state.cells.at(column, row) != 0 ? 1 : 0;
        }
    }
    snapshot.width = state.boardWidth;
    snapshot.height = state.boardHeight;
    snapshot.colors = state.colors;
    return snapshot;
}

void restoreSnapshot(EditorState& state, const BoardSnapshot& snapshot) {
    state.cells.clear();
    for (int column = 1; column <= kMaxWidth; ++column) {
        for (int row = 1; row <= kMaxHeight; ++row) state.cells.at(column, row) = snapshot.cells[cellIndex(column, row)];
    }
    state.boardWidth = snapshot.width;
    state.boardHeight = snapshot.height;
    // "Save" reads the size from the fields: they must name the board's size,
    // not a size typed before the step and never applied.
    state.widthText = std::to_string(snapshot.width);
    state.heightText = std::to_string(snapshot.height);
    state.colors = snapshot.colors;
    // A drag under way ends: its next cell would be flipped on a board it
    // did not start on, outside any step.
    state.dragging = false;
    // The board now differs from what the file may hold: leaving it offers
    // to save, as after any paint.
    state.modified = true;
    state.redrawPending = true;
    state.boardStale = true;
}

void EditorHistory::clear() {
    undo_.clear();
    redo_.clear();
    open_.reset();
}

void EditorHistory::begin(const EditorState& state) {
    if (!open_) open_ = snapshotOf(state);
}

void EditorHistory::end(const EditorState& state) {
    if (!open_) return;
    BoardSnapshot before = std::move(*open_);
    open_.reset();
    if (before == snapshotOf(state)) return;
    undo_.push_back(std::move(before));
    if (undo_.size() > limit_) undo_.pop_front();
    redo_.clear();
}

bool EditorHistory::undo(EditorState& state) {
    end(state);
    if (undo_.empty()) return false;
    redo_.push_back(snapshotOf(state));
    restoreSnapshot(state, undo_.back());
    undo_.pop_back();
    return true;
}

bool EditorHistory::redo(EditorState& state) {
    end(state);
    if (redo_.empty()) return false;
    undo_.push_back(snapshotOf(state));
    restoreSnapshot(state, redo_.back());
    redo_.pop_back();
    return true;
}

}  // namespace mosarin
