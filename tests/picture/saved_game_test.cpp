// Saved game files: the file name, the 1206-byte content, and reading short,
// damaged and empty content.
#include <gtest/gtest.h>

#include <tuple>

#include "picture/saved_game.h"

namespace mosarin {
namespace {

// Index in the content of the cell of column k, row r.
std::size_t cellIndex(int column, int row) { return 4 + 40 * (row - 1) + (column - 1); }

TEST(SavedGameFileName, PictureDayMonthHourMinute) {
    EXPECT_EQ(savedGameFileName(12, {2026, 12, 31, 23, 59, 30}), "Pic0012Date3112Time2359.pgu");
    EXPECT_EQ(savedGameFileName(7, {2026, 3, 5, 9, 4, 0}), "Pic0007Date0503Time0904.pgu");
    EXPECT_EQ(savedGameFileName(1000, {1999, 1, 1, 0, 0, 0}), "Pic1000Date0101Time0000.pgu");
}

TEST(FormatSavedGame, PictureNumberThenOneCharacterPerCellRowByRow) {
    CellGrid grid;
    grid.at(1, 1) = 1;
    grid.at(40, 1) = 2;
    grid.at(3, 2) = 1;
    grid.at(40, 30) = 2;
    for (int column = 2; column <= 5; ++column) grid.at(column, 1) = -1 + 4 * (column - 2);  // unknown: empty
    grid.at(41, 1) = 1;  // outside the 40 x 30 cells: not saved
    std::string expected = "0012" + std::string(1200, '0') + "\r\n";
    expected[cellIndex(1, 1)] = '1';
    expected[cellIndex(40, 1)] = '2';
    expected[cellIndex(3, 2)] = '1';
    expected[cellIndex(40, 30)] = '2';
    EXPECT_EQ(formatSavedGame(12, grid), expected);
}

TEST(ParseSavedGame, ReadsOnlyTheFirstLineAndWhatItHolds) {
    const std::string ones(1200, '1');
    // Name, content, picture number, and the first cells row by row (the rest must be empty).
    const std::tuple<const char*, std::string, int, std::string> cases[] = {
        {"cut after 100 characters", "0003" + ones.substr(0, 96) + "\r\n", 3, ones.substr(0, 96)},
        {"characters other than 1 and 2", std::string("000112x39 -\0" "21", 14), 1, "1200000021"},
        {"CR LF before a second line", "0002\r\n0009" + ones, 2, ""},
        {"LF before a second line", "0002\n0009" + ones, 2, ""},
        {"empty", "", 0, ""},
        {"short number", "12", 12, ""},
        {"the fifth character is the first cell", "00121", 12, "1"},
        {"minus", "-001", -1, ""},
    };
    for (const auto& [name, content, picture, cells] : cases) {
        SCOPED_TRACE(name);
        const SavedGame game = parseSavedGame(content);
        EXPECT_EQ(game.picture, picture);
        for (std::size_t i = 0; i < 1200; ++i) {
            const int expected = i < cells.size() ? cells[i] - '0' : 0;
            ASSERT_EQ(game.cells.at(int(i % 40) + 1, int(i / 40) + 1), expected) << "cell " << i;
        }
    }
}

}  // namespace
}  // namespace mosarin
