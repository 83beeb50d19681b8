#pragma once
// The line solver: what one line's clue decides about its cells, given what
// is already known of them. Complete for a single line (it finds every cell
// on which all placements of the runs agree) in O(runs x cells) time, by
// reachability over prefixes and suffixes, never by listing placements.

#include <cstdint>
#include <span>
#include <vector>

namespace mosarin::solver {

enum class Cell : std::uint8_t { Unknown = 0, Empty = 1, Filled = 2 };

// A line's clue: the lengths of its runs of filled cells, in order, each >= 1.
// An empty clue means the whole line is empty.
using Clue = std::vector<int>;

// Reusable working memory, so that propagation over a grid allocates nothing
// per line. One per thread; not shared between threads.
class LineSolver {
public:
    // Decides every cell of `line` that the clue and the known cells force.
    // Returns false when no placement of the runs fits the known cells (or a
    // run is shorter than 1); `line` is then left as it was. Known cells are
    // never changed: a consistent line only gains decided cells.
    bool solve(std::span<const int> clue, std::span<Cell> line);

    // True when at least one placement of the runs fits the known cells.
    bool completable(std::span<const int> clue, std::span<const Cell> line);

    // For a cell that is filled in every placement (0 <= cell < line.size()),
    // the index of the one run that covers it in every placement, or -1 when
    // different placements cover it with different runs, when the cell can
    // be empty, or when the line is not completable. This is what lets a hint
    // say "every way of placing the 4 covers this cell".
    int onlyRunCovering(std::span<const int> clue, std::span<const Cell> line, int cell);

    static constexpr int kMaxMaskCells = 63;
    // solve() for a line of 1 to kMaxMaskCells cells given as bit masks (bit i of
    // `filled` or `empty` set when cell i is known so): the same reach
    // tables, one 64-bit word per run, built with shifts and additions
    // instead of cell by cell. False when no placement fits (or the line is
    // longer); otherwise bit i of `canFill` / `canEmpty` is set when some
    // placement fills / leaves empty cell i.
    bool solveMasks(std::span<const int> clue, int n, std::uint64_t filled, std::uint64_t empty,
                    std::uint64_t& canFill, std::uint64_t& canEmpty);

private:
    // Fills reach tables for the line; false when the clue cannot fit at all.
    bool computeReach(std::span<const int> clue, std::span<const Cell> line);
    // True when run `run` may start at `start` in some placement; needs computeReach.
    bool canStartAt(std::span<const int> clue, std::span<const Cell> line, int run, int start) const;

    int cells_ = 0;
    int runs_ = 0;
    std::vector<std::uint8_t> before_;   // [run][i]: runs 0..run-1 fit cells [0, i)
    std::vector<std::uint8_t> after_;    // [run][i]: runs run..end fit cells [i, n)
    std::vector<int> reversedClue_;
    std::vector<int> earliest_, latest_;   // [run]: first and last start the lengths allow
    std::vector<int> emptiesBefore_;     // known-empty cells in [0, i)
    std::vector<int> fillCover_;         // difference array of cells some run can cover
    std::vector<std::uint8_t> canEmpty_;
};

// Convenience forms over a fresh LineSolver, for callers outside hot loops.
bool solveLine(std::span<const int> clue, std::span<Cell> line);
bool lineCompletable(std::span<const int> clue, std::span<const Cell> line);

}  // namespace mosarin::solver
