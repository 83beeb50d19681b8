// The explained hint: a row with a mistake, a cell one line decides and why,
// a trial that breaks a line, silence on a finished picture. Rows: '#'
// filled, '.' empty, 'x' a dot.
#include <gtest/gtest.h>

#include "game/hint.h"
#include "tests/game/rules_fixtures.h"

namespace mosarin::testing {
namespace {

TEST(Hint, NamesThePlaceAndExplainsIt) {
    const struct {
        const char* name;
        std::vector<std::string> picture, board;
        HintKind kind;
        int row, column;   // 0-based, -1 when not named
        const char* sentence;
    } cases[] = {
        // Row 3's dot on a filled cell comes before row 4's filled cell on an empty one.
        {"DotOnAFilledCell", {"#####", "#...#", "#.#.#", "#...#", "#####"}, {"#", "", "..x", ".#"},
         HintKind::Mistake, 2, -1, "Row 3 has a mistake."},
        {"FilledOnAnEmptyCell", {"#####", "#...#", "#.#.#", "#...#", "#####"}, {"#####", ".#"},
         HintKind::Mistake, 1, -1, "Row 2 has a mistake."},
        {"RowFilledByOneRun", {".######", ".......", "#.#....", "......."}, {},
         HintKind::LineDeduction, 0, 1, "Row 1 (6): column 2 must be filled: every way of placing the 6 covers it."},
        {"RowFilledByANamedOfTwoEqualRuns", {"###.###", "......."}, {},
         HintKind::LineDeduction, 0, 0, "Row 1 (3 3): column 1 must be filled: every way of placing the first 3 covers it."},
        // 2 2 is ##.##... or ...##.##: row 4 filled by either run.
        {"ColumnFilledByDifferentRuns", {"#..", "#..", "...", "#..", "#..", "...", "...", "..."},
         {"", "", "", "", "#..", "x.."},
         HintKind::LineDeduction, 3, 0, "Column 1 (2 2): row 4 must be filled: every way of placing the runs covers it."},
        {"ColumnEmptyBeyondItsRun", {".#...", ".#...", ".#...", "...#.", "....#"},
         {"x#xxx", "x#xxx", "x#xxx", "x.x..", "x.x.."},
         HintKind::LineDeduction, 3, 1, "Column 2 (3): row 4 must be empty: no run can reach it."},
        {"EmptyColumnBeatsShorterEmptyRows", {"#..", "...", "...", "..#"}, {},
         HintKind::LineDeduction, 0, 1, "Column 2 (0): row 1 must be empty: no run can reach it."},
        // No line decides a cell of the empty board; a filled top-left cell breaks row 3.
        {"OnlyATrialDecides", {"..#..", "...##", "..#.#", "##...", "##..."}, {},
         HintKind::Probe, 0, 0,
         "No single row or column decides another cell. If column 1 row 1 were filled, row 3 could not be completed."},
        {"TwoSolutions", {"#.", ".#"}, {}, HintKind::NoDeduction, -1, -1,
         "No single row or column, nor a single trial, decides another cell."},
        {"FinishedPicture", {"#.", ".#"}, {"#x", ".#"}, HintKind::None, -1, -1, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        GameState state = playing(test.picture);
        setPlayCells(state, test.board);
        const Hint hint = findHint(state);
        EXPECT_EQ(hint.kind, test.kind);
        EXPECT_EQ(hint.row, test.row);
        EXPECT_EQ(hint.column, test.column);
        EXPECT_EQ(hint.sentence, test.sentence);
    }
}

// On 40 x 30 bands no single line decides a cell, so the hint has to try
// cells. Without time it must say so rather than search on, yet a mistake or
// a cell one line decides never depends on time.
TEST(Hint, TrialsStopWhenTheTimeIsUp) {
    std::vector<std::string> bands(30, std::string(40, '.'));
    for (int row = 0; row < 30; ++row)
        for (int column = 0; column < 40; ++column)
            if ((row + column) % 4 < 2) bands[static_cast<size_t>(row)][static_cast<size_t>(column)] = '#';
    const struct {
        const char* name;
        std::vector<std::string> board;
        std::chrono::microseconds time;
        HintKind kind;
        int row, column;
    } cases[] = {
        {"TrialsWithTime", {}, std::chrono::hours(1), HintKind::Probe, 0, 39},
        {"TrialsWithoutTime", {}, std::chrono::microseconds(0), HintKind::OutOfTime, -1, -1},
        {"MistakeWithoutTime", {"", "x"}, std::chrono::microseconds(0), HintKind::Mistake, 1, -1},
        // With row 2 column 1 filled, a single line decides row 2 column 2.
        {"OneLineDecidesWithoutTime", {"", "#"}, std::chrono::microseconds(0), HintKind::LineDeduction, 1, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        GameState state = playing(bands);
        setPlayCells(state, test.board);
        const Hint hint = findHint(state, test.time);
        EXPECT_EQ(hint.kind, test.kind);
        EXPECT_EQ(hint.row, test.row);
        EXPECT_EQ(hint.column, test.column);
    }
    const Hint late = findHint(playing(bands), std::chrono::microseconds(0));
    EXPECT_EQ(late.sentence, "No single row or column decides another cell, and no trial decided one quickly.");
}

}  // namespace
}  // namespace mosarin::testing
