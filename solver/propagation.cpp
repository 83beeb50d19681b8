#include "solver/propagation.h"

#include <algorithm>

namespace mosarin::solver {

bool Budget::timeIsUp() const {
    if (cancelled()) return true;
    return deadline != std::chrono::steady_clock::time_point::max() && std::chrono::steady_clock::now() >= deadline;
}

Budget Budget::forSeconds(double seconds, const std::atomic<bool>* cancel) {
    Budget budget;
    budget.deadline = std::chrono::steady_clock::now() +
                      std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                          std::chrono::duration<double>(seconds));
    budget.cancel = cancel;
    return budget;
}

namespace {

// Enough slots for the line states of a long search on the largest
// pictures, few enough that a small puzzle (or a hint) allocates little.
int cacheEntriesFor(const Clues& clues) {
    const int lines = clues.width() + clues.height();
    return std::clamp(lines * 512, 1024, 1 << 16);
}

// How many line solves may pass between two looks at the clock: a solve
// takes a few microseconds, so a deadline is overrun by well under a
// millisecond. The cancel flag costs less than the clock and is looked at
// before every solve.
constexpr int kSolvesBetweenClockLooks = 16;

}  // namespace

Propagator::Propagator(const Clues& clues, int cacheEntries)
    : clues_(clues),
      cache_(cacheEntries > 0 ? cacheEntries : cacheEntriesFor(clues)),
      rowDirty_(clues.rows.size(), 0),
      columnDirty_(clues.columns.size(), 0) {}

bool Propagator::solveLine(int lineId, const Clue& clue) {
    if (!LineCache::fits(line_)) return lineSolver_.solve(clue, line_);
    const LineCache::Packed known = LineCache::pack(line_);
    LineCache::Packed solved;
    bool consistent = false;
    if (cache_.find(lineId, known, solved, consistent)) {
        if (consistent) LineCache::unpack(solved, line_);
        return consistent;
    }
    consistent = lineSolver_.solve(clue, line_);
    cache_.store(lineId, known, consistent ? LineCache::pack(line_) : known, consistent);
    return consistent;
}

bool Propagator::propagateAll(Grid& grid) {
    std::fill(rowDirty_.begin(), rowDirty_.end(), 1);
    std::fill(columnDirty_.begin(), columnDirty_.end(), 1);
    return run(grid);
}

bool Propagator::propagateCell(Grid& grid, int column, int row) {
    std::fill(rowDirty_.begin(), rowDirty_.end(), 0);
    std::fill(columnDirty_.begin(), columnDirty_.end(), 0);
    rowDirty_[row] = 1;
    columnDirty_[column] = 1;
    return run(grid);
}

bool Propagator::propagateChanged(Grid& grid, const Grid& before) {
    std::fill(rowDirty_.begin(), rowDirty_.end(), 0);
    std::fill(columnDirty_.begin(), columnDirty_.end(), 0);
    for (int row = 0; row < grid.height; ++row) {
        for (int column = 0; column < grid.width; ++column) {
            if (grid.at(column, row) != before.at(column, row)) rowDirty_[row] = columnDirty_[column] = 1;
        }
    }
    return run(grid);
}

bool Propagator::solveRow(Grid& grid, int row) {
    const auto first = grid.cells.begin() + static_cast<long>(row) * grid.width;
    line_.assign(first, first + grid.width);
    if (!solveLine(row, clues_.rows[row])) return false;
    for (int column = 0; column < grid.width; ++column) {
        if (line_[column] != grid.at(column, row)) {
            grid.at(column, row) = line_[column];
            columnDirty_[column] = 1;
            if (changed_) changed_->push_back(row * grid.width + column);
        }
    }
    return true;
}

bool Propagator::solveColumn(Grid& grid, int column) {
    line_.resize(grid.height);
    for (int row = 0; row < grid.height; ++row) line_[row] = grid.at(column, row);
    if (!solveLine(grid.height + column, clues_.columns[column])) return false;
    for (int row = 0; row < grid.height; ++row) {
        if (line_[row] != grid.at(column, row)) {
            grid.at(column, row) = line_[row];
            rowDirty_[row] = 1;
            if (changed_) changed_->push_back(row * grid.width + column);
        }
    }
    return true;
}

bool Propagator::run(Grid& grid) {
    // Rows and columns take turns, so each pass works on what the other
    // direction just found; a pass that finds no dirty line ends it.
    interrupted_ = false;
    int untilClockLook = kSolvesBetweenClockLooks;
    auto outOfBudget = [&] {
        if (!budget_) return false;
        if (--untilClockLook > 0) {
            interrupted_ = budget_->cancelled();
        } else {
            untilClockLook = kSolvesBetweenClockLooks;
            interrupted_ = budget_->timeIsUp();
        }
        return interrupted_;
    };
    bool any = true;
    while (any) {
        any = false;
        for (int row = 0; row < grid.height; ++row) {
            if (!rowDirty_[row]) continue;
            if (outOfBudget()) return false;
            rowDirty_[row] = 0;
            any = true;
            if (!solveRow(grid, row)) {
                contradicted_ = {true, row};
                return false;
            }
        }
        for (int column = 0; column < grid.width; ++column) {
            if (!columnDirty_[column]) continue;
            if (outOfBudget()) return false;
            columnDirty_[column] = 0;
            any = true;
            if (!solveColumn(grid, column)) {
                contradicted_ = {false, column};
                return false;
            }
        }
    }
    return true;
}

namespace {

// True when at least two of the cell's four neighbours are decided (the
// border counts as decided): such cells sit at the edge of what is known,
// where a trial most often runs into a contradiction.
bool besideKnownCells(const Grid& grid, int column, int row) {
    int known = 0;
    known += column == 0 || grid.at(column - 1, row) != Cell::Unknown;
    known += column + 1 == grid.width || grid.at(column + 1, row) != Cell::Unknown;
    known += row == 0 || grid.at(column, row - 1) != Cell::Unknown;
    known += row + 1 == grid.height || grid.at(column, row + 1) != Cell::Unknown;
    return known >= 2;
}

}  // namespace

ProbeOutcome probe(Grid& grid, Propagator& propagator, const Budget& budget, ProbeChoice* choice, ProbeScope scope) {
    // Trial grids reused for every probe: copying into them allocates nothing.
    Grid filled = grid, empty = grid;
    const size_t count = grid.cells.size();
    // Per cell, the values (bit 1 filled, bit 2 empty) that a fitting trial
    // of this round has already implied.
    std::vector<std::uint8_t> implied(count);
    auto bitOf = [](Cell value) { return value == Cell::Filled ? std::uint8_t{1} : std::uint8_t{2}; };
    // The cells each trial's propagation decided, besides the tried cell:
    // looking at those alone is far cheaper than comparing whole grids.
    std::vector<int> filledChanged, emptyChanged;
    auto markImplied = [&](const Grid& trial, const std::vector<int>& changed, size_t tried) {
        implied[tried] |= bitOf(trial.cells[tried]);
        for (const int i : changed) implied[i] |= bitOf(trial.cells[i]);
        return static_cast<int>(changed.size()) + 1;
    };
    // Sets one cell of the grid and follows it; the outcome when that fails.
    auto learn = [&](int column, int row, Cell value) {
        grid.at(column, row) = value;
        if (propagator.propagateCell(grid, column, row)) return ProbeOutcome::Stuck;
        return propagator.interrupted() ? ProbeOutcome::OutOfBudget : ProbeOutcome::Contradiction;
    };

    for (bool progress = true; progress;) {
        if (grid.solved()) return ProbeOutcome::Solved;
        progress = false;
        std::fill(implied.begin(), implied.end(), 0);
        int bestScore = -1;
        if (choice) *choice = {};
        for (int row = 0; row < grid.height; ++row) {
            for (int column = 0; column < grid.width; ++column) {
                const size_t index = static_cast<size_t>(row) * grid.width + column;
                if (grid.cells[index] != Cell::Unknown) continue;
                if (scope == ProbeScope::BesideKnownCells && !besideKnownCells(grid, column, row)) continue;
                int decidedBy[2] = {-1, -1};   // cells each way decided; -1 when not tried
                bool decided = false;
                for (const Cell value : {Cell::Filled, Cell::Empty}) {
                    if (implied[index] & bitOf(value)) continue;
                    if (budget.timeIsUp()) return ProbeOutcome::OutOfBudget;
                    Grid& trial = value == Cell::Filled ? filled : empty;
                    std::vector<int>& changed = value == Cell::Filled ? filledChanged : emptyChanged;
                    trial.cells = grid.cells;
                    trial.at(column, row) = value;
                    changed.clear();
                    propagator.recordChanges(&changed);
                    const bool fits = propagator.propagateCell(trial, column, row);
                    propagator.recordChanges(nullptr);
                    if (fits) {
                        decidedBy[value == Cell::Filled ? 0 : 1] = markImplied(trial, changed, index);
                        continue;
                    }
                    if (propagator.interrupted()) return ProbeOutcome::OutOfBudget;
                    // This value breaks a line: the cell takes the other one.
                    const Cell other = value == Cell::Filled ? Cell::Empty : Cell::Filled;
                    if (value == Cell::Empty && decidedBy[0] >= 0) {
                        grid.cells = filled.cells;   // the filled trial fits and is propagated already
                    } else if (const ProbeOutcome outcome = learn(column, row, other); outcome != ProbeOutcome::Stuck) {
                        return outcome;
                    }
                    decided = true;
                    break;
                }
                if (decided) {
                    progress = true;
                    continue;
                }
                if (decidedBy[0] < 0 || decidedBy[1] < 0) continue;
                // Both ways fit: what they decide alike holds either way.
                bool common = false;
                for (const int i : filledChanged) common = common || filled.cells[i] == empty.cells[i];
                if (common) {
                    const Grid before = grid;
                    for (const int i : filledChanged) {
                        if (filled.cells[i] == empty.cells[i]) grid.cells[i] = filled.cells[i];
                    }
                    if (!propagator.propagateChanged(grid, before)) {
                        return propagator.interrupted() ? ProbeOutcome::OutOfBudget : ProbeOutcome::Contradiction;
                    }
                    progress = true;
                    continue;
                }
                // Both branches of a well-chosen cell decide much: the product
                // favours a cell that shrinks the picture whichever way it goes.
                const int score = (decidedBy[0] + 1) * (decidedBy[1] + 1);
                if (choice && score > bestScore) {
                    bestScore = score;
                    *choice = {column, row};
                }
            }
        }
    }
    return grid.solved() ? ProbeOutcome::Solved : ProbeOutcome::Stuck;
}

}  // namespace mosarin::solver
