// Probing reuses the trials it made before a lesson wherever the lesson did
// not reach them. Whatever it reuses, where it stops must be a true
// standstill: every trial it did not take as a lesson, made afresh on the
// final grid, still fits. And everything it decides must be right.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "solver/propagation.h"
#include "tests/solver/test_pictures.h"

namespace mosarin::solver {
namespace {

TEST(Probe, StopsOnlyWhereNoTrialFailsAndDecidesOnlyWhatIsTrue) {
    struct Case {
        std::string name;
        Grid picture;
        int percentRevealed;   // of the picture's cells, at random, as a search node would know them
    };
    const std::vector<Case> cases = {
        {"bands 40 x 30, period 5, from nothing", bands(40, 30, 5, 3), 0},
        {"bands 40 x 30, period 7, a tenth revealed", bands(40, 30, 7, 2), 10},
        {"random 40 x 30 at half, from nothing", randomPicture(40, 30, 50, 11), 0},
        {"random 40 x 30 at half, a twentieth revealed", randomPicture(40, 30, 50, 12), 5},
        {"random 30 x 30 at 40 %, a tenth revealed", randomPicture(30, 30, 40, 13), 10},
        {"random 25 x 20 at 60 %, a twentieth revealed", randomPicture(25, 20, 60, 14), 5},
    };
    for (const Case& c : cases) {
        for (const ProbeScope scope : {ProbeScope::EveryCell, ProbeScope::BesideKnownCells}) {
            for (unsigned seed = 1; seed <= 3; ++seed) {
                SCOPED_TRACE(c.name + (scope == ProbeScope::EveryCell ? ", every cell" : ", beside known cells") +
                             ", seed " + std::to_string(seed));
                const Clues clues = cluesOfGrid(c.picture);
                Grid grid(c.picture.width, c.picture.height);
                std::mt19937 random(seed);
                for (std::size_t i = 0; i < grid.cells.size(); ++i) {
                    if (static_cast<int>(random() % 100) < c.percentRevealed) grid.cells[i] = c.picture.cells[i];
                }
                Propagator propagator(clues);
                ASSERT_TRUE(propagator.propagateAll(grid));
                const ProbeOutcome outcome = probe(grid, propagator, Budget{}, nullptr, scope);
                ASSERT_NE(outcome, ProbeOutcome::Contradiction);
                ASSERT_NE(outcome, ProbeOutcome::OutOfBudget);
                // Only right cells: a decided cell follows from the clues and
                // the revealed cells, and the picture fits both.
                int wrong = 0;
                for (std::size_t i = 0; i < grid.cells.size(); ++i) {
                    wrong += grid.cells[i] != Cell::Unknown && grid.cells[i] != c.picture.cells[i];
                }
                EXPECT_EQ(wrong, 0);
                if (outcome == ProbeOutcome::Solved) continue;
                // A standstill: no trial in scope fails on the final grid.
                Propagator fresh(clues);
                int failing = 0;
                for (int row = 0; row < grid.height; ++row) {
                    for (int column = 0; column < grid.width; ++column) {
                        if (grid.at(column, row) != Cell::Unknown) continue;
                        if (scope == ProbeScope::BesideKnownCells && !besideKnownCells(grid, column, row)) continue;
                        for (const Cell value : {Cell::Filled, Cell::Empty}) {
                            Grid trial = grid;
                            trial.at(column, row) = value;
                            failing += !fresh.propagateCell(trial, column, row);
                        }
                    }
                }
                EXPECT_EQ(failing, 0);
            }
        }
    }
}

}  // namespace
}  // namespace mosarin::solver
