// Pictures that line logic leaves wide open (diagonal bands, checkerboards
// with one cell switched, sparse and half-filled random ones): the solver's
// verdict must match a plain brute force that knows nothing of line logic,
// probing or the line cache.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <string>
#include <vector>

#include "solver/clause_check.h"
#include "solver/puzzle_solver.h"
#include "tests/solver/test_pictures.h"

namespace mosarin::solver {
namespace {

// Counts the grids that fit `clues`, up to two, row by row: every row takes
// each pattern its clue allows, and a column whose filled runs so far already
// disagree with its clue cuts the branch.
class BruteForce {
public:
    explicit BruteForce(const Clues& clues) : clues_(clues), grid_(clues.width(), clues.height()) {
        for (const Clue& clue : clues.rows) rowPatterns_.push_back(patterns(clue, clues.width()));
    }
    int count() {
        place(0);
        return found_;
    }
    const std::vector<Grid>& solutions() const { return solutions_; }

private:
    static std::vector<std::vector<Cell>> patterns(const Clue& clue, int length) {
        std::vector<std::vector<Cell>> all;
        std::vector<Cell> line(static_cast<size_t>(length), Cell::Empty);
        extend(clue, 0, 0, line, all);
        return all;
    }
    static void extend(const Clue& clue, size_t run, int from, std::vector<Cell>& line, std::vector<std::vector<Cell>>& all) {
        if (run == clue.size()) {
            all.push_back(line);
            return;
        }
        for (int start = from; start + clue[run] <= static_cast<int>(line.size()); ++start) {
            std::fill(line.begin() + start, line.begin() + start + clue[run], Cell::Filled);
            extend(clue, run + 1, start + clue[run] + 1, line, all);
            std::fill(line.begin() + start, line.begin() + start + clue[run], Cell::Empty);
        }
    }
    // The column's runs over rows 0..lastRow agree with the start of its clue
    // and the rest of the clue still fits below; with `complete`, they are
    // the whole clue.
    bool columnFits(int column, int lastRow, bool complete) const {
        const Clue& clue = clues_.columns[column];
        size_t run = 0;
        int length = 0;
        for (int row = 0; row <= lastRow; ++row) {
            if (grid_.at(column, row) == Cell::Filled) {
                ++length;
                if (run >= clue.size() || length > clue[run]) return false;
            } else if (length > 0) {
                if (length != clue[run]) return false;
                ++run;
                length = 0;
            }
        }
        if (!complete) {
            int needed = 0;
            for (size_t later = run; later < clue.size(); ++later) needed += clue[later] + 1;
            needed -= length > 0 ? length + 1 : 1;   // the open run's own cells, and no gap after the last run
            return needed <= grid_.height - 1 - lastRow;
        }
        if (length > 0) return length == clue[run] && run + 1 == clue.size();
        return run == clue.size();
    }
    void place(int row) {
        if (found_ >= 2) return;
        if (row == grid_.height) {
            ++found_;
            solutions_.push_back(grid_);
            return;
        }
        for (const std::vector<Cell>& pattern : rowPatterns_[static_cast<size_t>(row)]) {
            for (int column = 0; column < grid_.width; ++column) grid_.at(column, row) = pattern[static_cast<size_t>(column)];
            bool fits = true;
            for (int column = 0; column < grid_.width && fits; ++column) fits = columnFits(column, row, row + 1 == grid_.height);
            if (fits) place(row + 1);
            if (found_ >= 2) return;
        }
    }

    const Clues& clues_;
    Grid grid_;
    std::vector<std::vector<std::vector<Cell>>> rowPatterns_;
    int found_ = 0;
    std::vector<Grid> solutions_;
};

// What the clause check counts (0, 1, 2 for at least two, -1 undecided)
// when it starts, as in the solver's race, from the cells line logic decided.
int countByClausesFromLineLogic(const Clues& clues) {
    Grid known(clues.width(), clues.height());
    Propagator propagator(clues);
    if (!propagator.propagateAll(known)) return 0;
    ClauseCheck check(clues, known);
    Grid first, second;
    const ClauseCount count = countUpToTwo(check, Budget::forSeconds(60), first, second);
    if (!count.decided) return -1;
    if (count.found < 2) return count.found;
    return cluesOfGrid(second) == clues && second != first ? 2 : -1;
}

TEST(HardPictures, VerdictsMatchABruteForce) {
    std::vector<std::pair<std::string, Clues>> pictures;
    for (int period = 4; period <= 8; ++period)
        for (int phase = 0; phase < 4; ++phase)
            pictures.emplace_back("bands 12 x 10, period " + std::to_string(period) + " phase " + std::to_string(phase),
                                  cluesOfGrid(bands(12, 10, period, phase)));
    for (const auto& [column, row] : {std::pair{0, 0}, {4, 3}, {9, 7}, {5, 0}})
        pictures.emplace_back("checkerboard 10 x 8 switched at " + std::to_string(column) + "," + std::to_string(row),
                              cluesOfGrid(checkerboardWithSwitch(10, 8, column, row)));
    for (unsigned seed = 1; seed <= 12; ++seed) {
        pictures.emplace_back("sparse 9 x 9, seed " + std::to_string(seed), cluesOfGrid(randomPicture(9, 9, 25, seed)));
        pictures.emplace_back("half filled 10 x 10, seed " + std::to_string(seed), cluesOfGrid(randomPicture(10, 10, 50, seed)));
        // Two columns' clues swapped: the filled cells still add up, so only
        // the lines' interplay can tell whether any grid is left.
        Clues swapped = cluesOfGrid(randomPicture(10, 10, 50, seed));
        std::swap(swapped.columns[seed % 10], swapped.columns[(seed * 3 + 1) % 10]);
        pictures.emplace_back("columns swapped 10 x 10, seed " + std::to_string(seed), swapped);
    }
    // "....", "..#.", ".#.#": with the bottom row's two runs touching
    // ("..##" below ".#..") every line would still fit its clue's lengths;
    // only the gap between runs rules that grid out.
    Grid touching(4, 3);
    for (const int cell : {6, 9, 11}) touching.cells[static_cast<size_t>(cell)] = Cell::Filled;
    pictures.emplace_back("runs that must not touch", cluesOfGrid(touching));
    int seen[4] = {};
    for (const auto& [name, clues] : pictures) {
        SCOPED_TRACE(name);
        BruteForce brute(clues);
        const int count = brute.count();
        const SolveResult result = solvePuzzle(clues, Budget::forSeconds(60));
        ++seen[static_cast<int>(result.verdict)];
        // The clause-learning rival of the search, on its own.
        EXPECT_EQ(countSolutionsByClauses(clues, Budget::forSeconds(60)), count);
        EXPECT_EQ(countByClausesFromLineLogic(clues), count);
        ASSERT_EQ(result.verdict, count == 0 ? Verdict::None : count == 1 ? Verdict::Unique : Verdict::Multiple);
        if (count == 0) continue;
        EXPECT_EQ(cluesOfGrid(result.solution), clues);
        if (count == 1) {
            EXPECT_EQ(result.solution, brute.solutions()[0]);
        } else {
            EXPECT_EQ(cluesOfGrid(result.otherSolution), clues);
            EXPECT_FALSE(differingCells(result.solution, result.otherSolution).empty());
        }
    }
    // The table holds every kind, so no answer can pass by default.
    EXPECT_GT(seen[static_cast<int>(Verdict::Unique)], 5);
    EXPECT_GT(seen[static_cast<int>(Verdict::Multiple)], 5);
    EXPECT_GT(seen[static_cast<int>(Verdict::None)], 2);
}

// Too large for the brute force, but checkable all the same: a band that
// has one solution must come back as itself, and two solutions that fit the
// clues and differ prove "multiple" on their own. Line logic alone gets
// nowhere with any of them. Periods 5 and 7 need the search to leave a
// large subtree without a solution for a small one with the second; period
// 4 needs the clause-learning rival to prove that no second one exists.
TEST(HardPictures, LargeBandsGetTheirVerdict) {
    struct Case {
        int period, phase;
        Verdict verdict;
    };
    const Case cases[] = {
        {4, 0, Verdict::Unique},   {4, 1, Verdict::Unique},   {4, 2, Verdict::Unique},   {4, 3, Verdict::Unique},
        {6, 0, Verdict::Unique},   {6, 1, Verdict::Unique},   {6, 2, Verdict::Unique},   {6, 3, Verdict::Unique},
        {8, 0, Verdict::Unique},   {8, 1, Verdict::Unique},   {8, 2, Verdict::Unique},   {8, 3, Verdict::Unique},
        {5, 0, Verdict::Multiple}, {7, 0, Verdict::Multiple}, {7, 3, Verdict::Multiple},
    };
    for (const Case& band : cases) {
        SCOPED_TRACE("bands 40 x 30, period " + std::to_string(band.period) + " phase " + std::to_string(band.phase));
        const Grid picture = bands(40, 30, band.period, band.phase);
        const Clues clues = cluesOfGrid(picture);
        const SolveResult result = solvePuzzle(clues, Budget::forSeconds(120));
        ASSERT_EQ(result.verdict, band.verdict);
        EXPECT_EQ(result.grade, Grade::Search);
        if (band.verdict == Verdict::Unique) {
            EXPECT_EQ(result.solution, picture);
        } else {
            EXPECT_EQ(cluesOfGrid(result.solution), clues);
            EXPECT_EQ(cluesOfGrid(result.otherSolution), clues);
            EXPECT_FALSE(differingCells(result.solution, result.otherSolution).empty());
        }
    }
}

// A node limit asks for a verdict that does not hang on the machine's speed,
// so the search runs alone: period 4, which only the clause check proves
// within seconds, stays undecided, however fast the machine.
TEST(HardPictures, UnderANodeLimitOnlyTheSearchDecides) {
    const Clues clues = cluesOfGrid(bands(40, 30, 4, 0));
    Budget limited;
    limited.maxNodes = 1500;
    const SolveResult result = solvePuzzle(clues, limited);
    EXPECT_EQ(result.verdict, Verdict::Undecided);
    EXPECT_EQ(result.nodes, 1500);
}

}  // namespace
}  // namespace mosarin::solver
