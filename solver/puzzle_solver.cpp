#include "solver/puzzle_solver.h"

#include <climits>

#include "solver/clause_race.h"

namespace mosarin::solver {

namespace {

// Depth-first search over probed grids, counting solutions up to two, that
// can stop after a number of nodes and hand back what it left unsearched.
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
        if (nodes_ >= nodeLimit_) {
            // Put aside what is left to search: the branches above that are
            // still untried, and this grid, so a later search resumes here.
            suspended_ = true;
            leftOver_ = path_;
            leftOver_.push_back({grid, -1, -1});
            return false;
        }
        if (result_.nodes >= budget_.maxNodes || budget_.timeIsUp()) return false;
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
    // A subtree still to search: a propagated grid in which the branch
    // cell (column, row) was just set and is still to be followed; column
    // -1 when there is none.
    struct Branch {
        Grid grid;
        int column = -1, row = -1;
    };
    // After explore() returned false: whether the node limit (not the
    // budget) stopped it, and then every subtree still to be searched, the
    // shallowest first (the last one is the grid where it stopped, not yet probed).
    bool suspended() const { return suspended_; }
    std::vector<Branch>& leftOver() { return leftOver_; }

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
    int wanted_ = 2;
    std::int64_t nodeLimit_ = INT64_MAX, nodes_ = 0;
    std::vector<Branch> path_, leftOver_;
    bool suspended_ = false;
    std::vector<int> rowUnknowns_, columnUnknowns_;
};

// Searches the open subtrees in passes, each with a node limit; a subtree
// that is not finished within it leaves its untried branches for the next
// pass, so nothing is searched twice. A plain depth-first search can sink
// its whole budget into one large subtree without a solution while a small
// one beside it holds one (on some 40 x 30 bands it never got out within
// 10 s); taking the open subtrees in turn spends the time more evenly.
// The search starts as a plain depth-first search, which finds most
// solutions that are there to find within a few hundred nodes (random
// pictures, most bands); only then do the subtrees take turns. Each turn is
// short at first, then twice as long each pass, so that a large search does
// not drown in bookkeeping. Found by trying on 40 x 30 bands and random
// pictures: turns from the start, or of a fixed length, left more of them
// undecided or slower; the outcome on the hardest ones varies with these
// numbers, so they are a compromise, not an optimum.
constexpr std::int64_t kNodesBeforeTurns = 256;
constexpr std::int64_t kNodesPerTurn = 16;
constexpr std::int64_t kTurnGrowth = 2;

Verdict searchInTurns(std::vector<Search::Branch> open, int found, Propagator& propagator, const Budget& budget,
                      SolveResult& result) {
    for (std::int64_t nodeLimit = kNodesPerTurn * kTurnGrowth; !open.empty(); nodeLimit *= kTurnGrowth) {
        std::vector<Search::Branch> next;
        // The deepest first: the last ones added are the smallest.
        for (auto branch = open.rbegin(); branch != open.rend(); ++branch) {
            Grid& grid = branch->grid;
            if (branch->column >= 0 && !propagator.propagateCell(grid, branch->column, branch->row)) {
                if (propagator.interrupted()) return Verdict::Undecided;
                continue;   // no grid fits this branch
            }
            Search search(propagator, budget, result, found, 2, nodeLimit);
            const bool finished = search.explore(grid, false, {});
            found = search.found();
            if (found >= 2) return Verdict::Multiple;
            if (finished) continue;
            if (!search.suspended()) return Verdict::Undecided;
            for (Search::Branch& rest : search.leftOver()) next.push_back(std::move(rest));
        }
        open = std::move(next);
    }
    return found == 1 ? Verdict::Unique : Verdict::None;
}

// The whole search from the probed root: depth-first for a while, then in turns.
Verdict search(Grid& root, ProbeChoice choice, Propagator& propagator, const Budget& budget, SolveResult& result) {
    Search first(propagator, budget, result, 0, 2, kNodesBeforeTurns);
    const bool finished = first.explore(root, true, choice);
    if (first.found() >= 2) return Verdict::Multiple;
    if (finished) return first.found() == 1 ? Verdict::Unique : Verdict::None;
    if (!first.suspended()) return Verdict::Undecided;
    return searchInTurns(std::move(first.leftOver()), first.found(), propagator, budget, result);
}

// The search racing the clause check (on a thread of its own, from the
// probed `root`): the verdict of whichever decides first; when neither does
// in time but each found a different solution, several.
Verdict searchBesideClauses(Grid& root, ProbeChoice choice, const Clues& clues, Propagator& propagator,
                            const Budget& budget, SolveResult& result) {
    ClauseRace clauses(clues, root, budget);
    Budget searchBudget = budget;
    searchBudget.overtaken = &clauses.decided();
    propagator.setBudget(&searchBudget);
    const Verdict verdict = search(root, choice, propagator, searchBudget, result);
    propagator.setBudget(&budget);
    SolveResult fromClauses;
    const Verdict clauseVerdict = clauses.finish(fromClauses);
    if (verdict != Verdict::Undecided) return verdict;
    if (clauseVerdict != Verdict::Undecided) {
        result.solution = fromClauses.solution;
        result.otherSolution = fromClauses.otherSolution;
        return clauseVerdict;
    }
    const Grid* other = clauses.firstSolution();
    if (other && !result.solution.cells.empty() && *other != result.solution) {
        result.otherSolution = *other;
        return Verdict::Multiple;
    }
    return Verdict::Undecided;
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
    // The root is probed already; the search starts from that probe's choice.
    // A node limit asks for a verdict that does not depend on the machine's
    // speed or its cores: the search alone.
    if (budget.maxNodes != INT64_MAX) result.verdict = search(grid, choice, propagator, budget, result);
    else result.verdict = searchBesideClauses(grid, choice, clues, propagator, budget, result);
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
