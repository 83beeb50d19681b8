// Saving and loading games at the model level: bytes, round trips and the
// refusals that keep the game in progress untouched.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "game/puzzle.h"
#include "game/saved_games.h"
#include "tests/game/rules_fixtures.h"
#include "tests/picture/fifo_guard.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

// Pictures 1..4, picture n being n columns wide with its first row filled.
GameState fourPictures() { return stateWith({pictureSized(1, 5), pictureSized(2, 5), pictureSized(3, 5), pictureSized(4, 5)}); }

TEST(SaveGame, WritesEveryCellAsADigitAndASecondSaveInTheMinuteReplacesTheFirst) {
    TempFolder folder;
    GameState state = fourPictures();
    ASSERT_TRUE(startSelectedPicture(state, 2));
    setPlayCells(state, {"#x"});
    state.playGrid.at(40, 30) = cellFilled;   // outside the picture: kept as it stands
    ASSERT_TRUE(saveGame(state, folder.path(), {2026, 3, 5, 9, 4, 0}).written);
    state.playGrid.at(3, 1) = cellFilled;
    const SaveGameOutcome second = saveGame(state, folder.path(), {2026, 3, 5, 9, 4, 59});
    ASSERT_TRUE(second.written) << second.error;
    EXPECT_EQ(second.file, folder / "Pic0003Date0503Time0904.pgu");

    std::string expected = "0003121" + std::string(1196, '0') + "1\r\n";
    EXPECT_EQ(readBytes(second.file), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(LoadGame, RoundTripRestoresEveryCellIncludingMarksOutsideThePicture) {
    TempFolder folder;
    GameState saved = fourPictures();
    ASSERT_TRUE(startSelectedPicture(saved, 3));
    for (int r = 1; r <= kMaxHeight; ++r)
        for (int c = 1; c <= kMaxWidth; ++c) saved.playGrid.at(c, r) = (c * 7 + r * 3) % 3;
    const SaveGameOutcome written = saveGame(saved, folder.path(), {2026, 6, 1, 12, 0, 0});
    ASSERT_TRUE(written.written);

    GameState loaded = fourPictures();
    ASSERT_EQ(loadGame(loaded, written.file).status, LoadGameStatus::Loaded);
    EXPECT_EQ(loaded.currentPicture, 4);
    EXPECT_EQ(loaded.rowClues[1], "04");
    EXPECT_TRUE(loaded.puzzleActive && loaded.boardStale && loaded.redrawPending);
    EXPECT_EQ(loaded.playGrid.cells, saved.playGrid.cells);
}

TEST(LoadGame, ShortLinesAndStrangeCellsLoadAsEmpty) {
    TempFolder folder;
    std::string line = "0002" + std::string(96, '1');   // cut after 100 characters
    line[4 + 5] = 'x';
    line[4 + 6] = '7';   // a digit the game has no state for
    writeBytes(folder / "short.pgu", line + "\r\n");
    GameState state = fourPictures();
    state.playGrid.at(40, 30) = cellFilled;
    ASSERT_EQ(loadGame(state, folder / "short.pgu").status, LoadGameStatus::Loaded);
    EXPECT_EQ(playRow(state, 1, 8), "#####..#");
    EXPECT_EQ(playRow(state, 3, 17), "################.") << "the 96th cell is the last one read";
    EXPECT_EQ(state.playGrid.at(40, 30), cellEmpty);
}

TEST(LoadGame, RefusesPictureNumbersOutsideTheLibraryAndLeavesTheGameAlone) {
    const std::pair<std::string, int> cases[] = {
        {"0000" + std::string(1200, '0') + "\r\n", 0},      {"0005" + std::string(1200, '1') + "\r\n", 5},
        {"9999" + std::string(1200, '1') + "\r\n", 9999},   {"", 0},
        {"abcd" + std::string(1200, '1') + "\r\n", 0},
    };
    for (const auto& [content, picture] : cases) {
        SCOPED_TRACE(content.substr(0, 4));
        TempFolder folder;
        writeBytes(folder / "game.pgu", content);
        GameState state = fourPictures();
        ASSERT_TRUE(startSelectedPicture(state, 1));
        state.playGrid.at(1, 1) = cellMarked;
        state.boardStale = state.redrawPending = false;
        const GameState before = state;

        const LoadGameOutcome outcome = loadGame(state, folder / "game.pgu");
        EXPECT_EQ(outcome.status, LoadGameStatus::BadPicture);
        EXPECT_EQ(outcome.picture, picture);
        EXPECT_EQ(state.currentPicture, before.currentPicture);
        EXPECT_EQ(state.playGrid.cells, before.playGrid.cells);
        EXPECT_EQ(state.rowClues, before.rowClues);
        EXPECT_FALSE(state.redrawPending || state.boardStale);
    }
}

TEST(LoadGame, RefusalMessageSaysWhichPicturesTheLibraryHolds) {
    const std::pair<int, const char*> cases[] = {
        {0, "it holds no pictures"}, {1, "it holds only picture 1"}, {12, "it holds pictures 1 to 12"}};
    for (const auto& [count, holds] : cases) {
        EXPECT_EQ(badPictureMessage("/x/a.pgu", 13, count),
                  std::string("The saved game \"/x/a.pgu\" is for picture 13, which is not in the picture library (") +
                      holds + "). Nothing was loaded.");
    }
}

TEST(LoadGame, PipesAndFoldersAreRefusedAtOnceAndLeaveTheGameAlone) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe.pgu").c_str(), 0600), 0);
    std::filesystem::create_directory(folder / "folder.pgu");
    for (const char* name : {"pipe.pgu", "folder.pgu"}) {
        SCOPED_TRACE(name);
        GameState state = fourPictures();
        ASSERT_TRUE(startSelectedPicture(state, 2));
        state.playGrid.at(1, 1) = cellMarked;
        const GameState before = state;
        LoadGameOutcome outcome;
        EXPECT_TRUE(returnsPromptly(folder / "pipe.pgu", [&] { outcome = loadGame(state, folder / name); }));
        EXPECT_EQ(outcome.status, LoadGameStatus::CannotOpen);
        EXPECT_EQ(state.currentPicture, before.currentPicture);
        EXPECT_EQ(state.playGrid.cells, before.playGrid.cells);
    }
}

TEST(LoadGame, OnlyTheBeginningOfALargeFileIsRead) {
    TempFolder folder;
    writeBytes(folder / "big.pgu", "0003" + std::string(1200, '1') + "\r\n" + std::string(1 << 20, 'x'));
    GameState state = fourPictures();
    ASSERT_EQ(loadGame(state, folder / "big.pgu").status, LoadGameStatus::Loaded);
    EXPECT_EQ(state.currentPicture, 3);
    EXPECT_EQ(playRow(state, 30, 3), "###");
}

}  // namespace
}  // namespace mosarin
