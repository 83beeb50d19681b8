// The board's geometry: exactly the designed one at the designed client
// size, and at larger sizes a layout in which the clues are readable and
// none is cut, whatever the puzzle's size and clues.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/board_geometry.h"
#include "game/clue_layout.h"
#include "game/play_input.h"
#include "tests/game/rules_fixtures.h"

namespace mosarin {
namespace {

// Digits of a bold Arial-like face measured at a 100-pixel cell: 50 wide,
// their ink from 17 to 81 below the text box's top.
constexpr ClueFontMetrics kFont{100, 50, 17, 64};

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct Puzzle {
    const char* name;
    int columns, rows;
    std::string rowClue, columnClue;   // the same clue on every row, every column
};

// 40 x 30 alternating cells: 20 ones in every row, 15 in every column.
const Puzzle kSmall{"5 x 5", 5, 5, "0101", "03"};
const Puzzle kMedium{"21 x 16", 21, 16, "040411", "050306"};
const Puzzle kLarge{"40 x 30", 40, 30, "101008", "1205"};
const Puzzle kLongClues{"40 x 30 long clues", 40, 30, repeated("01", 20), repeated("01", 15)};

struct Laid {
    std::vector<std::string> rows, columns;
    BoardGeometry geometry;
};

Laid layOut(const Puzzle& puzzle, int clientWidth, int clientHeight) {
    Laid laid{std::vector<std::string>(size_t(puzzle.rows), puzzle.rowClue),
              std::vector<std::string>(size_t(puzzle.columns), puzzle.columnClue), {}};
    BoardLayoutInput input;
    input.clientWidth = clientWidth;
    input.clientHeight = clientHeight;
    input.columns = puzzle.columns;
    input.rows = puzzle.rows;
    input.rowClues = laid.rows;
    input.columnClues = laid.columns;
    input.font = kFont;
    laid.geometry = boardGeometry(input);
    return laid;
}

TEST(BoardGeometry, TheDesignedClientSizeGivesTheDesignedGeometryWhateverThePuzzle) {
    for (const Puzzle& puzzle : {kSmall, kMedium, kLarge, kLongClues}) {
        SCOPED_TRACE(puzzle.name);
        const BoardGeometry g = layOut(puzzle, 782, 563).geometry;
        EXPECT_TRUE(g.designed);
        EXPECT_EQ(std::vector<int>({g.surfaceWidth, g.surfaceHeight, g.left, g.top, g.pitch, g.clueHeight}),
                  std::vector<int>({780, 555, 130, 120, 14, 11}));
        EXPECT_EQ(std::vector<int>({g.rowStepOneDigit, g.rowStepTwoDigits, g.rowEndGap, g.rowTextDown}),
                  std::vector<int>({8, 13, 0, 0}));
        EXPECT_EQ(std::vector<int>({g.columnLift, g.columnStep, g.columnIndentOneDigit, g.columnIndentTwoDigits}),
                  std::vector<int>({11, 11, 5, 5}));
        EXPECT_EQ(std::vector<int>({g.fillInset, g.fillSize, g.markInset, g.markSize, g.festiveInset, g.festiveSize,
                                    g.festiveRing}),
                  std::vector<int>({2, 11, 6, 4, 1, 13, 1}));
        EXPECT_EQ(std::vector<int>({g.endImageLeft(), g.endImageTop(), g.overlayLeft(), g.overlayTop()}),
                  std::vector<int>({128, 118, 200, 260}));
    }
}

struct Comfortable {
    const Puzzle* puzzle;
    int clientWidth, clientHeight;
    int pitch, left, top;   // pinned
};

// Maximised on a 1920 x 1080 screen (the client a little shorter), and a
// window only slightly larger than designed.
const Comfortable kComfortable[] = {
    {&kSmall, 1920, 1017, 173, 589, 131},  {&kMedium, 1920, 1017, 54, 411, 130},
    {&kLarge, 1920, 1017, 31, 338, 62},    {&kLongClues, 1920, 1017, 23, 599, 294},
    {&kMedium, 800, 600, 30, 77, 90},      {&kLongClues, 1024, 700, 16, 251, 195},
};

TEST(BoardGeometry, ALargerWindowGetsTheLargestPitchAtWhichEveryClueFits) {
    for (const Comfortable& c : kComfortable) {
        SCOPED_TRACE(::testing::Message() << c.puzzle->name << " at " << c.clientWidth << " x " << c.clientHeight);
        const Laid laid = layOut(*c.puzzle, c.clientWidth, c.clientHeight);
        const BoardGeometry& g = laid.geometry;
        EXPECT_FALSE(g.designed);
        EXPECT_EQ(std::vector<int>({g.pitch, g.left, g.top}), std::vector<int>({c.pitch, c.left, c.top}));
        EXPECT_GE(g.pitch, 14);
        EXPECT_GE(g.clueHeight, 11);
        // Half a digit and never under 4 pixels between two numbers of a row,
        // 2 pixels of ink between two of a column.
        const int advance = (kFont.digitAdvance * g.clueHeight + 99) / 100;
        EXPECT_GE(g.rowStepOneDigit - advance, std::max(4, advance / 2));
        EXPECT_GE(g.rowStepTwoDigits - 2 * advance, std::max(4, advance / 2));
        EXPECT_GE(g.columnStep - kFont.inkHeight * g.clueHeight / 100, 2);
        // The board stays left of the buttons and above the surface's bottom.
        EXPECT_LE(g.left + g.pitch * c.puzzle->columns + 1, c.clientWidth - kButtonStripWidth);
        EXPECT_LE(g.top + g.pitch * c.puzzle->rows + 1, g.surfaceHeight);
        // No clue number is cut: every one's text box starts on the surface.
        for (int row = 1; row <= c.puzzle->rows; ++row)
            for (const CluePlacement& p : rowCluePlacements(laid.rows[size_t(row - 1)], g, row)) ASSERT_GE(p.x, 0);
        for (int column = 1; column <= c.puzzle->columns; ++column)
            for (const CluePlacement& p : columnCluePlacements(laid.columns[size_t(column - 1)], g, column))
                ASSERT_GE(p.y + kFont.inkTop * g.clueHeight / 100, 0);
        // A press reaches the cell drawn under it: its middle, its last
        // pixel, and up to a pitch less one left of the first column.
        GameState state = testing::stateWith({testing::pictureSized(c.puzzle->columns, c.puzzle->rows)});
        state.geometry = g;
        const int lastColumn = c.puzzle->columns, lastRow = c.puzzle->rows;
        EXPECT_EQ(hitTest(state, g.cellLeft(3) + g.pitch / 2, g.cellTop(2) + g.pitch / 2), (BoardCell{2, 1}));
        EXPECT_EQ(hitTest(state, g.cellLeft(lastColumn) + g.pitch - 1, g.cellTop(lastRow) + g.pitch - 1),
                  (BoardCell{lastColumn - 1, lastRow - 1}));
        EXPECT_EQ(hitTest(state, g.left - g.pitch + 1, g.top), (BoardCell{0, 0}));
        EXPECT_EQ(hitTest(state, g.left - g.pitch, g.top), std::nullopt);
        EXPECT_EQ(hitTest(state, g.cellLeft(lastColumn + 1), g.top), std::nullopt);
        // A larger pitch would not fit: the next one up cuts something or
        // leaves the space (checked by asking for the same with one pixel less).
        const BoardGeometry tighter = layOut(*c.puzzle, c.clientWidth - 1, c.clientHeight - 1).geometry;
        EXPECT_LE(tighter.pitch, g.pitch);
    }
}

}  // namespace
}  // namespace mosarin
