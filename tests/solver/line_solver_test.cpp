// The line solver against brute force: every line of up to 12 cells is
// enumerated, and for random clues and random partial knowledge the solver
// must decide exactly the cells on which all fitting lines agree.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <utility>
#include <vector>

#include "solver/line_cache.h"
#include "solver/line_solver.h"

namespace mosarin::solver {
namespace {

Cell bitCell(unsigned bits, int i) { return (bits >> i) & 1u ? Cell::Filled : Cell::Empty; }

// The clue of the filled line `bits`, and the run (0-based) covering each cell, -1 for none.
std::pair<Clue, std::vector<int>> runsOf(unsigned bits, int length) {
    std::pair<Clue, std::vector<int>> runs{{}, std::vector<int>(length, -1)};
    for (int i = 0; i < length; ++i) {
        if (bitCell(bits, i) == Cell::Empty) continue;
        if (i == 0 || bitCell(bits, i - 1) == Cell::Empty) runs.first.push_back(0);
        ++runs.first.back();
        runs.second[i] = static_cast<int>(runs.first.size()) - 1;
    }
    return runs;
}

TEST(LineSolver, DecidesExactlyTheCellsEveryFittingLineAgreesOn) {
    std::mt19937 random(20240611u);
    LineSolver solver;
    int contradictions = 0, decidedCells = 0, coveringChecks = 0;
    for (int length = 1; length <= 12; ++length) {
        std::map<Clue, std::vector<unsigned>> linesByClue;
        for (unsigned bits = 0; bits < (1u << length); ++bits) linesByClue[runsOf(bits, length).first].push_back(bits);
        linesByClue[{length + 1}];   // too long for the line: no fitting line
        linesByClue[{length, 1}];    // needs length + 2 cells
        for (const auto& [clue, lines] : linesByClue) {
            for (int trial = 0; trial < 6; ++trial) {
                // Knowledge from a fitting line keeps it solvable; from any line, often not.
                const unsigned source = (trial % 2 == 0 && !lines.empty()) ? lines[random() % lines.size()]
                                                                           : random() & ((1u << length) - 1);
                const unsigned knownPercent = 15 + 15 * static_cast<unsigned>(trial / 2);
                std::vector<Cell> known(length);
                for (int i = 0; i < length; ++i) known[i] = random() % 100 < knownPercent ? bitCell(source, i) : Cell::Unknown;

                // Brute force: what every line that fits `known` agrees on, each cell and the run covering it.
                bool fits = false;
                std::vector<Cell> agreed(length);
                std::vector<int> covering(length);
                for (unsigned bits : lines) {
                    bool matches = true;
                    for (int i = 0; i < length; ++i) matches &= known[i] == Cell::Unknown || known[i] == bitCell(bits, i);
                    if (!matches) continue;
                    const std::vector<int> runs = runsOf(bits, length).second;
                    for (int i = 0; i < length; ++i) {
                        if (!fits) agreed[i] = bitCell(bits, i), covering[i] = runs[i];
                        if (agreed[i] != bitCell(bits, i)) agreed[i] = Cell::Unknown;
                        if (covering[i] != runs[i]) covering[i] = -1;
                    }
                    fits = true;
                }
                std::vector<Cell> line = known;
                SCOPED_TRACE(::testing::Message() << "length " << length << " trial " << trial);
                ASSERT_EQ(solver.solve(clue, line), fits);
                EXPECT_EQ(solver.completable(clue, known), fits);
                if (!fits) {
                    EXPECT_EQ(line, known) << "a contradiction leaves the line as it was";
                    ++contradictions;
                    continue;
                }
                ASSERT_EQ(line, agreed);
                for (int i = 0; i < length; ++i) {
                    decidedCells += line[i] != known[i];
                    EXPECT_EQ(solver.onlyRunCovering(clue, known, i), covering[i]) << "cell " << i;
                    coveringChecks += covering[i] >= 0;
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
    EXPECT_TRUE(lineCompletable(Clue{}, {}));
    EXPECT_FALSE(lineCompletable(Clue{1}, {}));
}

// A cache's table passes to the next cache of its size without being
// cleared: what one cache stored, the next must not find, while each finds
// its own lines with their verdicts.
TEST(LineCache, RemembersItsOwnLinesAndForgetsThoseOfTheCacheBefore) {
    const std::vector<Cell> cells = {Cell::Filled, Cell::Unknown, Cell::Empty, Cell::Unknown, Cell::Filled};
    const LineCache::Packed known = LineCache::pack(cells), solved = LineCache::pack(std::vector<Cell>(5, Cell::Filled));
    for (const int entries : {1, 64, 1 << 16}) {
        for (int owner = 0; owner < 3; ++owner) {
            LineCache cache(entries);
            LineCache::Packed found;
            bool consistent = true;
            EXPECT_FALSE(cache.find(7, known, found, consistent)) << entries << " slots, cache " << owner;
            cache.store(7, known, solved, owner % 2 == 0);
            ASSERT_TRUE(cache.find(7, known, found, consistent));
            EXPECT_EQ(found, solved);
            EXPECT_EQ(consistent, owner % 2 == 0);
            EXPECT_FALSE(cache.find(8, known, found, consistent)) << "another line in the same slot";
        }
    }
}

// A line is packed eight cells at a time when they lie side by side and one
// by one down a column: both must put cell i at bits 2i and 2i + 1 for every
// length, across the two words and with a short tail. The line solver reads
// and writes packed lines as masks of one bit a cell, which must agree too.
TEST(LineCache, PacksRowsAndColumnsCellByCell) {
    std::mt19937 random(9u);
    for (int length = 1; length <= LineCache::kMaxCells; ++length) {
        SCOPED_TRACE("length " + std::to_string(length));
        std::vector<Cell> row(static_cast<size_t>(length)), column(static_cast<size_t>(length) * 3);
        LineCache::Packed expected;
        for (int i = 0; i < length; ++i) {
            row[i] = column[i * 3] = static_cast<Cell>(random() % 3);
            (i < 32 ? expected.low : expected.high) |= static_cast<std::uint64_t>(row[i]) << (2 * (i % 32));
        }
        EXPECT_EQ(LineCache::pack(row), expected);
        EXPECT_EQ(LineCache::pack(column.data(), 3, length), expected);
        std::vector<Cell> unpacked(static_cast<size_t>(length));
        LineCache::unpack(expected, unpacked);
        EXPECT_EQ(unpacked, row);
        // As masks of filled and empty cells, and back with unknown cells decided.
        std::uint64_t filled = 0, empty = 0, expectedFilled = 0, expectedEmpty = 0, toFill = 0, toEmpty = 0;
        std::vector<Cell> decided = row;
        for (int i = 0; i < length; ++i) {
            const std::uint64_t bit = std::uint64_t{1} << i;
            if (row[i] == Cell::Filled) expectedFilled |= bit;
            if (row[i] == Cell::Empty) expectedEmpty |= bit;
            if (row[i] == Cell::Unknown && random() % 2) {
                decided[i] = random() % 2 ? Cell::Filled : Cell::Empty;
                (decided[i] == Cell::Filled ? toFill : toEmpty) |= bit;
            }
        }
        LineCache::masksOf(expected, filled, empty);
        EXPECT_EQ(filled, expectedFilled);
        EXPECT_EQ(empty, expectedEmpty);
        EXPECT_EQ(LineCache::withDecided(expected, toFill, toEmpty), LineCache::pack(decided));
    }
}

// Lines of up to 63 cells are solved one machine word at a time, longer ones
// cell by cell. Empty cells appended to a line change nothing about its own
// cells, but take it past 63: the two ways must agree on every line length
// the brute force above cannot reach, the top bits of the word included.
TEST(LineSolver, WordAtATimeAgreesWithCellByCellOnLongLines) {
    std::mt19937 random(20261209u);
    int consistent = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const int length = 13 + static_cast<int>(random() % 51);   // 13 .. 63
        std::vector<Cell> picture(length);
        const int density = static_cast<int>(random() % 100);
        for (Cell& cell : picture) cell = static_cast<int>(random() % 100) < density ? Cell::Filled : Cell::Empty;
        Clue clue;
        for (int i = 0; i < length; ++i) {
            if (picture[i] != Cell::Filled) continue;
            if (i == 0 || picture[i - 1] != Cell::Filled) clue.push_back(0);
            ++clue.back();
        }
        // Sometimes a clue that no longer fits the known cells.
        if (trial % 5 == 0 && !clue.empty()) clue[random() % clue.size()] += 1;
        std::vector<Cell> line(length, Cell::Unknown);
        const int knownPercent = static_cast<int>(random() % 100);
        for (int i = 0; i < length; ++i)
            if (static_cast<int>(random() % 100) < knownPercent) line[i] = picture[i];
        std::vector<Cell> padded = line;
        padded.resize(70, Cell::Empty);
        const bool fits = solveLine(clue, line);
        ASSERT_EQ(fits, solveLine(clue, padded)) << "trial " << trial;
        if (!fits) continue;
        ++consistent;
        ASSERT_EQ(line, std::vector<Cell>(padded.begin(), padded.begin() + length)) << "trial " << trial;
    }
    EXPECT_GT(consistent, 10000);
}

}  // namespace
}  // namespace mosarin::solver
