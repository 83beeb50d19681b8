// The explained hint: which row holds a mistake, which cell one line decides
// and why, which trial breaks a line, and silence on a finished picture.
// Pictures and boards are written as rows: '#' filled, '.' empty, 'x' a dot.
#include <gtest/gtest.h>

#include "game/hint.h"
#include "tests/game/rules_fixtures.h"

namespace mosarin::testing {
namespace {

struct HintCase {
    const char* name;
    std::vector<std::string> picture;
    std::vector<std::string> board;
    HintKind kind;
    int row, column;   // 0-based, -1 when not named
    const char* sentence;
};

const HintCase kHintCases[] = {
    // Row 3's dot lies on a filled cell; row 4's filled cell on an empty one comes later.
    {"DotOnAFilledCell", {"#####", "#...#", "#.#.#", "#...#", "#####"}, {"#", "", "..x", ".#"},
     HintKind::Mistake, 2, -1, "Row 3 has a mistake."},
    {"FilledOnAnEmptyCell", {"#####", "#...#", "#.#.#", "#...#", "#####"}, {"#####", ".#"},
     HintKind::Mistake, 1, -1, "Row 2 has a mistake."},
    // The 6 overlaps itself in columns 2..6 of 7; the empty rows decide only empties.
    {"RowFilledByOneRun", {".######", ".......", "#.#....", "......."}, {},
     HintKind::LineDeduction, 0, 1, "Row 1 (6): column 2 must be filled: every way of placing the 6 covers it."},
    // Two runs of 3 fill 7 cells exactly; two 3s are told apart.
    {"RowFilledByANamedOfTwoEqualRuns", {"###.###", "......."}, {},
     HintKind::LineDeduction, 0, 0, "Row 1 (3 3): column 1 must be filled: every way of placing the first 3 covers it."},
    // With row 5 filled and row 6 dotted, 2 2 is ##.##... or ...##.##: row 4
    // is filled either way, by the first run or by the second.
    {"ColumnFilledByDifferentRuns", {"#..", "#..", "...", "#..", "#..", "...", "...", "..."},
     {"", "", "", "", "#..", "x.."},
     HintKind::LineDeduction, 3, 0, "Column 1 (2 2): row 4 must be filled: every way of placing the runs covers it."},
    // Column 2's run of 3 is all found; rows 4 and 5 (1) still have three
    // places for their cell each.
    {"ColumnEmptyBeyondItsRun", {".#...", ".#...", ".#...", "...#.", "....#"},
     {"x#xxx", "x#xxx", "x#xxx", "x.x..", "x.x.."},
     HintKind::LineDeduction, 3, 1, "Column 2 (3): row 4 must be empty: no run can reach it."},
    {"EmptyColumnBeatsShorterEmptyRows", {"#..", "...", "...", "..#"}, {},
     HintKind::LineDeduction, 0, 1, "Column 2 (0): row 1 must be empty: no run can reach it."},
    // No line decides a cell of the empty board. Filling the top-left cell
    // empties the rest of row 1, fills row 2 column 1 and, through the
    // columns, leaves row 3 (1 1) with two filled cells side by side.
    {"OnlyATrialDecides", {"..#..", "...##", "..#.#", "##...", "##..."}, {},
     HintKind::Probe, 0, 0,
     "No single row or column decides another cell. If column 1 row 1 were filled, row 3 could not be completed."},
    // Both diagonals fit the clues: nothing can be decided.
    {"TwoSolutions", {"#.", ".#"}, {}, HintKind::NoDeduction, -1, -1,
     "No single row or column, nor a single trial, decides another cell."},
    // Every picture cell filled, dots elsewhere: the end screen is next.
    {"FinishedPicture", {"#.", ".#"}, {"#x", ".#"}, HintKind::None, -1, -1, ""},
};

TEST(Hint, NamesThePlaceAndExplainsIt) {
    for (const HintCase& test : kHintCases) {
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
