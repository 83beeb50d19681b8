#pragma once
// Whether a puzzle's clues have exactly one solution, and how hard it is to
// find: line logic first, then probing, then a search (depth-first at first,
// then over its open subtrees in turns, racing a clause-learning check on a
// second thread unless the budget limits nodes) that stops at the second
// solution, when every grid has been ruled out, or when the budget runs out.

#include <utility>
#include <vector>

#include "solver/grid.h"
#include "solver/propagation.h"

namespace mosarin::solver {

enum class Verdict {
    Unique,      // exactly one solution, in `solution`
    Multiple,    // at least two: `solution` and `otherSolution` differ
    None,        // no grid fits the clues
    Undecided,   // the budget ran out (or the caller cancelled) first
};

// How far the solver had to go: for Unique, how the picture is solved.
enum class Grade { LineLogic, Probing, Search };

struct SolveResult {
    Verdict verdict = Verdict::Undecided;
    Grade grade = Grade::LineLogic;
    Grid solution;        // the first solution found (Unique, Multiple)
    Grid otherSolution;   // a second, different one (Multiple)
    std::int64_t nodes = 0;   // search nodes visited
    std::int64_t lineSolves = 0;   // lines solved or found in the cache, once the search ran
};

SolveResult solvePuzzle(const Clues& clues, const Budget& budget = {});

// The cells (column, row; 0-based) in which two grids of one size differ.
std::vector<std::pair<int, int>> differingCells(const Grid& a, const Grid& b);

const char* verdictName(Verdict verdict);
const char* gradeName(Grade grade);

}  // namespace mosarin::solver
