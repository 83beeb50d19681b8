// The clause check's encoding of a line at its edges: empty and full lines,
// runs that leave no room, clues that cannot fit or are malformed. Its count
// must agree with the solver that line logic and search give, and with the
// number of grids written out by hand.
#include <gtest/gtest.h>

#include <string>

#include "solver/clause_check.h"
#include "solver/puzzle_solver.h"

namespace mosarin::solver {
namespace {

TEST(ClauseCheck, LinesAtTheirEdgesCountAsTheSolverCounts) {
    struct Case {
        std::string name;
        Clues clues;
        int solutions;   // 2: at least two
    };
    const Case cases[] = {
        {"one empty cell", {{{}}, {{}}}, 1},
        {"one filled cell", {{{1}}, {{1}}}, 1},
        {"a full row of three", {{{3}}, {{1}, {1}, {1}}}, 1},
        {"runs that fill the row with single gaps", {{{1, 1}}, {{1}, {}, {1}}}, 1},
        {"a run longer than its row", {{{4}}, {{1}, {1}, {1}}}, 0},
        {"runs and gaps one cell too long", {{{2, 1}}, {{1}, {1}, {1}}}, 0},
        {"a run of length zero", {{{0}}, {{}}}, 0},
        {"filled cells the columns do not have", {{{1}, {}}, {{}, {}}}, 0},
        {"a diagonal pair, either way", {{{1}, {1}}, {{1}, {1}}}, 2},
        {"one run with room to move, fixed by the columns", {{{2}, {}}, {{}, {1}, {1}}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(countSolutionsByClauses(c.clues, Budget::forSeconds(10)), c.solutions);
        const Verdict verdict = solvePuzzle(c.clues, Budget::forSeconds(10)).verdict;
        EXPECT_EQ(verdict, c.solutions == 0 ? Verdict::None : c.solutions == 1 ? Verdict::Unique : Verdict::Multiple);
    }
}

}  // namespace
}  // namespace mosarin::solver
