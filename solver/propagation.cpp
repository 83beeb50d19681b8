#include "solver/propagation.h"

#include <algorithm>

namespace mosarin::solver {

bool Budget::timeIsUp() const {
    if (cancel && cancel->load(std::memory_order_relaxed)) return true;
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

Propagator::Propagator(const Clues& clues)
    : clues_(clues),
      rowDirty_(clues.rows.size(), 0),
      columnDirty_(clues.columns.size(), 0) {}

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
    if (!lineSolver_.solve(clues_.rows[row], line_)) return false;
    for (int column = 0; column < grid.width; ++column) {
        if (line_[column] != grid.at(column, row)) {
            grid.at(column, row) = line_[column];
            columnDirty_[column] = 1;
        }
    }
    return true;
}

bool Propagator::solveColumn(Grid& grid, int column) {
    line_.resize(grid.height);
    for (int row = 0; row < grid.height; ++row) line_[row] = grid.at(column, row);
    if (!lineSolver_.solve(clues_.columns[column], line_)) return false;
    for (int row = 0; row < grid.height; ++row) {
        if (line_[row] != grid.at(column, row)) {
            grid.at(column, row) = line_[row];
            rowDirty_[row] = 1;
        }
    }
    return true;
}

bool Propagator::run(Grid& grid) {
    // Rows and columns take turns, so each pass works on what the other
    // direction just found; a pass that finds no dirty line ends it.
    bool any = true;
    while (any) {
        any = false;
        for (int row = 0; row < grid.height; ++row) {
            if (!rowDirty_[row]) continue;
            rowDirty_[row] = 0;
            any = true;
            if (!solveRow(grid, row)) {
                contradicted_ = {true, row};
                return false;
            }
        }
        for (int column = 0; column < grid.width; ++column) {
            if (!columnDirty_[column]) continue;
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

ProbeOutcome probe(Grid& grid, Propagator& propagator, const Budget& budget) {
    // Trial grids reused for every probe: copying into them allocates nothing.
    Grid filled = grid, empty = grid;
    bool progress = true;
    while (progress) {
        progress = false;
        for (int row = 0; row < grid.height; ++row) {
            for (int column = 0; column < grid.width; ++column) {
                if (grid.at(column, row) != Cell::Unknown) continue;
                if (budget.timeIsUp()) return ProbeOutcome::OutOfBudget;
                filled.cells = grid.cells;
                filled.at(column, row) = Cell::Filled;
                const bool filledFits = propagator.propagateCell(filled, column, row);
                empty.cells = grid.cells;
                empty.at(column, row) = Cell::Empty;
                const bool emptyFits = propagator.propagateCell(empty, column, row);
                if (!filledFits && !emptyFits) return ProbeOutcome::Contradiction;
                if (filledFits && emptyFits) continue;
                // The trial grid that fits is fully propagated already.
                grid.cells = filledFits ? filled.cells : empty.cells;
                progress = true;
            }
        }
    }
    return grid.solved() ? ProbeOutcome::Solved : ProbeOutcome::Stuck;
}

}  // namespace mosarin::solver
