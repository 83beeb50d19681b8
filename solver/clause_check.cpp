#include "solver/clause_check.h"

namespace mosarin::solver {

ClauseCheck::ClauseCheck(const Clues& clues, const Grid& known, const Budget& budget)
    : width_(clues.width()), height_(clues.height()) {
    // Variables 0 .. width x height - 1 are the cells, row by row, true when filled.
    for (int cell = 0; cell < width_ * height_; ++cell) solver_.addVariable();
    // A line takes a few tens of microseconds; a cancel is looked at between them.
    for (int row = 0; row < height_ && complete_; ++row) {
        encodeLine(clues.rows[static_cast<std::size_t>(row)], row * width_, 1, width_);
        complete_ = !budget.cancelled();
    }
    for (int column = 0; column < width_ && complete_; ++column) {
        encodeLine(clues.columns[static_cast<std::size_t>(column)], column, width_, height_);
        complete_ = !budget.cancelled();
    }
    // Each known cell propagates as it is added, a row's worth between looks.
    for (int cell = 0; cell < width_ * height_ && complete_; ++cell) {
        const Cell value = known.cells[static_cast<std::size_t>(cell)];
        if (value != Cell::Unknown) {
            const Literal unit = value == Cell::Filled ? isTrue(cell) : isFalse(cell);
            solver_.addClause({&unit, 1});
        }
        if (cell % width_ == width_ - 1) complete_ = !budget.cancelled();
    }
}

namespace {

// A literal that may also be a constant, for the bounds of a run's starts.
constexpr Literal kAlways = -2, kNever = -3;
Literal negated(Literal literal) {
    if (literal == kAlways) return kNever;
    if (literal == kNever) return kAlways;
    return negation(literal);
}

}  // namespace

// Per run, one variable per start it may take but the last: "the run starts
// at this cell or before". Runs keep their order and gaps; a cell a run
// covers is filled; a filled cell lies neither before the first run, after
// the last, nor in a gap between two. Every clause has two or three
// literals, and a conflict learns facts such as "the third run starts by
// cell 12", which hold over many placements at once: on 40 x 30 bands this
// needs four to ten times fewer conflicts than one variable per run and start.
void ClauseCheck::encodeLine(const Clue& clue, int first, int step, int cells) {
    auto cell = [&](int index) { return isTrue(first + index * step); };
    const int runs = static_cast<int>(clue.size());
    int needed = runs > 0 ? runs - 1 : 0;
    for (const int length : clue) {
        if (length < 1 || length > cells) needed = cells + 1;
        else needed += length;
    }
    if (needed > cells) {
        solver_.addClause({});   // no placement at all
        return;
    }
    const int slack = cells - needed;   // how far past its earliest start a run may start
    std::vector<int> earliest(static_cast<std::size_t>(runs)), firstVariable(static_cast<std::size_t>(runs));
    for (int run = 0, at = 0; run < runs; ++run) {
        earliest[static_cast<std::size_t>(run)] = at;
        at += clue[static_cast<std::size_t>(run)] + 1;
        firstVariable[static_cast<std::size_t>(run)] = solver_.variables();
        for (int k = 0; k < slack; ++k) solver_.addVariable();
    }
    // "Run `run` starts at `index` or before."
    auto startsBy = [&](int run, int index) {
        const int from = earliest[static_cast<std::size_t>(run)];
        if (index < from) return kNever;
        if (index >= from + slack) return kAlways;
        return isTrue(firstVariable[static_cast<std::size_t>(run)] + index - from);
    };
    std::vector<Literal> clause;
    auto add = [&](std::initializer_list<Literal> literals) {
        clause.clear();
        for (const Literal literal : literals) {
            if (literal == kAlways) return;
            if (literal != kNever) clause.push_back(literal);
        }
        solver_.addClause(clause);
    };
    for (int run = 0; run < runs; ++run) {
        const int from = earliest[static_cast<std::size_t>(run)];
        const int length = clue[static_cast<std::size_t>(run)];
        for (int index = from; index < from + slack; ++index) {
            add({negated(startsBy(run, index)), startsBy(run, index + 1)});
            if (run > 0) add({negated(startsBy(run, index)), startsBy(run - 1, index - clue[static_cast<std::size_t>(run - 1)] - 1)});
        }
        for (int index = 0; index < cells; ++index) add({negated(startsBy(run, index)), startsBy(run, index - length), cell(index)});
    }
    for (int index = 0; index < cells; ++index) {
        for (int run = 0; run <= runs; ++run) {
            // Filled: not after the previous run's end while before this run's start.
            const Literal previousEnded = run == 0 ? kAlways : startsBy(run - 1, index - clue[static_cast<std::size_t>(run - 1)]);
            const Literal notYetStarted = run == runs ? kAlways : negated(startsBy(run, index));
            add({negation(cell(index)), negated(previousEnded), negated(notYetStarted)});
        }
    }
}

ClauseCheck::Outcome ClauseCheck::next(const Budget& budget, Grid& solution, std::int64_t conflictLimit) {
    if (!complete_) return Outcome::Unknown;
    switch (solver_.solve(budget, conflictLimit)) {
    case ClauseSolver::Outcome::Unsatisfiable: return Outcome::NoMore;
    case ClauseSolver::Outcome::Unknown: return Outcome::Unknown;
    case ClauseSolver::Outcome::Satisfiable: break;
    }
    solution = model();
    return Outcome::Found;
}

ClauseCheck::Outcome ClauseCheck::differentFrom(const Grid& solution, const Budget& budget, Grid& other,
                                                std::int64_t conflictLimit) {
    if (!complete_) return Outcome::Unknown;
    const std::int64_t stopAt = conflictLimit == INT64_MAX ? INT64_MAX : solver_.conflicts() + conflictLimit;
    for (int cell = 0; cell < width_ * height_; ++cell) {
        const Literal same = solution.cells[static_cast<std::size_t>(cell)] == Cell::Filled ? isTrue(cell) : isFalse(cell);
        if (solver_.fixed(same)) continue;
        const std::int64_t left = stopAt == INT64_MAX ? INT64_MAX : stopAt - solver_.conflicts();
        if (left <= 0) return Outcome::Unknown;
        switch (solver_.solve(budget, left, negation(same))) {
        case ClauseSolver::Outcome::Unsatisfiable: break;   // the cell is as in `solution`, now a fact
        case ClauseSolver::Outcome::Unknown: return Outcome::Unknown;
        case ClauseSolver::Outcome::Satisfiable: other = model(); return Outcome::Found;
        }
    }
    return Outcome::NoMore;
}

Grid ClauseCheck::model() const {
    Grid grid(width_, height_);
    for (int cell = 0; cell < width_ * height_; ++cell)
        grid.cells[static_cast<std::size_t>(cell)] = solver_.modelValue(cell) ? Cell::Filled : Cell::Empty;
    return grid;
}

ClauseCount countUpToTwo(ClauseCheck& check, const Budget& budget, Grid& first, Grid& second) {
    switch (check.next(budget, first)) {
    case ClauseCheck::Outcome::NoMore: return {0, true};
    case ClauseCheck::Outcome::Unknown: return {0, false};
    case ClauseCheck::Outcome::Found: break;
    }
    switch (check.differentFrom(first, budget, second)) {
    case ClauseCheck::Outcome::NoMore: return {1, true};
    case ClauseCheck::Outcome::Unknown: return {1, false};
    case ClauseCheck::Outcome::Found: break;
    }
    return {2, true};
}

int countSolutionsByClauses(const Clues& clues, const Budget& budget) {
    ClauseCheck check(clues, Grid(clues.width(), clues.height()), budget);
    Grid first, second;
    const ClauseCount count = countUpToTwo(check, budget, first, second);
    if (!count.decided) return -1;
    if (count.found < 2) return count.found;
    return cluesOfGrid(first) == clues && cluesOfGrid(second) == clues && first != second ? 2 : -1;
}

}  // namespace mosarin::solver
