#pragma once
// The clause-learning check, on a thread of its own beside the search.
// The search finds solutions fast but learns nothing from a subtree that
// failed, so proving that no other grid exists can take it millions of
// nodes (40 x 30 bands of period 4); the clause check proves those in a
// tenth of a second but is slow to find a second solution where the search
// needs a few hundred nodes (period 5). Racing the two costs a second core
// instead of half the time of each. Whichever decides first stops the other.

#include <atomic>
#include <memory>

#include "solver/grid.h"
#include "solver/propagation.h"
#include "solver/puzzle_solver.h"

namespace mosarin::solver {

class ClauseRace {
public:
    // Starts at once. `root` holds what line logic and probing decided;
    // the budget's cancel flag must outlive finish().
    ClauseRace(const Clues& clues, const Grid& root, const Budget& budget);
    // Stops the thread and waits for it if finish() was not called.
    ~ClauseRace();
    ClauseRace(const ClauseRace&) = delete;
    ClauseRace& operator=(const ClauseRace&) = delete;

    // Set once the clause side has a verdict: the search's budget looks at it.
    const std::atomic<bool>& decided() const;
    // Stops the clause side (the search has a verdict, or gave up).
    void stop();
    // Waits until the clause side has stopped looking at the puzzle (it has
    // a verdict, or was stopped or cancelled) and returns that verdict,
    // Undecided when it has none, with its solutions in `result`. Freeing
    // its memory takes the thread another millisecond or two, after this
    // returns, so that the caller does not wait for it.
    Verdict finish(SolveResult& result);
    // The first solution it found, when it found one (also when undecided).
    const Grid* firstSolution() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    bool finished_ = false;
};

}  // namespace mosarin::solver
