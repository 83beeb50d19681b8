// Packed rows, size characters, and clearing grids and libraries.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "picture/packed_rows.h"
#include "tests/picture/library_lines.h"

namespace mosarin {
namespace {

// 240 empty groups but for the given (position, character) pairs.
std::string packed(std::initializer_list<std::pair<int, char>> groups = {}) {
    std::string text(240, '@');
    for (const auto& [position, c] : groups) text[static_cast<std::size_t>(position)] = c;
    return text;
}

TEST(PackRows, GivesOneCharacterPerFiveCellsWithTheLeftmostAsHighBit) {
    // Name, the cells set as (column, row, state), the packed text.
    const std::tuple<const char*, std::vector<std::tuple<int, int, int>>, std::string> cases[] = {
        {"only [1][1]", {{1, 1, 1}}, packed({{0, 'P'}})},
        {"only [40][30]", {{40, 30, 1}}, packed({{239, 'A'}})},
        {"every bit weight", {{1, 2, 1}, {3, 2, 1}, {5, 2, 1}, {2, 3, 1}, {4, 3, 1}}, packed({{8, 'U'}, {16, 'J'}})},
        {"first cell of the second group", {{6, 4, 1}}, packed({{25, 'P'}})},
        {"states other than 1 are empty", {{1, 1, 2}, {2, 1, -1}, {3, 1, 3}, {4, 1, 255}}, packed()},
        {"width 7: later columns still count", {{7, 1, 1}, {8, 1, 1}, {40, 1, 1}}, packed({{1, 'L'}, {7, 'A'}})},
        {"cells beyond 40 x 30", {{41, 1, 1}, {1, 31, 1}, {50, 50, 1}}, packed()},
    };
    for (const auto& [name, cells, expected] : cases) {
        CellGrid grid;
        for (const auto& [column, row, state] : cells) grid.at(column, row) = state;
        EXPECT_EQ(packRows(grid), expected) << name;
    }
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

TEST(UnpackRows, WritesOnlyThePictureAreaWhateverTheText) {
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"one filled cell", packed({{0, 'P'}}), packed({{0, 'P'}})},
        {"short text: the rest is empty", "_@A", packed({{0, '_'}, {2, 'A'}})},
        {"empty text", "", packed()},
        {"characters past the 240th", packed() + "____", packed()},
        {"codes outside 64..95 keep their low five bits", std::string("`\x7f\0!\xC8", 5),
         packed({{1, '_'}, {3, 'A'}, {4, 'H'}})},
    };
    for (const auto& [name, text, expected] : cases) {
        SCOPED_TRACE(name);
        CellGrid grid;
        for (auto& column : grid.cells) column.fill(7);
        unpackRows(text, grid);
        for (int i = 0; i < kGridSize * kGridSize; ++i) {
            const int column = i / kGridSize, row = i % kGridSize, cell = grid.at(column, row);
            const bool inPicture = column >= 1 && column <= 40 && row >= 1 && row <= 30;
            ASSERT_TRUE(inPicture ? cell == 0 || cell == 1 : cell == 7) << column << "," << row << ": " << cell;
        }
        EXPECT_EQ(packRows(grid), expected);
    }
}

TEST(SizeChar, IsCodeFortyPlusTheSizeClampedIntoOneToForty) {
    const std::pair<int, char> cases[] = {{40, 'P'}, {30, 'F'},   {1, ')'},  {7, '/'},
                                          {0, ')'},  {-100, ')'}, {41, 'P'}, {1000, 'P'}};
    for (const auto& [value, c] : cases) EXPECT_EQ(sizeChar(value), c) << value;
    // Reading back clamps nothing, and codes above 127 are not negative.
    const std::pair<char, int> readBack[] = {{'P', 40}, {')', 1}, {'\0', -40}, {static_cast<char>(200), 160}};
    for (const auto& [c, value] : readBack) EXPECT_EQ(sizeFromChar(c), value) << value;
}

TEST(Clear, ResetsGridCellsFromOneAndEveryLibrarySlot) {
    CellGrid grid;
    for (auto& column : grid.cells) column.fill(5);
    grid.clear();
    for (int i = 0; i < kGridSize * kGridSize; ++i) {
        ASSERT_EQ(grid.at(i / kGridSize, i % kGridSize), i / kGridSize && i % kGridSize ? 0 : 5) << i;
    }
    TPictureLibrary library;
    library.slots[0] = library.slots[1000] = {std::string(240, '_'), 3, 4, {1, 2, 3, 4, 5}};
    library.count = 1000;
    library.clear();
    EXPECT_EQ(library.count, 0);
    const TPictureRecord cleared{"", 40, 30, {}};
    for (int slot : {0, 1000}) EXPECT_EQ(testing::fields(library.slots[slot]), testing::fields(cleared)) << slot;
}

}  // namespace
}  // namespace mosarin
