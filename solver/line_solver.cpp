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

bool LineSolver::solve(std::span<const int> clue, std::span<Cell> line) {
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
