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
    if (!complete_) return;
    for (int cell = 0; cell < width_ * height_; ++cell) {
        const Cell value = known.cells[static_cast<std::size_t>(cell)];
        if (value == Cell::Unknown) continue;
        const Literal unit = value == Cell::Filled ? isTrue(cell) : isFalse(cell);
        solver_.addClause({&unit, 1});
    }
}

// One variable per run and start the clue allows: each run starts exactly
// once, after the previous run and a gap; a cell is filled exactly when a
// run covers it, and the cells just before and after a run are empty.
void ClauseCheck::encodeLine(const Clue& clue, int first, int step, int cells) {
    auto cell = [&](int index) { return first + index * step; };
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
    std::vector<int> earliest(static_cast<std::size_t>(runs)), startVariable(static_cast<std::size_t>(runs));
    for (int run = 0, at = 0; run < runs; ++run) {
        earliest[static_cast<std::size_t>(run)] = at;
        at += clue[static_cast<std::size_t>(run)] + 1;
    }
    const int slack = cells - needed;   // every run may start up to this far after its earliest start
    for (int run = 0; run < runs; ++run) {
        startVariable[static_cast<std::size_t>(run)] = solver_.variables();
        for (int offset = 0; offset <= slack; ++offset) solver_.addVariable();
    }
    auto startsAt = [&](int run, int start) {
        return startVariable[static_cast<std::size_t>(run)] + start - earliest[static_cast<std::size_t>(run)];
    };
    std::vector<Literal> clause;
    std::vector<std::vector<Literal>> covering(static_cast<std::size_t>(cells));
    for (int run = 0; run < runs; ++run) {
        const int length = clue[static_cast<std::size_t>(run)];
        const int low = earliest[static_cast<std::size_t>(run)], high = low + slack;
        clause.clear();
        for (int start = low; start <= high; ++start) clause.push_back(isTrue(startsAt(run, start)));
        solver_.addClause(clause);
        for (int a = low; a <= high; ++a) {
            for (int b = a + 1; b <= high; ++b) {
                const Literal pair[] = {isFalse(startsAt(run, a)), isFalse(startsAt(run, b))};
                solver_.addClause(pair);
            }
        }
        for (int start = low; start <= high; ++start) {
            const Literal starts = isTrue(startsAt(run, start));
            if (run + 1 < runs) {
                // The next run starts after this one and its gap.
                clause.assign(1, negation(starts));
                for (int later = start + length + 1; later <= high + length + 1; ++later)
                    clause.push_back(isTrue(startsAt(run + 1, later)));
                solver_.addClause(clause);
            }
            for (int index = start; index < start + length; ++index) {
                const Literal covers[] = {negation(starts), isTrue(cell(index))};
                solver_.addClause(covers);
                covering[static_cast<std::size_t>(index)].push_back(starts);
            }
            for (const int border : {start - 1, start + length}) {
                if (border < 0 || border >= cells) continue;
                const Literal gap[] = {negation(starts), isFalse(cell(border))};
                solver_.addClause(gap);
            }
        }
    }
    for (int index = 0; index < cells; ++index) {
        clause.assign(1, isFalse(cell(index)));
        clause.insert(clause.end(), covering[static_cast<std::size_t>(index)].begin(),
                      covering[static_cast<std::size_t>(index)].end());
        solver_.addClause(clause);
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

int countSolutionsByClauses(const Clues& clues, const Budget& budget) {
    ClauseCheck check(clues, Grid(clues.width(), clues.height()), budget);
    Grid first, second;
    switch (check.next(budget, first)) {
    case ClauseCheck::Outcome::NoMore: return 0;
    case ClauseCheck::Outcome::Unknown: return -1;
    case ClauseCheck::Outcome::Found: break;
    }
    switch (check.differentFrom(first, budget, second)) {
    case ClauseCheck::Outcome::NoMore: return 1;
    case ClauseCheck::Outcome::Unknown: return -1;
    case ClauseCheck::Outcome::Found: break;
    }
    return cluesOfGrid(first) == clues && cluesOfGrid(second) == clues && first != second ? 2 : -1;
}

}  // namespace mosarin::solver
