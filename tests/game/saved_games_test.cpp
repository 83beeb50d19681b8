// Saving and loading games at the model level: file names, bytes, round
// trips and the refusals that keep the game in progress untouched.
#include <gtest/gtest.h>

#include "game/puzzle.h"
#include "game/saved_games.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// A state whose library holds `count` pictures; picture n is n columns wide
// and 5 rows high, with its first row filled and its own picture colour.
GameState stateWith(int count) {
    std::vector<TPictureRecord> pictures;
    for (int n = 1; n <= count; ++n) {
        std::vector<std::string> rows(5, std::string(static_cast<size_t>(n), '.'));
        rows[0] = std::string(static_cast<size_t>(n), '#');
        pictures.push_back(testing::pictureOf(rows, {0x0000FFu * static_cast<Color>(n), 1, 2, 3, 4}));
    }
    return testing::stateWith(pictures);
}

TEST(SaveGame, NamesTheFileAfterPictureDayMonthHourMinute) {
    TempFolder folder;
    GameState state = stateWith(12);
    ASSERT_TRUE(startSelectedPicture(state, 11));
    SaveGameOutcome outcome = saveGame(state, folder.path(), {2026, 12, 31, 23, 59, 58});
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(outcome.file, folder / "Pic0012Date3112Time2359.pgu");
    EXPECT_TRUE(std::filesystem::exists(outcome.file));
}

TEST(SaveGame, WritesTheWholeGridAsDigitsAndReplacesASameNamedFile) {
    TempFolder folder;
    GameState state = stateWith(3);
    ASSERT_TRUE(startSelectedPicture(state, 2));
    state.playGrid.at(1, 1) = cellFilled;
    state.playGrid.at(2, 1) = cellMarked;
    state.playGrid.at(40, 30) = cellFilled;  // outside the picture: kept as it stands
    LocalDateTime when{2026, 3, 5, 9, 4, 0};
    ASSERT_TRUE(saveGame(state, folder.path(), when).written);
    state.playGrid.at(3, 1) = cellFilled;
    SaveGameOutcome second = saveGame(state, folder.path(), {2026, 3, 5, 9, 4, 59});
    ASSERT_TRUE(second.written);

    std::string expected = "0003" + std::string(1200, '0') + "\r\n";
    expected[4 + 0] = '1';
    expected[4 + 1] = '2';
    expected[4 + 2] = '1';
    expected[4 + 1199] = '1';
    std::string bytes = readBytes(folder / "Pic0003Date0503Time0904.pgu");
    EXPECT_EQ(bytes.size(), 1206u);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SaveGame, AFolderThatCannotBeWrittenIsReportedWithPathAndReason) {
    TempFolder folder;
    GameState state = stateWith(1);
    ASSERT_TRUE(startSelectedPicture(state, 0));
    SaveGameOutcome outcome = saveGame(state, folder / "missing", {2026, 1, 2, 3, 4, 5});
    EXPECT_FALSE(outcome.written);
    EXPECT_NE(outcome.error.find((folder / "missing" / "Pic0001Date0201Time0304.pgu").string()), std::string::npos);
    EXPECT_NE(outcome.error.find("No such file or directory"), std::string::npos);
}

TEST(LoadGame, RoundTripRestoresEveryCellIncludingMarksOutsideThePicture) {
    TempFolder folder;
    GameState saved = stateWith(4);
    ASSERT_TRUE(startSelectedPicture(saved, 3));
    for (int r = 1; r <= kMaxHeight; ++r)
        for (int c = 1; c <= kMaxWidth; ++c) saved.playGrid.at(c, r) = (c * 7 + r * 3) % 3;
    SaveGameOutcome written = saveGame(saved, folder.path(), {2026, 6, 1, 12, 0, 0});
    ASSERT_TRUE(written.written);

    GameState loaded = stateWith(4);
    LoadGameOutcome outcome = loadGame(loaded, written.file);
    ASSERT_EQ(outcome.status, LoadGameStatus::Loaded);
    EXPECT_EQ(loaded.currentPicture, 4);
    EXPECT_TRUE(loaded.puzzleActive);
    EXPECT_TRUE(loaded.boardStale);
    EXPECT_TRUE(loaded.redrawPending);
    EXPECT_EQ(loaded.rowClues[1], "04");
    EXPECT_EQ(loaded.colors[colorPicture], 0x0000FFu * 4);
    for (int r = 1; r <= kMaxHeight; ++r)
        for (int c = 1; c <= kMaxWidth; ++c)
            ASSERT_EQ(loaded.playGrid.at(c, r), saved.playGrid.at(c, r)) << c << "," << r;
}

TEST(LoadGame, ShortLinesAndStrangeCellsLoadAsEmpty) {
    TempFolder folder;
    std::string line = "0002" + std::string(96, '1');  // cut after 100 characters
    line[4 + 5] = 'x';
    line[4 + 6] = '7';
    writeBytes(folder / "short.pgu", line + "\r\n");
    GameState state = stateWith(2);
    state.playGrid.at(40, 30) = cellFilled;
    ASSERT_EQ(loadGame(state, folder / "short.pgu").status, LoadGameStatus::Loaded);
    EXPECT_EQ(state.playGrid.at(1, 1), cellFilled);
    EXPECT_EQ(state.playGrid.at(6, 1), cellEmpty);   // 'x'
    EXPECT_EQ(state.playGrid.at(7, 1), cellEmpty);   // a digit the game has no state for
    EXPECT_EQ(state.playGrid.at(16, 3), cellFilled); // the 96th cell
    EXPECT_EQ(state.playGrid.at(17, 3), cellEmpty);  // beyond the line
    EXPECT_EQ(state.playGrid.at(40, 30), cellEmpty);
}

struct RefusedCase {
    const char* name;
    std::string content;
    int picture;
};

class LoadGameRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(LoadGameRefuses, PictureNumbersOutsideTheLibraryAndLeavesTheGameAlone) {
    TempFolder folder;
    writeBytes(folder / "game.pgu", GetParam().content);
    GameState state = stateWith(3);
    ASSERT_TRUE(startSelectedPicture(state, 1));
    state.playGrid.at(1, 1) = cellMarked;
    state.boardStale = false;
    state.redrawPending = false;
    GameState before = state;

    LoadGameOutcome outcome = loadGame(state, folder / "game.pgu");
    EXPECT_EQ(outcome.status, LoadGameStatus::BadPicture);
    EXPECT_EQ(outcome.picture, GetParam().picture);
    EXPECT_EQ(state.currentPicture, before.currentPicture);
    EXPECT_EQ(state.playGrid.cells, before.playGrid.cells);
    EXPECT_EQ(state.rowClues, before.rowClues);
    EXPECT_FALSE(state.redrawPending);
    EXPECT_FALSE(state.boardStale);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LoadGameRefuses,
    ::testing::Values(RefusedCase{"zero", "0000" + std::string(1200, '0') + "\r\n", 0},
                      RefusedCase{"aboveCount", "0004" + std::string(1200, '1') + "\r\n", 4},
                      RefusedCase{"aboveTable", "9999" + std::string(1200, '1') + "\r\n", 9999},
                      RefusedCase{"emptyFile", "", 0},
                      RefusedCase{"notANumber", "abcd" + std::string(1200, '1') + "\r\n", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadGame, MissingFilesAndFoldersAreTold) {
    TempFolder folder;
    GameState state = stateWith(1);
    EXPECT_EQ(loadGame(state, folder / "nothing.pgu").status, LoadGameStatus::Missing);
    EXPECT_EQ(loadGame(state, folder.path()).status, LoadGameStatus::CannotOpen);
}

TEST(LoadGame, BadPictureMessageNamesFileNumberAndRange) {
    EXPECT_EQ(badPictureMessage("/x/a.pgu", 7, 3),
              "The saved game \"/x/a.pgu\" is for picture 7, which is not in the picture library "
              "(pictures 1..3). Nothing was loaded");
    EXPECT_NE(badPictureMessage("/x/a.pgu", 0, 0).find("the library is empty"), std::string::npos);
}

}  // namespace
}  // namespace mosarin
