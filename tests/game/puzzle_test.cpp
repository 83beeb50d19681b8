// Turning pictures into puzzles: clue texts, the hidden solution, starting
// and resetting games, and the picture list entries.
#include <gtest/gtest.h>

#include "game/play_input.h"
#include "game/puzzle.h"
#include "picture/library_file.h"
#include "shell/app_info.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using testing::kTestColors;
using testing::pictureOf;
using testing::stateWith;

std::vector<int> cellsOf(const std::string& notation) {
    std::vector<int> cells;
    for (char c : notation) cells.push_back(c == '#' ? 1 : 0);
    return cells;
}

struct ClueCase {
    const char* line;
    const char* expected;
};

TEST(ClueText, RunsAreTwoDigitLengthsInReadingOrder) {
    const ClueCase cases[] = {
        {"##..#..###", "020103"},
        {"########################################", "40"},
        {"..........", ""},
        {"#", "01"},
        {".", ""},
        {"#.#.#", "010101"},
        {"....############", "12"},
        {"#########.#", "0901"},
    };
    for (const ClueCase& c : cases) {
        SCOPED_TRACE(c.line);
        const std::vector<int> cells = cellsOf(c.line);
        EXPECT_EQ(clueText(cells.data(), static_cast<int>(cells.size())), c.expected);
    }
}

TEST(ClueText, CountsOnlyCellsHoldingOne) {
    const int cells[] = {1, 2, 1, 1, 3, 1};
    EXPECT_EQ(clueText(cells, 6), "010201");
}

TEST(Asignarvec, CluesForEveryRowAndColumnOfThePicture) {
    GameState state = stateWith({pictureOf({
        "##..#..###",
        "..........",
        "#########.",
    })});
    asignarvec(state);
    EXPECT_EQ(state.rowClues[1], "020103");
    EXPECT_EQ(state.rowClues[2], "");
    EXPECT_EQ(state.rowClues[3], "09");
    const char* columns[] = {"0101", "0101", "01", "01", "0101", "01", "01", "0101", "0101", "01"};
    for (int c = 1; c <= 10; ++c) EXPECT_EQ(state.columnClues[static_cast<size_t>(c)], columns[c - 1]) << "column " << c;
    EXPECT_EQ(state.colors, kTestColors);
}

TEST(Asignarvec, OneColumnPicture) {
    GameState state = stateWith({pictureOf({"#", "#", ".", "#", "."})});
    asignarvec(state);
    const char* rows[] = {"01", "01", "", "01", ""};
    for (int r = 1; r <= 5; ++r) EXPECT_EQ(state.rowClues[static_cast<size_t>(r)], rows[r - 1]) << "row " << r;
    EXPECT_EQ(state.columnClues[1], "0201");
}

TEST(Asignarvec, FilledBitsBeyondThePictureReachTheSolutionButNotTheClues) {
    TPictureRecord record = pictureOf({"...", "..."});
    record.packedRows = std::string(240, '_');   // every one of the 40 x 30 cells filled
    GameState state = stateWith({record});
    state.rowClues[3] = "old";
    state.columnClues[4] = "old";
    asignarvec(state);
    EXPECT_EQ(state.solutionGrid.at(4, 1), 1);
    EXPECT_EQ(state.solutionGrid.at(1, 3), 1);
    EXPECT_EQ(state.solutionGrid.at(40, 30), 1);
    EXPECT_EQ(state.rowClues[1], "03");
    EXPECT_EQ(state.rowClues[2], "03");
    EXPECT_EQ(state.columnClues[1], "02");
    EXPECT_EQ(state.columnClues[3], "02");
    EXPECT_EQ(state.rowClues[3], "old");
    EXPECT_EQ(state.columnClues[4], "old");
}

TEST(Asignarvec, ShortPackedRowsReadAsEmptyCells) {
    TPictureRecord record = pictureOf({"..........", ".........."});
    record.packedRows = "_";   // only the first five cells of row 1
    GameState state = stateWith({record});
    state.solutionGrid.at(7, 2) = 1;
    asignarvec(state);
    EXPECT_EQ(state.rowClues[1], "05");
    EXPECT_EQ(state.rowClues[2], "");
    EXPECT_EQ(state.solutionGrid.at(7, 2), 0);
}

TEST(Asignarvec, RefusesANumberOutsideTheLibraryAndChangesNothing) {
    GameState state = stateWith({pictureOf({"#."}), pictureOf({".#"})});
    state.currentPicture = 1;
    asignarvec(state);
    for (int number : {0, 3, -1, kMaxPictures + 1}) {
        SCOPED_TRACE(number);
        GameState before = state;
        state.currentPicture = number;
        try {
            asignarvec(state);
            FAIL() << "accepted picture " << number;
        } catch (const MosarinError& e) {
            EXPECT_NE(std::string(e.what()).find(std::to_string(number)), std::string::npos) << e.what();
        }
        EXPECT_EQ(state.solutionGrid.cells, before.solutionGrid.cells);
        EXPECT_EQ(state.rowClues, before.rowClues);
        EXPECT_EQ(state.columnClues, before.columnClues);
        EXPECT_EQ(state.colors, before.colors);
        state.currentPicture = before.currentPicture;
    }
}

TEST(StartSelectedPicture, NothingSelectedOrNoSuchEntryStartsNothing) {
    GameState state = stateWith({pictureOf({"#."})});
    state.currentPicture = 1;
    for (int index : {-1, 1, 5}) {
        SCOPED_TRACE(index);
        EXPECT_FALSE(startSelectedPicture(state, index));
        EXPECT_FALSE(state.puzzleActive);
        EXPECT_FALSE(state.boardShown);
        EXPECT_EQ(state.currentPicture, 1);
    }
}

TEST(StartSelectedPicture, SetsUpThePuzzleAndClearsOnlyItsArea) {
    GameState state = stateWith({pictureOf({"#..", ".#."}, {1, 2, 3, 4, 5}), pictureOf({"##"})});
    state.playGrid.at(1, 1) = cellFilled;
    state.playGrid.at(3, 2) = cellMarked;
    state.playGrid.at(4, 1) = cellFilled;   // outside the 3 x 2 area
    state.playGrid.at(1, 3) = cellMarked;
    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_EQ(state.currentPicture, 1);
    EXPECT_EQ(state.colors, (ColorSet{1, 2, 3, 4, 5}));
    EXPECT_EQ(state.rowClues[2], "01");
    EXPECT_EQ(state.playGrid.at(1, 1), cellEmpty);
    EXPECT_EQ(state.playGrid.at(3, 2), cellEmpty);
    EXPECT_EQ(state.playGrid.at(4, 1), cellFilled);
    EXPECT_EQ(state.playGrid.at(1, 3), cellMarked);
    EXPECT_TRUE(state.puzzleActive);
    EXPECT_TRUE(state.boardStale);
    EXPECT_TRUE(state.redrawPending);
    EXPECT_TRUE(state.boardShown);
}

// Start -> Playing -> Finished -> Playing again (the same picture restarted)
// -> Start, as the completion check and the reset see it.
TEST(GameStates, PlayFinishReplayAndReset) {
    testing::TempFolder folder;
    GameState state = stateWith({pictureOf({"#.", ".#"})});
    inicializarvar1(state, folder / "absent.txt");
    EXPECT_FALSE(state.boardShown);
    EXPECT_FALSE(state.puzzleActive);

    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_FALSE(completionCheck(state));
    EXPECT_TRUE(state.boardShown && state.puzzleActive && !state.solved);

    testing::setPlayCells(state, {"#.", ".#"});
    EXPECT_TRUE(completionCheck(state));

    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_TRUE(state.solved) << "only the next frame's check decides";
    EXPECT_FALSE(completionCheck(state));
    EXPECT_EQ(state.playGrid.at(1, 1), cellEmpty);

    inicializarvar1(state, folder / "absent.txt");
    EXPECT_FALSE(state.boardShown);
    EXPECT_FALSE(state.puzzleActive);
}

TEST(Inicializarvar1, ResetsFieldsButNotTheDrag) {
    testing::TempFolder folder;
    GameState state = stateWith({pictureOf({"##"})});
    state.currentPicture = 1;
    asignarvec(state);
    state.blinkCount = 5;
    state.lastColumn = state.lastRow = state.hoverColumn = state.hoverRow = 3;
    state.dragMode = dragFill;
    state.dragging = 1;
    state.puzzleActive = state.boardShown = true;
    state.redrawPending = state.boardStale = false;
    state.columnClues[40] = "01";
    state.rowClues[30] = "01";

    const LibraryReadReport report = inicializarvar1(state, folder / "absent.txt");
    EXPECT_FALSE(report.opened);
    EXPECT_EQ(state.blinkCount, 0);
    EXPECT_EQ(state.colors, kDefaultGameColors);
    EXPECT_EQ(state.lastColumn, -1);
    EXPECT_EQ(state.lastRow, -1);
    EXPECT_EQ(state.hoverColumn, -1);
    EXPECT_EQ(state.hoverRow, -1);
    EXPECT_EQ(state.dragMode, dragNone);
    EXPECT_EQ(state.dragging, 1);
    EXPECT_TRUE(state.redrawPending);
    EXPECT_TRUE(state.boardStale);
    EXPECT_FALSE(state.puzzleActive);
    EXPECT_FALSE(state.boardShown);
    for (const std::string& clue : state.columnClues) EXPECT_EQ(clue, "");
    for (const std::string& clue : state.rowClues) EXPECT_EQ(clue, "");
}

TEST(Inicializarvar1, MissingFileKeepsLibraryAndPictureNumber) {
    testing::TempFolder folder;
    GameState state = stateWith({pictureOf({"#"}), pictureOf({"."}), pictureOf({"#"})});
    state.currentPicture = 3;
    inicializarvar1(state, folder / "absent.txt");
    EXPECT_EQ(state.library.count, 3);
    EXPECT_EQ(state.currentPicture, 3);
    EXPECT_EQ(state.colors, kDefaultGameColors);
}

TEST(Inicializarvar1, ReadsTheLibraryAndTakesTheLastLinesColours) {
    testing::TempFolder folder;
    const ColorSet last = {11, 12, 13, 14, 15};
    const std::string file = formatPictureLine(pictureOf({"#."}, {1, 2, 3, 4, 5})) +
                             formatPictureLine(pictureOf({"##", "##"}, {6, 7, 8, 9, 10})) +
                             formatPictureLine(pictureOf({"..."}, last));
    testing::writeBytes(folder / "pictures.txt", file);
    GameState state;
    state.currentPicture = 7;
    const LibraryReadReport report = inicializarvar1(state, folder / "pictures.txt");
    EXPECT_TRUE(report.opened);
    EXPECT_EQ(state.library.count, 3);
    EXPECT_EQ(state.library.slots[2].height, 2);
    EXPECT_EQ(state.colors, last);
    EXPECT_EQ(state.currentPicture, 1);
}

TEST(Inicializarvar1, EmptyFileKeepsDefaultColoursAndSetsPictureOne) {
    testing::TempFolder folder;
    testing::writeBytes(folder / "pictures.txt", "");
    GameState state = stateWith({pictureOf({"#"})});
    state.currentPicture = 4;
    inicializarvar1(state, folder / "pictures.txt");
    EXPECT_EQ(state.library.count, 0);
    EXPECT_EQ(state.currentPicture, 1);
    EXPECT_EQ(state.colors, kDefaultGameColors);
}

TEST(PictureListEntries, NumberAndSizeOfEverySlot) {
    TPictureLibrary library;
    library.count = 12;
    library.slots[5].width = 5;
    library.slots[5].height = 5;
    library.slots[7].width = 25;
    library.slots[7].height = 20;
    library.slots[13].width = 1;   // beyond the count: not listed
    const std::vector<std::string> entries = pictureListEntries(library);
    ASSERT_EQ(entries.size(), 12u);
    EXPECT_EQ(entries[0], "Pic0001 40 x 30");
    EXPECT_EQ(entries[4], "Pic0005 05 x 05");
    EXPECT_EQ(entries[6], "Pic0007 25 x 20");
    EXPECT_EQ(entries[11], "Pic0012 40 x 30");
}

}  // namespace
}  // namespace mosarin
