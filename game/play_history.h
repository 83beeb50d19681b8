#pragma once
// The player's steps, for taking them back and doing them again. A step is
// one press with the drag that follows it (for the keyboard: Space or X with
// the Shift+arrows that extend it); it keeps, for every cell it changed, the
// value before and after. Only what the step changed in the end is kept, so
// a drag that comes back and clears what it filled leaves no step at all.
// The history is not part of a saved game: "Play" and "Load Game" start a
// fresh one.

#include <cstddef>
#include <deque>
#include <vector>

#include "picture/picture_record.h"

namespace mosarin {

struct CellChange {
    int column, row;   // 1-based, as in the play grid
    int before, after;
    bool operator==(const CellChange&) const = default;
};

class PlayHistory {
public:
    // The oldest steps are let go beyond this many, so an endless session
    // cannot grow without bound (back to the start of any real game).
    static constexpr std::size_t kMaxSteps = 100000;

    // A cell of the step in progress changed from `before` to `after`.
    void record(int column, int row, int before, int after);
    // Ends the step in progress. One that changed something becomes the
    // last step to undo and drops every step that was undone before it.
    void closeStep();

    // Ends the step in progress, then puts the last step's cells back as
    // they were before it. False, with `grid` untouched, when there is none.
    bool undo(CellGrid& grid);
    // Does the last undone step again. False when there is none.
    bool redo(CellGrid& grid);

    // Forgets everything, the step in progress included.
    void clear();

    std::size_t undoCount() const { return done_.size(); }
    std::size_t redoCount() const { return undone_.size(); }

private:
    using Step = std::vector<CellChange>;
    Step open_;
    std::deque<Step> done_;
    std::vector<Step> undone_;
};

}  // namespace mosarin
