// The line solver against brute force: every line of up to 12 cells is
// enumerated, and for random clues and random partial knowledge the solver
// must decide exactly the cells on which all fitting lines agree.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "solver/line_solver.h"

namespace mosarin::solver {
namespace {

Cell bitCell(unsigned bits, int i) { return (bits >> i) & 1u ? Cell::Filled : Cell::Empty; }

Clue clueOfBits(unsigned bits, int length) {
    Clue clue;
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && (bits >> i) & 1u) {
            ++run;
        } else if (run > 0) {
            clue.push_back(run);
            run = 0;
        }
    }
    return clue;
}

// Which run (0-based) covers cell i in the filled line `bits`, -1 if none.
int runAt(unsigned bits, int length, int i) {
    int run = -1;
    for (int j = 0; j <= i && j < length; ++j) {
        if ((bits >> j) & 1u && (j == 0 || !((bits >> (j - 1)) & 1u))) ++run;
    }
    return (bits >> i) & 1u ? run : -1;
}

struct BruteForce {
    bool fits = false;
    std::vector<Cell> agreed;       // Unknown where fitting lines disagree
    std::vector<int> coveringRun;   // the one run covering a cell in every line, else -1
};

BruteForce bruteForce(const std::vector<unsigned>& lines, int length, const std::vector<Cell>& known) {
    BruteForce result;
    result.agreed.assign(length, Cell::Unknown);
    result.coveringRun.assign(length, -2);
    for (unsigned bits : lines) {
        bool matches = true;
        for (int i = 0; i < length && matches; ++i) matches = known[i] == Cell::Unknown || known[i] == bitCell(bits, i);
        if (!matches) continue;
        for (int i = 0; i < length; ++i) {
            const Cell cell = bitCell(bits, i);
            if (!result.fits) result.agreed[i] = cell;
            else if (result.agreed[i] != cell) result.agreed[i] = Cell::Unknown;
            const int run = runAt(bits, length, i);
            if (result.coveringRun[i] == -2) result.coveringRun[i] = run;
            else if (result.coveringRun[i] != run) result.coveringRun[i] = -1;
        }
        result.fits = true;
    }
    return result;
}

TEST(LineSolver, DecidesExactlyTheCellsEveryFittingLineAgreesOn) {
    std::mt19937 random(20240611u);
    LineSolver solver;
    int contradictions = 0, decidedCells = 0, coveringChecks = 0;
    for (int length = 1; length <= 12; ++length) {
        std::map<Clue, std::vector<unsigned>> linesByClue;
        for (unsigned bits = 0; bits < (1u << length); ++bits) linesByClue[clueOfBits(bits, length)].push_back(bits);
        std::vector<Clue> clues;
        for (const auto& entry : linesByClue) clues.push_back(entry.first);
        clues.push_back({length + 1});                 // too long for the line
        clues.push_back({length, 1});                  // needs length + 2 cells
        for (const Clue& clue : clues) {
            const auto it = linesByClue.find(clue);
            const std::vector<unsigned> noLines;
            const std::vector<unsigned>& lines = it == linesByClue.end() ? noLines : it->second;
            for (int trial = 0; trial < 6; ++trial) {
                // Knowledge taken from a fitting line keeps the line solvable;
                // knowledge from any line often makes it contradictory.
                const unsigned source = (trial % 2 == 0 && !lines.empty()) ? lines[random() % lines.size()]
                                                                           : random() & ((1u << length) - 1);
                const unsigned knownPercent = 15 + 15 * static_cast<unsigned>(trial / 2);
                std::vector<Cell> known(length);
                for (int i = 0; i < length; ++i) known[i] = random() % 100 < knownPercent ? bitCell(source, i) : Cell::Unknown;

                const BruteForce expected = bruteForce(lines, length, known);
                std::vector<Cell> line = known;
                const bool fits = solver.solve(clue, line);
                ASSERT_EQ(fits, expected.fits) << "length " << length << " trial " << trial;
                EXPECT_EQ(solver.completable(clue, known), expected.fits);
                if (!fits) {
                    EXPECT_EQ(line, known) << "a contradiction leaves the line as it was";
                    ++contradictions;
                    continue;
                }
                ASSERT_EQ(line, expected.agreed) << "length " << length << " trial " << trial;
                for (int i = 0; i < length; ++i) {
                    decidedCells += line[i] != known[i];
                    const int wanted = expected.agreed[i] == Cell::Filled ? expected.coveringRun[i] : -1;
                    EXPECT_EQ(solver.onlyRunCovering(clue, known, i), wanted) << "cell " << i;
                    coveringChecks += wanted >= 0;
                }
            }
        }
    }
    // The table must exercise both outcomes and real deductions.
    EXPECT_GT(contradictions, 500);
    EXPECT_GT(decidedCells, 5000);
    EXPECT_GT(coveringChecks, 5000);
}

TEST(LineSolver, RefusesRunsShorterThanOneAndKeepsKnownCells) {
    std::vector<Cell> line(5, Cell::Unknown);
    EXPECT_FALSE(solveLine(Clue{0}, line));
    EXPECT_FALSE(solveLine(Clue{2, -1}, line));
    EXPECT_EQ(line, std::vector<Cell>(5, Cell::Unknown));
    // An empty clue empties the line; an empty line fits only the empty clue.
    EXPECT_TRUE(solveLine(Clue{}, line));
    EXPECT_EQ(line, std::vector<Cell>(5, Cell::Empty));
    std::vector<Cell> none;
    EXPECT_TRUE(lineCompletable(Clue{}, none));
    EXPECT_FALSE(lineCompletable(Clue{1}, none));
}

}  // namespace
}  // namespace mosarin::solver
