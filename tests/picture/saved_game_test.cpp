// Saved game files: the file name, the 1206-byte content, and reading short,
// damaged and empty content.
#include <gtest/gtest.h>

#include "picture/saved_game.h"

namespace mosarin {
namespace {

// Index in the content of the cell of column k, row r.
std::size_t cellIndex(int column, int row) { return 4 + 40 * (row - 1) + (column - 1); }

TEST(SavedGameFileName, PictureDayMonthHourMinute) {
    struct Case {
        int picture;
        LocalDateTime when;
        const char* expected;
    };
    const Case cases[] = {
        {12, {2026, 12, 31, 23, 59, 30}, "Pic0012Date3112Time2359.pgu"},
        {7, {2026, 3, 5, 9, 4, 0}, "Pic0007Date0503Time0904.pgu"},
        {1000, {1999, 1, 1, 0, 0, 0}, "Pic1000Date0101Time0000.pgu"},
    };
    for (const Case& c : cases) EXPECT_EQ(savedGameFileName(c.picture, c.when), c.expected);
}

TEST(FormatSavedGame, PictureNumberThenEveryCellRowByRow) {
    CellGrid grid;
    grid.at(1, 1) = 1;
    grid.at(40, 1) = 2;
    grid.at(3, 2) = 1;
    grid.at(40, 30) = 2;
    grid.at(41, 1) = 1;  // outside the 40 x 30 cells: not saved
    std::string expected = "0012" + std::string(1200, '0') + "\r\n";
    expected[cellIndex(1, 1)] = '1';
    expected[cellIndex(40, 1)] = '2';
    expected[cellIndex(3, 2)] = '1';
    expected[cellIndex(40, 30)] = '2';
    const std::string content = formatSavedGame(12, grid);
    EXPECT_EQ(content.size(), 1206u);
    EXPECT_EQ(content, expected);
}

TEST(FormatSavedGame, UnknownCellStatesAreSavedAsEmpty) {
    CellGrid grid;
    const int states[] = {-1, 3, 9, 10, 12345};
    for (int i = 0; i < 5; ++i) grid.at(i + 1, 1) = states[i];
    const std::string content = formatSavedGame(1, grid);
    ASSERT_EQ(content.size(), 1206u);
    EXPECT_EQ(content, "0001" + std::string(1200, '0') + "\r\n");
}

TEST(ParseSavedGame, ReadsBackWhatWasSaved) {
    CellGrid grid;
    for (int row = 1; row <= 30; ++row) {
        for (int column = 1; column <= 40; ++column) grid.at(column, row) = (column * 7 + row * 3) % 3;
    }
    const SavedGame game = parseSavedGame(formatSavedGame(345, grid));
    EXPECT_EQ(game.picture, 345);
    EXPECT_EQ(game.cells.cells, grid.cells);
}

TEST(ParseSavedGame, LineCutAfter100CharactersLeavesTheRestEmpty) {
    std::string line = "0003" + std::string(1200, '1');
    line.resize(100);
    const SavedGame game = parseSavedGame(line + "\r\n");
    EXPECT_EQ(game.picture, 3);
    for (int row = 1; row <= 30; ++row) {
        for (int column = 1; column <= 40; ++column) {
            const int position = 40 * (row - 1) + column;  // within the grid part
            ASSERT_EQ(game.cells.at(column, row), position <= 96 ? 1 : 0) << column << "," << row;
        }
    }
}

TEST(ParseSavedGame, CellCharactersOtherThanOneAndTwoReadAsEmpty) {
    std::string line = "0001" + std::string(1200, '0');
    const char characters[] = {'1', '2', 'x', '3', '9', ' ', '-', '\0'};
    for (int i = 0; i < 8; ++i) line[cellIndex(i + 1, 1)] = characters[i];
    const SavedGame game = parseSavedGame(line);
    const int expected[] = {1, 2, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(game.cells.at(i + 1, 1), expected[i]) << i;
}

TEST(ParseSavedGame, OnlyTheFirstLineCounts) {
    const std::string second = "0009" + std::string(1200, '1');
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"CR LF", "0002\r\n" + second},
        {"LF", "0002\n" + second},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedGame game = parseSavedGame(c.content);
        EXPECT_EQ(game.picture, 2);
        EXPECT_EQ(game.cells.at(1, 1), 0);
    }
}

TEST(ParseSavedGame, PictureNumberFromTheFirstFourCharacters) {
    const struct {
        std::string content;
        int picture;
    } cases[] = {
        {"", 0},
        {"\r\n", 0},
        {"12", 12},
        {"0012", 12},
        {"00123", 12},  // the fifth character is already the first cell
        {"  7x", 7},
        {"abcd", 0},
        {"-001", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        const SavedGame game = parseSavedGame(c.content);
        EXPECT_EQ(game.picture, c.picture);
        EXPECT_EQ(game.cells.cells, CellGrid{}.cells);
    }
}

}  // namespace
}  // namespace mosarin
