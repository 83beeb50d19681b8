// Packed rows, size characters, and clearing grids and libraries.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "picture/packed_rows.h"

namespace mosarin {
namespace {

std::string emptyGroups(int n) { return std::string(static_cast<std::size_t>(n), '@'); }

TEST(PackRows, OnlyTopLeftCellGivesCapitalPThenEmptyGroups) {
    CellGrid grid;
    grid.at(1, 1) = 1;
    EXPECT_EQ(packRows(grid), "P" + emptyGroups(239));
}

TEST(PackRows, OnlyBottomRightCellGivesEmptyGroupsThenCapitalA) {
    CellGrid grid;
    grid.at(40, 30) = 1;
    EXPECT_EQ(packRows(grid), emptyGroups(239) + "A");
}

TEST(PackRows, LeftmostColumnOfAGroupIsTheHighBit) {
    CellGrid grid;
    for (int column : {1, 3, 5}) grid.at(column, 2) = 1;
    for (int column = 1; column <= 40; ++column) grid.at(column, 3) = 1;
    grid.at(6, 4) = 1;  // first cell of the second group
    const std::string packed = packRows(grid);
    EXPECT_EQ(packed.substr(8, 8), "U" + emptyGroups(7));
    EXPECT_EQ(packed.substr(16, 8), std::string(8, '_'));
    EXPECT_EQ(packed.substr(24, 8), "@P" + emptyGroups(6));
}

TEST(PackRows, OnlyCellsHoldingExactlyOneCountAsFilled) {
    for (int state : {0, 2, -1, 3, 255}) {
        SCOPED_TRACE(state);
        CellGrid grid;
        grid.at(1, 1) = state;
        EXPECT_EQ(packRows(grid), emptyGroups(240));
    }
}

TEST(PackRows, CellsOutsideANarrowPictureArePackedAsTheyStand) {
    // A picture 7 wide: columns 8..40 still take part.
    CellGrid grid;
    grid.at(7, 1) = 1;
    grid.at(8, 1) = 1;
    grid.at(40, 1) = 1;
    const std::string packed = packRows(grid);
    ASSERT_EQ(packed.size(), 240u);
    EXPECT_EQ(packed.substr(0, 8), std::string("@L") + emptyGroups(5) + "A");
}

TEST(PackRows, IgnoresCellsBeyondFortyByThirty) {
    CellGrid grid;
    grid.at(41, 1) = 1;
    grid.at(1, 31) = 1;
    grid.at(50, 50) = 1;
    EXPECT_EQ(packRows(grid), emptyGroups(240));
}

TEST(UnpackRows, ThenPackGivesEveryValidTextBack) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> code(64, 95);
    for (int round = 0; round < 200; ++round) {
        std::string text(240, '@');
        for (char& c : text) c = static_cast<char>(code(random));
        CellGrid grid;
        unpackRows(text, grid);
        ASSERT_EQ(packRows(grid), text) << "round " << round;
    }
}

TEST(UnpackRows, OverwritesEveryCellOfThePictureAreaAndNothingElse) {
    CellGrid grid;
    for (auto& column : grid.cells) column.fill(7);
    unpackRows("P" + emptyGroups(239), grid);
    EXPECT_EQ(grid.at(1, 1), 1);
    for (int column = 1; column <= 40; ++column) {
        for (int row = 1; row <= 30; ++row) {
            if (column == 1 && row == 1) continue;
            ASSERT_EQ(grid.at(column, row), 0) << column << "," << row;
        }
    }
    EXPECT_EQ(grid.at(41, 1), 7);
    EXPECT_EQ(grid.at(1, 31), 7);
    EXPECT_EQ(grid.at(0, 0), 7);
    EXPECT_EQ(grid.at(50, 50), 7);
}

TEST(UnpackRows, ShortTextLeavesTheMissingGroupsEmpty) {
    CellGrid grid;
    for (auto& column : grid.cells) column.fill(1);
    unpackRows("_@A", grid);  // row 1: columns 1..5 filled, column 15 filled
    for (int column = 1; column <= 40; ++column) {
        const bool filled = column <= 5 || column == 15;
        EXPECT_EQ(grid.at(column, 1), filled ? 1 : 0) << column;
    }
    for (int row = 2; row <= 30; ++row) {
        for (int column = 1; column <= 40; ++column) ASSERT_EQ(grid.at(column, row), 0);
    }
}

TEST(UnpackRows, EmptyTextClearsThePictureArea) {
    CellGrid grid;
    for (auto& column : grid.cells) column.fill(1);
    unpackRows("", grid);
    EXPECT_EQ(packRows(grid), emptyGroups(240));
}

TEST(UnpackRows, OnlyTheLowFiveBitsOfACharacterCount) {
    struct Case {
        char c;
        int expectedGroupValue;
    };
    const Case cases[] = {
        {'`', 0},                     // 96: one past the range
        {'\x7f', 31},                 // 127 - 64 = 63
        {'\0', 0},                    // below the range
        {'!', 1},                     // 33 - 64 = -31
        {static_cast<char>(200), 8},  // 200 - 64 = 136
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.c)));
        CellGrid grid;
        unpackRows(std::string(1, c.c) + emptyGroups(239), grid);
        const std::string packed = packRows(grid);
        EXPECT_EQ(packed[0], static_cast<char>('@' + c.expectedGroupValue));
        EXPECT_EQ(packed.substr(1), emptyGroups(239));
    }
}

TEST(UnpackRows, CharactersBeyondTheFirst240AreIgnored) {
    CellGrid grid;
    unpackRows(emptyGroups(240) + "____", grid);
    EXPECT_EQ(grid.at(1, 31), 0);
    EXPECT_EQ(packRows(grid), emptyGroups(240));
}

TEST(SizeChar, IsCodeFortyPlusTheValue) {
    struct Case {
        int value;
        char c;
    };
    const Case cases[] = {{40, 'P'}, {30, 'F'}, {1, ')'}, {7, '/'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(sizeChar(c.value), c.c);
        EXPECT_EQ(sizeFromChar(c.c), c.value);
    }
}

TEST(SizeChar, ValuesOutOfRangeStillGiveAReadableSize) {
    EXPECT_EQ(sizeChar(0), ')');
    EXPECT_EQ(sizeChar(-100), ')');
    EXPECT_EQ(sizeChar(41), 'P');
    EXPECT_EQ(sizeChar(1000), 'P');
}

TEST(SizeFromChar, ReadsAnyCharacterWithoutSignTrouble) {
    EXPECT_EQ(sizeFromChar('\0'), -40);
    EXPECT_EQ(sizeFromChar(static_cast<char>(200)), 160);
}

TEST(CellGridClear, ClearsIndicesOneToFiftyAndLeavesIndexZero) {
    CellGrid grid;
    for (auto& column : grid.cells) column.fill(5);
    grid.clear();
    EXPECT_EQ(grid.at(0, 0), 5);
    EXPECT_EQ(grid.at(0, 7), 5);
    EXPECT_EQ(grid.at(7, 0), 5);
    for (int column = 1; column <= 50; ++column) {
        for (int row = 1; row <= 50; ++row) ASSERT_EQ(grid.at(column, row), 0);
    }
}

TEST(PictureLibraryClear, ResetsEverySlotAndTheCount) {
    TPictureLibrary library;
    for (int slot : {0, 1, 500, 1000}) {
        library.slots[slot] = {std::string(240, '_'), 3, 4, {1, 2, 3, 4, 5}};
    }
    library.count = 1000;
    library.clear();
    EXPECT_EQ(library.count, 0);
    for (int slot : {0, 1, 500, 1000}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(library.slots[slot].packedRows, "");
        EXPECT_EQ(library.slots[slot].width, 40);
        EXPECT_EQ(library.slots[slot].height, 30);
        EXPECT_EQ(library.slots[slot].colors, (ColorSet{0, 0, 0, 0, 0}));
    }
}

}  // namespace
}  // namespace mosarin
