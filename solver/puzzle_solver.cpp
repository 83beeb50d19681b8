#include "solver/puzzle_solver.h"

#include <climits>

namespace mosarin::solver {

namespace {

// Depth-first search over probed grids, counting solutions up to two.
// Every node is probed to a standstill before it branches: each trial that
// breaks a line becomes a fact of that node, which keeps the tree small on
// pictures that line logic alone leaves wide open.
class Search {
public:
    Search(Propagator& propagator, const Budget& budget, SolveResult& result)
        : propagator_(propagator), budget_(budget), result_(result) {}

    // `grid` is propagated; with `probed`, also probed to a standstill, and
    // `choice` is what that probe named. Returns false when the budget
    // stopped the search.
    bool explore(Grid& grid, bool probed, ProbeChoice choice) {
        if (found_ >= 2) return true;
        if (result_.nodes >= budget_.maxNodes || budget_.timeIsUp()) return false;
        ++result_.nodes;
        if (!probed) {
            switch (probe(grid, propagator_, budget_, &choice, ProbeScope::BesideKnownCells)) {
            case ProbeOutcome::OutOfBudget: return false;
            case ProbeOutcome::Contradiction: return true;
            case ProbeOutcome::Solved: recordSolution(grid); return true;
            case ProbeOutcome::Stuck: break;
            }
        }
        if (choice.column < 0) {
            const auto [column, row] = branchCell(grid);
            if (column < 0) {
                recordSolution(grid);
                return true;
            }
            choice = {column, row};
        }
        const int column = choice.column, row = choice.row;
        for (Cell value : {Cell::Filled, Cell::Empty}) {
            Grid trial = grid;
            trial.at(column, row) = value;
            if (!propagator_.propagateCell(trial, column, row)) {
                if (propagator_.interrupted()) return false;
                continue;
            }
            if (!explore(trial, false, {})) return false;
            if (found_ >= 2) return true;
        }
        return true;
    }

    int found() const { return found_; }

private:
    void recordSolution(const Grid& grid) {
        (found_ == 0 ? result_.solution : result_.otherSolution) = grid;
        ++found_;
    }

    // The unknown cell whose row and column have the fewest unknowns: the
    // most constrained choice, whose either value propagates furthest.
    std::pair<int, int> branchCell(const Grid& grid) {
        rowUnknowns_.assign(grid.height, 0);
        columnUnknowns_.assign(grid.width, 0);
        for (int row = 0; row < grid.height; ++row) {
            for (int column = 0; column < grid.width; ++column) {
                if (grid.at(column, row) == Cell::Unknown) {
                    ++rowUnknowns_[row];
                    ++columnUnknowns_[column];
                }
            }
        }
        std::pair<int, int> best{-1, -1};
        int bestScore = INT_MAX;
        for (int row = 0; row < grid.height; ++row) {
            if (rowUnknowns_[row] == 0) continue;
            for (int column = 0; column < grid.width; ++column) {
                if (grid.at(column, row) != Cell::Unknown) continue;
                const int score = rowUnknowns_[row] + columnUnknowns_[column];
                if (score < bestScore) {
                    bestScore = score;
                    best = {column, row};
                }
            }
        }
        return best;
    }

    Propagator& propagator_;
    const Budget& budget_;
    SolveResult& result_;
    int found_ = 0;
    std::vector<int> rowUnknowns_, columnUnknowns_;
};

}  // namespace

SolveResult solvePuzzle(const Clues& clues, const Budget& budget) {
    SolveResult result;
    Grid grid(clues.width(), clues.height());
    Propagator propagator(clues);
    propagator.setBudget(&budget);

    result.grade = Grade::LineLogic;
    if (!propagator.propagateAll(grid)) {
        result.verdict = propagator.interrupted() ? Verdict::Undecided : Verdict::None;
        return result;
    }
    if (grid.solved()) {
        result.verdict = Verdict::Unique;
        result.solution = grid;
        return result;
    }

    result.grade = Grade::Probing;
    ProbeChoice choice;
    switch (probe(grid, propagator, budget, &choice)) {
    case ProbeOutcome::Solved:
        result.verdict = Verdict::Unique;
        result.solution = grid;
        return result;
    case ProbeOutcome::Contradiction:
        result.verdict = Verdict::None;
        return result;
    case ProbeOutcome::OutOfBudget:
        result.verdict = Verdict::Undecided;
        return result;
    case ProbeOutcome::Stuck:
        break;
    }

    result.grade = Grade::Search;
    Search search(propagator, budget, result);
    const bool finished = search.explore(grid, true, choice);
    if (search.found() >= 2) result.verdict = Verdict::Multiple;
    else if (!finished) result.verdict = Verdict::Undecided;
    else result.verdict = search.found() == 1 ? Verdict::Unique : Verdict::None;
    return result;
}

std::vector<std::pair<int, int>> differingCells(const Grid& a, const Grid& b) {
    std::vector<std::pair<int, int>> cells;
    if (a.width != b.width || a.height != b.height) return cells;
    for (int row = 0; row < a.height; ++row) {
        for (int column = 0; column < a.width; ++column) {
            if (a.at(column, row) != b.at(column, row)) cells.emplace_back(column, row);
        }
    }
    return cells;
}

const char* verdictName(Verdict verdict) {
    switch (verdict) {
    case Verdict::Unique: return "unique";
    case Verdict::Multiple: return "multiple";
    case Verdict::None: return "none";
    case Verdict::Undecided: return "undecided";
    }
    return "undecided";
}

const char* gradeName(Grade grade) {
    switch (grade) {
    case Grade::LineLogic: return "line logic";
    case Grade::Probing: return "probing";
    case Grade::Search: return "search";
    }
    return "search";
}

}  // namespace mosarin::solver
