#include "game/play_history.h"

#include <algorithm>

namespace mosarin {

void PlayHistory::record(int column, int row, int before, int after) {
    // A drag can pass a cell again; the step keeps its first value before
    // and its last value after.
    for (CellChange& change : open_) {
        if (change.column == column && change.row == row) {
            change.after = after;
            return;
        }
    }
    open_.push_back({column, row, before, after});
}

void PlayHistory::closeStep() {
    std::erase_if(open_, [](const CellChange& change) { return change.before == change.after; });
    if (open_.empty()) return;
    undone_.clear();
    done_.push_back(std::move(open_));
    open_.clear();
    if (done_.size() > kMaxSteps) done_.pop_front();
}

bool PlayHistory::undo(CellGrid& grid) {
    closeStep();
    if (done_.empty()) return false;
    for (const CellChange& change : done_.back()) grid.at(change.column, change.row) = change.before;
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool PlayHistory::redo(CellGrid& grid) {
    closeStep();
    if (undone_.empty()) return false;
    for (const CellChange& change : undone_.back()) grid.at(change.column, change.row) = change.after;
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}

void PlayHistory::clear() {
    open_.clear();
    done_.clear();
    undone_.clear();
}

}  // namespace mosarin
