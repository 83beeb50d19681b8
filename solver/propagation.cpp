#include "solver/propagation.h"

#include <algorithm>
#include <bit>

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
      rowDirty_(clues.height()),
      columnDirty_(clues.width()) {}

bool Propagator::propagateAll(Grid& grid) {
    for (int row = 0; row < grid.height; ++row) rowDirty_.insert(row);
    for (int column = 0; column < grid.width; ++column) columnDirty_.insert(column);
    return run(grid);
}

bool Propagator::propagateCell(Grid& grid, int column, int row) {
    rowDirty_.clear();
    columnDirty_.clear();
    rowDirty_.insert(row);
    columnDirty_.insert(column);
    return run(grid);
}

bool Propagator::propagateLines(Grid& grid, std::uint64_t rows, std::uint64_t columns) {
    rowDirty_.clear();
    columnDirty_.clear();
    for (int row = 0; row < grid.height && row < 64; ++row) {
        if (rows >> row & 1) rowDirty_.insert(row);
    }
    for (int column = 0; column < grid.width && column < 64; ++column) {
        if (columns >> column & 1) columnDirty_.insert(column);
    }
    return run(grid);
}

bool Propagator::propagateCells(Grid& grid, std::span<const int> cells) {
    rowDirty_.clear();
    columnDirty_.clear();
    for (const int cell : cells) {
        rowDirty_.insert(cell / grid.width);
        columnDirty_.insert(cell % grid.width);
    }
    return run(grid);
}

// Solves one line of the grid through the cache and writes back only the
// cells the solve decided: most solves during probing decide nothing, and
// then nothing is unpacked or compared.
bool Propagator::solveLineOf(Grid& grid, bool isRow, int index) {
    const int n = isRow ? grid.width : grid.height;
    const std::size_t stride = isRow ? 1 : static_cast<std::size_t>(grid.width);
    Cell* first = isRow ? &grid.at(0, index) : &grid.at(index, 0);
    const Clue& clue = isRow ? clues_.rows[index] : clues_.columns[index];
    auto decided = [&](int i, Cell value) {
        first[i * stride] = value;
        if (isRow) columnDirty_.insert(i);
        else rowDirty_.insert(i);
        if (changed_) changed_->push_back(isRow ? index * grid.width + i : i * grid.width + index);
    };
    auto copyOut = [&] {
        line_.resize(n);
        for (int i = 0; i < n; ++i) line_[i] = first[i * stride];
    };
    if (n > LineCache::kMaxCells) {
        copyOut();
        if (!lineSolver_.solve(clue, line_)) return false;
        for (int i = 0; i < n; ++i)
            if (line_[i] != first[i * stride]) decided(i, line_[i]);
        return true;
    }
    const int lineId = isRow ? index : grid.height + index;
    const LineCache::Packed known = LineCache::pack(first, stride, n);
    LineCache::Packed solved;
    bool consistent = false;
    if (!cache_.find(lineId, known, solved, consistent)) {
        if (n <= LineSolver::kMaxMaskCells) {
            // Straight from the packed cells to the packed outcome, no cell by cell.
            std::uint64_t filled = 0, empty = 0, canFill = 0, canEmpty = 0;
            LineCache::masksOf(known, filled, empty);
            consistent = lineSolver_.solveMasks(clue, n, filled, empty, canFill, canEmpty);
            // Each cell of a line that fits can be one or the other.
            const std::uint64_t unknown = ~(filled | empty) & (canFill | canEmpty);
            solved = consistent ? LineCache::withDecided(known, unknown & ~canEmpty, unknown & ~canFill) : known;
        } else {
            copyOut();
            consistent = lineSolver_.solve(clue, line_);
            solved = consistent ? LineCache::pack(line_) : known;
        }
        cache_.store(lineId, known, solved, consistent);
    }
    if (!consistent) return false;
    // The cells that differ: each two-bit field in which the words differ.
    for (int half = 0; half < 2; ++half) {
        const std::uint64_t now = half == 0 ? solved.low : solved.high;
        std::uint64_t differ = now ^ (half == 0 ? known.low : known.high);
        while (differ) {
            const int field = std::countr_zero(differ) / 2;
            differ &= ~(std::uint64_t{3} << (2 * field));
            decided(half * 32 + field, static_cast<Cell>((now >> (2 * field)) & 3));
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
        for (int row = rowDirty_.takeFrom(0); row >= 0; row = rowDirty_.takeFrom(row + 1)) {
            if (outOfBudget()) return false;
            any = true;
            if (!solveLineOf(grid, true, row)) {
                contradicted_ = {true, row};
                return false;
            }
        }
        for (int column = columnDirty_.takeFrom(0); column >= 0; column = columnDirty_.takeFrom(column + 1)) {
            if (outOfBudget()) return false;
            any = true;
            if (!solveLineOf(grid, false, column)) {
                contradicted_ = {false, column};
                return false;
            }
        }
    }
    return true;
}

}  // namespace mosarin::solver
