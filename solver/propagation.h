#pragma once
// Line logic over a whole grid: every line whose cells changed is solved
// again until nothing more follows, and probing on top of it.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "solver/grid.h"

namespace mosarin::solver {

// How long the solver may work. Whichever limit is reached first stops it.
struct Budget {
    std::int64_t maxNodes = INT64_MAX;   // search nodes (branch decisions) at most
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    const std::atomic<bool>* cancel = nullptr;   // set by another thread to stop early

    bool timeIsUp() const;
    static Budget forSeconds(double seconds, const std::atomic<bool>* cancel = nullptr);
};

// Solves lines against one set of clues. Keeps its line buffers between
// calls; one per thread. The clues must outlive it.
class Propagator {
public:
    explicit Propagator(const Clues& clues);

    const Clues& clues() const { return clues_; }

    // Solves every line, then every line whose cells changed, until nothing
    // changes. False on a contradiction (the grid is then partly updated).
    bool propagateAll(Grid& grid);
    // The same, starting only from the row and column of one cell just set.
    bool propagateCell(Grid& grid, int column, int row);
    // The same, starting from the lines in which `grid` differs from `before`.
    bool propagateChanged(Grid& grid, const Grid& before);

    // The line that could not be completed when the last propagation
    // returned false, so that a hint can say where a trial went wrong.
    // Meaningless after a propagation that succeeded.
    struct Line {
        bool isRow = true;
        int index = -1;   // 0-based row or column
    };
    Line contradictedLine() const { return contradicted_; }

private:
    bool run(Grid& grid);
    bool solveRow(Grid& grid, int row);
    bool solveColumn(Grid& grid, int column);

    const Clues& clues_;
    LineSolver lineSolver_;
    std::vector<Cell> line_;
    std::vector<std::uint8_t> rowDirty_, columnDirty_;
    Line contradicted_;
};

enum class ProbeOutcome { Solved, Stuck, Contradiction, OutOfBudget };

// Tries each unknown cell both ways with propagation: when one way leads to
// a contradiction the cell takes the other value. Repeats until the grid is solved or no probe decides
// anything more. The grid must already be propagated.
ProbeOutcome probe(Grid& grid, Propagator& propagator, const Budget& budget);

}  // namespace mosarin::solver
