// A cancel set by another thread stops a long search: what lets the editor
// drop a check the moment the user paints again.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "solver/clause_check.h"
#include "solver/puzzle_solver.h"

namespace mosarin::solver {
namespace {

using namespace std::chrono_literals;

// Diagonal bands two cells wide in six on 40 x 30: undecided after seconds
// of the search and its clause-learning rival racing on two threads, so
// only the cancel can end a solve sooner. A search deaf to the flag would
// run on, and the wait below would give up (the rival is stopped as soon
// as the search returns).
Clues narrowBands() {
    Grid grid(40, 30);
    for (int row = 0; row < 30; ++row)
        for (int column = 0; column < 40; ++column) grid.at(column, row) = (row + column) % 6 < 2 ? Cell::Filled : Cell::Empty;
    return cluesOfGrid(grid);
}

TEST(SolverCancel, ACancelFromAnotherThreadEndsALongSearchUndecided) {
    const Clues clues = narrowBands();
    // Set before the solve starts, during the first propagations and probing,
    // and deep in the search.
    for (const auto delay : {0ms, 5ms, 300ms}) {
        std::atomic<bool> cancel{false};
        // A solver deaf to the flag would run to this budget, and the wait
        // below gives up first (the future then waits out the rest), so a
        // broken cancel fails the test instead of hanging it.
        auto solving = std::async(std::launch::async, [&] { return solvePuzzle(clues, Budget::forSeconds(20, &cancel)); });
        std::this_thread::sleep_for(delay);
        cancel.store(true);
        ASSERT_EQ(solving.wait_for(10s), std::future_status::ready) << "cancelled after " << delay.count() << " ms";
        const SolveResult result = solving.get();
        EXPECT_EQ(result.verdict, Verdict::Undecided)
            << "decided before the cancel came: the test needs a picture the solver cannot decide so fast";
    }
}

// Building the clauses of a 40 x 30 picture takes milliseconds, so a
// cancel is looked at between lines: one set before finds nothing at all.
TEST(SolverCancel, ACancelledClauseCheckFindsNothing) {
    const std::atomic<bool> cancelled{true};
    const Budget budget = Budget::forSeconds(60, &cancelled);
    const Clues clues = narrowBands();
    ClauseCheck check(clues, Grid(clues.width(), clues.height()), budget);
    Grid solution;
    EXPECT_EQ(check.next(Budget{}, solution), ClauseCheck::Outcome::Unknown);
    EXPECT_EQ(check.differentFrom(solution, Budget{}, solution), ClauseCheck::Outcome::Unknown);
}

}  // namespace
}  // namespace mosarin::solver
