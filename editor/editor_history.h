#pragma once
// Undo and redo for the picture on the editor's board. Each step keeps the
// whole picture as it was (cells, size, colours): a 40 x 30
// picture is small enough that whole copies are simpler and safer than
// recording what each command did. Only the board is restored; the library
// file is never written here, so what was saved stays saved.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

#include "editor/editor_state.h"

namespace mosarin {

// The picture on the board, everything an undo must bring back. The size
// fields are not kept: an undo shows the size the board comes back with.
struct BoardSnapshot {
    // Columns 1..40 of rows 1..30, column by column. Cells beyond them are
    // always empty: every command that shrinks or replaces the board empties them.
    std::array<std::uint8_t, kMaxWidth * kMaxHeight> cells{};
    int width = 0, height = 0;            // the working size
    ColorSet colors{};                    // the working colours
    bool operator==(const BoardSnapshot&) const = default;
};

BoardSnapshot snapshotOf(const EditorState& state);
// Puts `snapshot` back on the board (the library slot keeps what was saved), writes its size
// into the size fields, marks the picture modified (as a paint would) and
// asks for a whole new frame.
void restoreSnapshot(EditorState& state, const BoardSnapshot& snapshot);

class EditorHistory {
public:
    static constexpr std::size_t kDefaultLimit = 1000;
    explicit EditorHistory(std::size_t limit = kDefaultLimit) : limit_(limit) {}

    // A fresh history: another picture is on the board.
    void clear();

    // Brackets one step: a command, or a press with its whole drag. A step
    // that leaves the picture as it was records nothing; any redo is dropped
    // by a step that changed something. A second begin while a step is open
    // keeps the first start: an unreleased drag and what follows are one step.
    void begin(const EditorState& state);
    void end(const EditorState& state);
    bool stepOpen() const { return open_.has_value(); }

    // Each returns false, changing nothing, when there is nothing to take
    // back or bring again. An open step is closed first.
    bool undo(EditorState& state);
    bool redo(EditorState& state);

    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

private:
    std::size_t limit_;
    std::deque<BoardSnapshot> undo_;   // the picture before each step, oldest first
    std::deque<BoardSnapshot> redo_;   // the picture after each undone step, latest undone last
    std::optional<BoardSnapshot> open_;
};

}  // namespace mosarin
