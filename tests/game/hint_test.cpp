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

}  // namespace
}  // namespace mosarin::testing
