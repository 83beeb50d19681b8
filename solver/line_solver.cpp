#include "solver/line_solver.h"

#include <algorithm>

namespace mosarin::solver {

// before_[run][i] is true when runs 0..run-1 can be placed inside cells
// [0, i) with every other cell of that prefix empty; after_[run][i] likewise
// for runs run..end inside [i, n). A run j fits at start s exactly when the
// prefix before its separator and the suffix after it are both reachable,
// which is what makes the line solver complete without listing placements.

bool LineSolver::computeReach(std::span<const int> clue, std::span<const Cell> line) {
    const int n = static_cast<int>(line.size());
    const int k = static_cast<int>(clue.size());
    cells_ = n;
    runs_ = k;
    int total = 0;
    for (int length : clue) {
        if (length < 1) return false;
        total += length;
    }
    if (total + std::max(k - 1, 0) > n) return false;

    emptiesBefore_.assign(static_cast<size_t>(n) + 1, 0);
    for (int i = 0; i < n; ++i) emptiesBefore_[i + 1] = emptiesBefore_[i] + (line[i] == Cell::Empty ? 1 : 0);
    auto noEmpty = [&](int from, int to) { return emptiesBefore_[to] == emptiesBefore_[from]; };

    const size_t stride = static_cast<size_t>(n) + 1;
    before_.assign(stride * (k + 1), 0);
    after_.assign(stride * (k + 1), 0);
    auto before = [&](int run, int i) -> std::uint8_t& { return before_[run * stride + i]; };
    auto after = [&](int run, int i) -> std::uint8_t& { return after_[run * stride + i]; };

    // Run r can only start within [earliest_[r], latest_[r]], whatever the
    // cells hold, so each table row is filled only over the indices that a
    // placement can use; the rest stays 0, which is never read as reachable
    // against a true entry of the other table. On long lines with many runs
    // this skips most of the work.
    earliest_.resize(static_cast<size_t>(k) + 1);
    latest_.resize(static_cast<size_t>(k) + 1);
    earliest_[0] = 0;
    for (int run = 0; run < k; ++run) earliest_[run + 1] = earliest_[run] + clue[run] + 1;
    latest_[k] = n + 1;
    for (int run = k - 1; run >= 0; --run) latest_[run] = latest_[run + 1] - clue[run] - 1;
    // before(run, i) matters for i in [prefixEnd(run), latest_[run] - 1]
    // (up to n for the last), after(run, i) for i in [earliest_[run], latest_[run]].
    auto prefixEnd = [&](int run) { return run == 0 ? 0 : earliest_[run] - 1; };

    before(0, 0) = 1;
    for (int run = 0; run <= k; ++run) {
        const int last = run == k ? n : latest_[run] - 1;
        for (int i = std::max(1, prefixEnd(run)); i <= last; ++i) {
            bool reach = before(run, i - 1) && line[i - 1] != Cell::Filled;
            if (!reach && run > 0) {
                const int start = i - clue[run - 1];
                if (start >= 0 && noEmpty(start, i)) {
                    reach = start == 0 ? before(run - 1, 0)
                                       : line[start - 1] != Cell::Filled && before(run - 1, start - 1);
                }
            }
            before(run, i) = reach;
        }
    }
    if (!before(k, n)) return false;

    after(k, n) = 1;
    for (int run = k; run >= 0; --run) {
        const int first = run == k ? n - 1 : std::min(latest_[run], n - 1);
        for (int i = first; i >= earliest_[run]; --i) {
            bool reach = after(run, i + 1) && line[i] != Cell::Filled;
            if (!reach && run < k) {
                const int end = i + clue[run];
                if (end <= n && noEmpty(i, end)) {
                    reach = end == n ? after(run + 1, n) : line[end] != Cell::Filled && after(run + 1, end + 1);
                }
            }
            after(run, i) = reach;
        }
    }
    return true;
}

inline bool LineSolver::canStartAt(std::span<const int> clue, std::span<const Cell> line, int run, int start) const {
    const int n = cells_;
    const int end = start + clue[run];
    if (start < 0 || end > n) return false;
    if (emptiesBefore_[end] != emptiesBefore_[start]) return false;
    const size_t stride = static_cast<size_t>(n) + 1;
    const bool prefix = start == 0 ? run == 0
                                   : line[start - 1] != Cell::Filled && before_[run * stride + start - 1];
    if (!prefix) return false;
    return end == n ? run + 1 == runs_ : line[end] != Cell::Filled && after_[(run + 1) * stride + end + 1];
}

namespace {

// Bit i of a mask stands for cell (or boundary) i of a line. Lines of up to
// LineSolver::kMaxMaskCells cells fit every boundary 0..n in one 64-bit word.

std::uint64_t lowBits(int count) { return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1; }

// Bit s set when bits s .. s + length - 1 of `mask` are all set.
std::uint64_t runsOfOnes(std::uint64_t mask, int length) {
    for (int covered = 1; covered < length;) {
        const int shift = std::min(covered, length - covered);
        mask &= mask >> shift;
        covered += shift;
    }
    return mask;
}

// Bits s .. s + length - 1 set for every bit s of `starts`.
std::uint64_t spread(std::uint64_t starts, int length) {
    for (int covered = 1; covered < length;) {
        const int shift = std::min(covered, length - covered);
        starts |= starts << shift;
        covered += shift;
    }
    return starts;
}

std::uint64_t reversed(std::uint64_t x) {
    x = ((x >> 1) & 0x5555555555555555ull) | ((x & 0x5555555555555555ull) << 1);
    x = ((x >> 2) & 0x3333333333333333ull) | ((x & 0x3333333333333333ull) << 2);
    x = ((x >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((x & 0x0F0F0F0F0F0F0F0Full) << 4);
    x = ((x >> 8) & 0x00FF00FF00FF00FFull) | ((x & 0x00FF00FF00FF00FFull) << 8);
    x = ((x >> 16) & 0x0000FFFF0000FFFFull) | ((x & 0x0000FFFF0000FFFFull) << 16);
    return (x >> 32) | (x << 32);
}

// reach[r], bit i: runs 0 .. r-1 of `clue` fit cells [0, i) with every other
// cell of that prefix empty (the same table as before_, one word a run).
// notFilled and notEmpty have bit c set when cell c may be empty or filled.
void prefixReach(std::span<const int> clue, int n, std::uint64_t notFilled, std::uint64_t notEmpty,
                 std::uint64_t* reach) {
    // From each set boundary, a prefix can be extended over cells that may be
    // empty: one addition carries a set bit across a block of such cells.
    auto extend = [&](std::uint64_t seeds) { return seeds | ((notFilled + (seeds & notFilled)) ^ notFilled); };
    const std::uint64_t boundaries = lowBits(n + 1);
    reach[0] = extend(1) & boundaries;
    for (size_t run = 0; run < clue.size(); ++run) {
        const int length = clue[run];
        // A run may start at s when the prefix before it reaches s - 1 and cell
        // s - 1 may be empty (or s is 0 and it is the first run), and none of
        // its cells must be empty.
        const std::uint64_t starts = (((reach[run] & notFilled) << 1) | (run == 0 ? 1 : 0)) & runsOfOnes(notEmpty, length);
        reach[run + 1] = extend(starts << length) & boundaries;
    }
}

}  // namespace

bool LineSolver::solveMasks(std::span<const int> clue, int n, std::uint64_t filled, std::uint64_t empty,
                            std::uint64_t& canFill, std::uint64_t& canEmpty) {
    if (n < 1 || n > kMaxMaskCells) return false;
    int total = 0;
    for (const int length : clue) {
        if (length < 1) return false;
        total += length;
    }
    const int k = static_cast<int>(clue.size());
    if (total + std::max(k - 1, 0) > n) return false;
    const std::uint64_t cells = lowBits(n);
    const std::uint64_t notFilled = ~filled & cells, notEmpty = ~empty & cells;
    // before[r] as in prefixReach; after[r], bit i: runs r .. k-1 fit cells
    // [i, n), found as the prefix reach of the mirrored line and clue.
    std::uint64_t before[kMaxMaskCells + 2], mirrored[kMaxMaskCells + 2], after[kMaxMaskCells + 2];
    prefixReach(clue, n, notFilled, notEmpty, before);
    if (!((before[k] >> n) & 1)) return false;
    reversedClue_.assign(clue.rbegin(), clue.rend());
    const int flip = 64 - n;   // a mirrored cell mask, reversed, lands this far up
    prefixReach(reversedClue_, n, reversed(notFilled) >> flip, reversed(notEmpty) >> flip, mirrored);
    for (int run = 0; run <= k; ++run) after[run] = reversed(mirrored[k - run]) >> (63 - n);

    canFill = 0;
    canEmpty = 0;
    for (int run = 0; run <= k; ++run) canEmpty |= before[run] & (after[run] >> 1);
    for (int run = 0; run < k; ++run) {
        const int length = clue[static_cast<std::size_t>(run)];
        const std::uint64_t prefixFits = ((before[run] & notFilled) << 1) | (run == 0 ? 1 : 0);
        // The cell after the run may be empty and the rest fits behind it, or
        // the run ends the line and is the last.
        std::uint64_t suffixFits = (notFilled & (after[run + 1] >> 1) & cells) >> length;
        if (run + 1 == k && n >= length) suffixFits |= std::uint64_t{1} << (n - length);
        const std::uint64_t starts = prefixFits & runsOfOnes(notEmpty, length) & suffixFits;
        canFill |= spread(starts, length);
    }
    canFill &= cells;
    canEmpty &= cells;
    return true;
}

bool LineSolver::solve(std::span<const int> clue, std::span<Cell> line) {
    if (static_cast<int>(line.size()) <= kMaxMaskCells && !line.empty()) {
        std::uint64_t filled = 0, empty = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == Cell::Filled) filled |= std::uint64_t{1} << i;
            if (line[i] == Cell::Empty) empty |= std::uint64_t{1} << i;
        }
        std::uint64_t canFill = 0, canEmpty = 0;
        if (!solveMasks(clue, static_cast<int>(line.size()), filled, empty, canFill, canEmpty)) return false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != Cell::Unknown) continue;
            if (!((canFill >> i) & 1)) line[i] = Cell::Empty;
            else if (!((canEmpty >> i) & 1)) line[i] = Cell::Filled;
        }
        return true;
    }
    if (!computeReach(clue, line)) return false;
    const int n = cells_;
    const int k = runs_;
    const size_t stride = static_cast<size_t>(n) + 1;

    fillCover_.assign(static_cast<size_t>(n) + 1, 0);
    for (int run = 0; run < k; ++run) {
        // canStartAt, with what depends only on the run taken out of the loop.
        const int length = clue[run];
        const std::uint8_t* prefix = before_.data() + run * stride;
        const std::uint8_t* suffix = after_.data() + (run + 1) * stride;
        const bool last = run + 1 == k;
        for (int start = earliest_[run]; start <= latest_[run]; ++start) {
            const int end = start + length;
            if (emptiesBefore_[end] != emptiesBefore_[start]) continue;
            if (start == 0 ? run != 0 : line[start - 1] == Cell::Filled || !prefix[start - 1]) continue;
            if (end == n ? !last : line[end] == Cell::Filled || !suffix[end + 1]) continue;
            ++fillCover_[start];
            --fillCover_[end];
        }
    }
    canEmpty_.assign(static_cast<size_t>(n), 0);
    // Cell i can be empty when the runs before some gap fit in front of it
    // and the rest behind it.
    for (int run = 0; run <= k; ++run) {
        const int from = run == 0 ? 0 : earliest_[run] - 1;
        const int to = run == k ? n - 1 : latest_[run] - 1;
        for (int i = from; i <= to; ++i) {
            if (before_[run * stride + i] && after_[run * stride + i + 1]) canEmpty_[i] = 1;
        }
    }
    int cover = 0;
    for (int i = 0; i < n; ++i) {
        cover += fillCover_[i];
        if (line[i] != Cell::Unknown) continue;
        // The line is completable, so every cell can be one or the other.
        if (cover == 0) line[i] = Cell::Empty;
        else if (!canEmpty_[i]) line[i] = Cell::Filled;
    }
    return true;
}

bool LineSolver::completable(std::span<const int> clue, std::span<const Cell> line) {
    return computeReach(clue, line);
}

int LineSolver::onlyRunCovering(std::span<const int> clue, std::span<const Cell> line, int cell) {
    const int n = static_cast<int>(line.size());
    if (cell < 0 || cell >= n || !computeReach(clue, line)) return -1;
    const size_t stride = static_cast<size_t>(n) + 1;
    for (int run = 0; run <= runs_; ++run) {
        if (line[cell] != Cell::Filled && before_[run * stride + cell] && after_[run * stride + cell + 1]) return -1;
    }
    int found = -1;
    for (int run = 0; run < runs_; ++run) {
        const int first = std::max(0, cell - clue[run] + 1);
        for (int start = first; start <= cell; ++start) {
            if (!canStartAt(clue, line, run, start)) continue;
            if (found != -1) return -1;
            found = run;
            break;
        }
    }
    return found;
}

bool solveLine(std::span<const int> clue, std::span<Cell> line) {
    LineSolver solver;
    return solver.solve(clue, line);
}

bool lineCompletable(std::span<const int> clue, std::span<const Cell> line) {
    LineSolver solver;
    return solver.completable(clue, line);
}

}  // namespace mosarin::solver
