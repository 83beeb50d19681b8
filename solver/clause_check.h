#pragma once
// A puzzle's clues as clauses over its cells, for the clause-learning
// solver: the proof of "no other grid" that the search cannot finish on
// some regular pictures, taken in turns with that search.

#include <cstdint>

#include "solver/clause_solver.h"
#include "solver/grid.h"

namespace mosarin::solver {

class ClauseCheck {
public:
    // The grids that fit `clues` and agree with every cell `known` decides
    // (which must follow from the clues, as propagation and probing do).
    // Stops early when the budget is cancelled: then it finds nothing.
    ClauseCheck(const Clues& clues, const Grid& known, const Budget& budget = {});

    enum class Outcome { Found, NoMore, Unknown };
    // Looks for a grid that fits: Found (in
    // `solution`), NoMore when there is none, Unknown when the budget or
    // `conflictLimit` stopped it first (a later call goes on from there).
    Outcome next(const Budget& budget, Grid& solution, std::int64_t conflictLimit = INT64_MAX);

    // Looks for a grid that fits and differs from `solution` (which fits),
    // one cell at a time: for each cell, a grid in which that cell differs.
    // Each cell that cannot differ becomes a fact, which narrows the next
    // look; that is far quicker than one look for any grid but this one,
    // which learns nothing until almost every cell is decided.
    Outcome differentFrom(const Grid& solution, const Budget& budget, Grid& other,
                          std::int64_t conflictLimit = INT64_MAX);

private:
    Grid model() const;

    void encodeLine(const Clue& clue, int first, int step, int cells);

    int width_, height_;
    bool complete_ = true;   // false when a cancel stopped the encoding
    ClauseSolver solver_;
};

// Up to two solutions by the clause check alone: a first one, then one that
// differs from it. `decided` is false when the budget stopped it first;
// `found` counts what it found by then (in `first`, then `second`).
struct ClauseCount {
    int found = 0;
    bool decided = false;
};
ClauseCount countUpToTwo(ClauseCheck& check, const Budget& budget, Grid& first, Grid& second);

// The verdict of the clause-learning solver alone, found as the search's
// rival finds it, for tests that hold it against other solvers: 0, 1 or 2
// (at least two) grids, -1 when undecided or when the two grids it found
// do not both fit the clues.
int countSolutionsByClauses(const Clues& clues, const Budget& budget);

}  // namespace mosarin::solver
