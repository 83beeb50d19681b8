#pragma once
// Line logic over a whole grid: every line whose cells changed is solved
// again until nothing more follows, and probing on top of it.

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/grid.h"
#include "solver/line_cache.h"

namespace mosarin::solver {

// How long the solver may work. Whichever limit is reached first stops it.
struct Budget {
    std::int64_t maxNodes = INT64_MAX;   // search nodes (branch decisions) at most
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    const std::atomic<bool>* cancel = nullptr;   // set by another thread to stop early
    // Set when another solver working on the same puzzle beside this one
    // has decided it: stops this one as a cancel does.
    const std::atomic<bool>* overtaken = nullptr;

    // The flags alone: relaxed loads, cheap enough for every line solve.
    bool cancelled() const {
        return (cancel && cancel->load(std::memory_order_relaxed)) ||
               (overtaken && overtaken->load(std::memory_order_relaxed));
    }
    // The flag and the clock.
    bool timeIsUp() const;
    static Budget forSeconds(double seconds, const std::atomic<bool>* cancel = nullptr);
};

// Solves lines against one set of clues. Keeps its line buffers between
// calls; one per thread. The clues must outlive it.
class Propagator {
public:
    // `cacheEntries` sizes the line cache; 0 picks a size for a long search
    // on these clues, a short job (a hint) does better with a small one.
    explicit Propagator(const Clues& clues, int cacheEntries = 0);

    const Clues& clues() const { return clues_; }

    // With a budget, a propagation looks at its cancel flag before every
    // line solve and at the clock every few, and stops (returning false,
    // with interrupted() true) once either says so: a cancel reaches even a
    // long propagation within one line solve, a few microseconds. A false return means a contradiction only when
    // interrupted() is false. The budget must outlive its use here.
    void setBudget(const Budget* budget) { budget_ = budget; }
    bool interrupted() const { return interrupted_; }
    const LineCache& cache() const { return cache_; }

    // Solves every line, then every line whose cells changed, until nothing
    // changes. False on a contradiction (the grid is then partly updated).
    bool propagateAll(Grid& grid);
    // The same, starting only from the row and column of one cell just set.
    bool propagateCell(Grid& grid, int column, int row);
    // The same, starting from the rows and columns whose bits are set (the
    // first 64 of each).
    bool propagateLines(Grid& grid, std::uint64_t rows, std::uint64_t columns);
    // The same, starting from the rows and columns of the cells just set
    // (indices into `grid.cells`); `cells` is read before anything is solved,
    // so it may be the list that recordChanges() appends to.
    bool propagateCells(Grid& grid, std::span<const int> cells);

    // The line that could not be completed when the last propagation
    // returned false, so that a hint can say where a trial went wrong.
    // Meaningless after a propagation that succeeded.
    struct Line {
        bool isRow = true;
        int index = -1;   // 0-based row or column
    };
    Line contradictedLine() const { return contradicted_; }

    // While set, every cell a propagation decides is appended to `changed`
    // (as row * width + column), so that a caller can look at those cells
    // alone instead of the whole grid. nullptr stops the recording.
    void recordChanges(std::vector<int>* changed) { changed_ = changed; }

private:
    bool run(Grid& grid);
    // Solves row or column `index` of the grid, marking the crossing lines
    // of every cell it decides as dirty. False when the line cannot be completed.
    bool solveLineOf(Grid& grid, bool isRow, int index);

    const Clues& clues_;
    LineSolver lineSolver_;
    LineCache cache_;
    const Budget* budget_ = nullptr;
    bool interrupted_ = false;
    std::vector<Cell> line_;
    std::vector<int>* changed_ = nullptr;
    // A set of line numbers, one bit each, so that a pass visits the lines
    // in it without looking at every other line.
    class LineSet {
    public:
        explicit LineSet(int lines) : words_((lines + 63) / 64, 0) {}
        void clear() { std::fill(words_.begin(), words_.end(), 0); }
        void insert(int line) { words_[line >> 6] |= std::uint64_t{1} << (line & 63); }
        // The smallest line >= from, taken out of the set; -1 when there is none.
        int takeFrom(int from) {
            for (std::size_t word = static_cast<std::size_t>(from) >> 6; word < words_.size(); ++word) {
                std::uint64_t bits = words_[word];
                if (word == static_cast<std::size_t>(from) >> 6) bits &= ~std::uint64_t{0} << (from & 63);
                if (bits == 0) continue;
                const int bit = std::countr_zero(bits);
                words_[word] &= ~(std::uint64_t{1} << bit);
                return static_cast<int>(word) * 64 + bit;
            }
            return -1;
        }

    private:
        std::vector<std::uint64_t> words_;
    };
    LineSet rowDirty_, columnDirty_;
    Line contradicted_;
};

enum class ProbeOutcome { Solved, Stuck, Contradiction, OutOfBudget };

// What the last round of a stuck probe saw: the cell whose two trials both
// decided most, the best one to branch on.
struct ProbeChoice {
    int column = -1, row = -1;   // -1 when no cell was tried both ways
    Cell first = Cell::Filled;   // the value to try first
};

// Which unknown cells a probe tries: all, or only those with at least two
// decided neighbours (far cheaper, and where contradictions mostly are).
enum class ProbeScope { EveryCell, BesideKnownCells };
// True when at least two of the cell's four neighbours are decided (the
// border counts as decided): such cells sit at the edge of what is known,
// where a trial most often runs into a contradiction.
bool besideKnownCells(const Grid& grid, int column, int row);

// Tries each unknown cell both ways with propagation: when one way leads to
// a contradiction the cell takes the other value, and a cell that both ways
// decide alike takes that value. Repeats until the grid is solved or a round
// decides nothing more. Within a round, a trial whose value an earlier fitting
// trial already implied is skipped: it is contained in that trial, so it
// cannot fail. The grid must already be propagated. With `choice`, a Stuck
// outcome also names the cell to branch on.
ProbeOutcome probe(Grid& grid, Propagator& propagator, const Budget& budget, ProbeChoice* choice = nullptr,
                   ProbeScope scope = ProbeScope::EveryCell);

}  // namespace mosarin::solver
