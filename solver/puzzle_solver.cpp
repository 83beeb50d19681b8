#include "solver/puzzle_solver.h"

#include <algorithm>
#include <climits>

namespace mosarin::solver {

namespace {

// Depth-first search over probed grids, counting solutions up to two.
// Every node is probed to a standstill before it branches: each trial that
// breaks a line becomes a fact of that node, which keeps the tree small on
// pictures that line logic alone leaves wide open.
class Search {
public:
    // `alreadyFound` solutions are known before this search starts; it
    // stops once it has seen `wanted` in all. `nodeLimit` bounds this
    // search alone (the budget's node limit counts every search).
    Search(Propagator& propagator, const Budget& budget, SolveResult& result, int alreadyFound = 0, int wanted = 2,
           std::int64_t nodeLimit = INT64_MAX)
        : propagator_(propagator), budget_(budget), result_(result), found_(alreadyFound), wanted_(wanted),
          nodeLimit_(nodeLimit) {}

    // `grid` is propagated; with `probed`, also probed to a standstill, and
    // `choice` is what that probe named. Returns false when the budget
    // stopped the search.
    bool explore(Grid& grid, bool probed, ProbeChoice choice) {
        if (found_ >= wanted_) return true;
        if (nodes_ >= nodeLimit_ || result_.nodes >= budget_.maxNodes || budget_.timeIsUp()) return false;
        ++result_.nodes;
        ++nodes_;
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
        const Cell second = choice.first == Cell::Filled ? Cell::Empty : Cell::Filled;
        for (Cell value : {choice.first, second}) {
            Grid trial = grid;
            trial.at(column, row) = value;
            if (!propagator_.propagateCell(trial, column, row)) {
                if (propagator_.interrupted()) return false;
                continue;
            }
            // While the first value's subtree is searched, the second one is still untried.
            const bool untriedBeside = value == choice.first;
            if (untriedBeside) {
                path_.push_back({grid, column, row});
                path_.back().grid.at(column, row) = second;
            }
            const bool finished = explore(trial, false, {});
            if (untriedBeside) path_.pop_back();
            if (!finished) return false;
            if (found_ >= wanted_) return true;
        }
        return true;
    }

    int found() const { return found_; }
    // A grid that is propagated except for its branch cell, just set.
    struct Branch {
        Grid grid;
        int column = -1, row = -1;
    };
    // When the first solution was found: the branches its path left untried.
    std::vector<Branch> untriedBranches() const { return untried_; }

private:
    void recordSolution(const Grid& grid) {
        (found_ == 0 ? result_.solution : result_.otherSolution) = grid;
        if (found_ == 0) untried_ = path_;
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
    int wanted_ = 2;
    std::int64_t nodeLimit_ = INT64_MAX, nodes_ = 0;
    std::vector<Branch> path_, untried_;
    std::vector<int> rowUnknowns_, columnUnknowns_;
};

// With one solution known, the rest of the search space is the branches
// that the path to it left untried: at each branch cell, the subtree of the
// value the solution lacks. Each such subtree either holds a second solution
// or none. A depth-first search would finish them deepest first, each to its
// end, so one large subtree without a solution can keep it from ever
// reaching a small one with the second solution higher up (on some 40 x 30
// bands it never did within 10 s). Here every open subtree is searched with
// a node limit that grows by a large factor each pass: the small subtrees
// are done in the first pass just as a depth-first search would do them,
// and a large one costs at most 1/15 more for being started again.
constexpr std::int64_t kFirstNodeLimit = 64;
constexpr std::int64_t kNodeLimitGrowth = 16;

Verdict searchOtherBranches(std::vector<Search::Branch> open, Propagator& propagator, const Budget& budget,
                            SolveResult& result) {
    for (Search::Branch& branch : open) {
        if (propagator.propagateCell(branch.grid, branch.column, branch.row)) continue;
        if (propagator.interrupted()) return Verdict::Undecided;
        branch.column = -1;   // no grid fits this branch
    }
    std::erase_if(open, [](const Search::Branch& branch) { return branch.column < 0; });
    // Deepest first, as a depth-first search would: the deepest are the smallest.
    std::reverse(open.begin(), open.end());
    for (std::int64_t nodeLimit = kFirstNodeLimit; !open.empty(); nodeLimit *= kNodeLimitGrowth) {
        std::vector<Search::Branch> stillOpen;
        for (Search::Branch& branch : open) {
            Search other(propagator, budget, result, 1, 2, nodeLimit);
            Grid grid = branch.grid;
            const bool exhausted = other.explore(grid, false, {});
            if (other.found() >= 2) return Verdict::Multiple;
            if (exhausted) continue;
            if (budget.timeIsUp() || result.nodes >= budget.maxNodes) return Verdict::Undecided;
            stillOpen.push_back(std::move(branch));
        }
        open = std::move(stillOpen);
    }
    return Verdict::Unique;
}

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
    // First any one solution, by a plain depth-first search.
    Search first(propagator, budget, result, 0, 1);
    const bool finished = first.explore(grid, true, choice);
    if (first.found() == 0) {
        result.verdict = finished ? Verdict::None : Verdict::Undecided;
    } else {
        result.verdict = searchOtherBranches(first.untriedBranches(), propagator, budget, result);
    }
    result.lineSolves = propagator.cache().hits() + propagator.cache().misses();
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
