// The game's rules: turning pictures into puzzles (clues, the hidden
// solution), starting and resetting games, the player's mouse on the board,
// the completion check, and the game states between them.
#include <gtest/gtest.h>

#include "game/play_input.h"
#include "game/puzzle.h"
#include "picture/library_file.h"
#include "shell/app_info.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

std::vector<std::string> blank(int width, int height) { return std::vector<std::string>(height, std::string(width, '.')); }

// A point inside a board cell (0-based); column -1 stands for off the board.
int cellX(int column) { return column < 0 ? 20 : kBoardLeft + kCellPitch * column + 5; }
int cellY(int row) { return kBoardTop + kCellPitch * row + 5; }

// Each case starts from a solution grid left full by an earlier picture.
TEST(Asignarvec, CluesOfEveryRowAndColumnOfThePictureAndItsColours) {
    struct Case {
        std::vector<std::string> picture;
        const char* packed;   // replaces the picture's packed rows when given
        std::vector<std::string> rows, columns;
    };
    const Case cases[] = {
        {{"##..#..###", "..........", "#########."}, nullptr, {"020103", "", "09"},
         {"0101", "0101", "01", "01", "0101", "01", "01", "0101", "0101", "01"}},
        {{"#", "#", ".", "#", "."}, nullptr, {"01", "01", "", "01", ""}, {"0201"}},
        {{std::string(40, '#'), "....############............#.#.#.#.#.#."}, nullptr, {"40", "12010101010101"}, {"01", "01"}},
        {{"...", "..."}, "________________________", {"03", "03"}, {"02", "02", "02"}},   // filled beyond the picture
        {{"..........", ".........."}, "_", {"05", ""}, {"01", "01", "01", "01", "01", ""}},   // short packed rows
    };
    for (const Case& c : cases) {
        TPictureRecord record = pictureOf(c.picture, {1, 2, 3, 4, 5});
        if (c.packed) record.packedRows = c.packed;
        GameState state = stateWith({record});
        for (auto& column : state.solutionGrid.cells) column.fill(1);
        asignarvec(state);
        for (size_t r = 0; r < c.rows.size(); ++r) EXPECT_EQ(state.rowClues[r + 1], c.rows[r]) << "row " << r + 1;
        for (size_t k = 0; k < c.columns.size(); ++k) EXPECT_EQ(state.columnClues[k + 1], c.columns[k]) << "column " << k + 1;
        EXPECT_EQ(state.colors, (ColorSet{1, 2, 3, 4, 5}));
    }
}

TEST(Asignarvec, RefusesASlotOutsideTheLibraryAndChangesNothing) {
    GameState state = stateWith({pictureOf({"#."}), pictureOf({".#"})});
    asignarvec(state);
    for (int number : {0, 3, -1, kMaxPictures + 1}) {
        GameState before = state;
        state.currentPicture = number;
        EXPECT_THROW(asignarvec(state), MosarinError) << number;
        EXPECT_EQ(state.solutionGrid.cells, before.solutionGrid.cells) << number;
        EXPECT_EQ(state.rowClues, before.rowClues);
        EXPECT_EQ(state.colors, before.colors);
        state.currentPicture = before.currentPicture;
    }
}

// Start -> Playing -> Finished -> Playing again (a smaller picture after a
// larger one) -> Start, as the completion check and the reset see them.
TEST(GameStates, PlayFinishReplayAndReset) {
    TempFolder folder;
    GameState state = stateWith({pictureOf({"#..", ".#.", "..."}), pictureOf({"#.", ".#"})});
    inicializarvar1(state, folder / "absent.txt");
    EXPECT_FALSE(startSelectedPicture(state, 2)) << "there is no third picture";
    EXPECT_FALSE(state.boardShown || state.puzzleActive);

    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_TRUE(state.boardShown && state.puzzleActive && state.boardStale && state.redrawPending);
    EXPECT_FALSE(completionCheck(state));
    setPlayCells(state, {"#.x", ".#.", "..."});
    EXPECT_TRUE(completionCheck(state));

    ASSERT_TRUE(startSelectedPicture(state, 1));
    EXPECT_TRUE(state.solved) << "only the next frame's check decides";
    EXPECT_EQ(playRow(state, 1, 3), "..x") << "marks outside the new area stay";
    EXPECT_FALSE(completionCheck(state));

    inicializarvar1(state, folder / "absent.txt");
    EXPECT_FALSE(state.boardShown || state.puzzleActive);
}

TEST(Inicializarvar1, ResetsTheStateAndReadsTheLibraryAgain) {
    const ColorSet last = {11, 12, 13, 14, 15};
    struct Case {
        const char* name;
        std::optional<std::string> file;   // none: no library file
        int count, picture;
        ColorSet colors;
    };
    const Case cases[] = {
        {"missing file keeps library and number", std::nullopt, 2, 2, kDefaultGameColors},
        {"empty file", "", 0, 1, kDefaultGameColors},
        {"last line's colours",
         formatPictureLine(pictureOf({"#."}, {1, 2, 3, 4, 5})) + formatPictureLine(pictureOf({"#"})) +
             formatPictureLine(pictureOf({"..."}, last)), 3, 1, last},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        if (c.file) writeBytes(folder / "pictures.txt", *c.file);
        GameState state = stateWith({pictureOf({"##"}), pictureOf({"#"})});
        state.currentPicture = state.blinkCount = state.dragging = state.dragMode = 2;
        state.lastColumn = state.lastRow = state.hoverColumn = state.hoverRow = 3;
        state.puzzleActive = state.boardShown = true;
        state.colors = kTestColors;
        state.columnClues[40] = state.rowClues[30] = "01";

        const LibraryReadReport report = inicializarvar1(state, folder / "pictures.txt");
        EXPECT_EQ(report.opened, c.file.has_value());
        EXPECT_EQ(state.library.count, c.count);
        EXPECT_EQ(state.currentPicture, c.picture);
        EXPECT_EQ(state.colors, c.colors);
        EXPECT_EQ(state.blinkCount, 0);
        EXPECT_EQ(std::vector<int>({state.lastColumn, state.lastRow, state.hoverColumn, state.hoverRow, state.dragMode}),
                  std::vector<int>({-1, -1, -1, -1, dragNone}));
        EXPECT_EQ(state.dragging, 2) << "a held button is still held";
        EXPECT_TRUE(state.redrawPending && state.boardStale);
        EXPECT_FALSE(state.puzzleActive || state.boardShown);
        for (const std::string& clue : state.columnClues) EXPECT_EQ(clue, "");
        for (const std::string& clue : state.rowClues) EXPECT_EQ(clue, "");
    }
}

TEST(HitTest, BordersOfTheBoard) {
    struct Case {
        int width, height, x, y;
        std::optional<BoardCell> expected;
    };
    const Case cases[] = {
        {10, 10, 130, 125, BoardCell{0, 0}},  {10, 10, 117, 125, BoardCell{0, 0}},   // 13 pixels left still hit column 0
        {10, 10, 116, 125, std::nullopt},     {10, 10, 269, 259, BoardCell{9, 9}},
        {10, 10, 270, 125, std::nullopt},     {10, 10, 135, 107, BoardCell{0, 0}},
        {10, 10, 135, 106, std::nullopt},     {10, 10, 135, 260, std::nullopt},
        {12, 7, 297, 217, BoardCell{11, 6}},  {12, 7, 298, 125, std::nullopt},   // the picture's width and height
        {12, 7, 135, 218, std::nullopt},
    };
    for (const Case& c : cases) {
        const GameState state = playing(blank(c.width, c.height));
        EXPECT_EQ(hitTest(state, c.x, c.y), c.expected) << c.width << " x " << c.height << " at " << c.x << ", " << c.y;
    }
}

TEST(Press, ButtonsFillMarkAndClear) {
    using enum MouseButton;
    const std::pair<std::vector<MouseButton>, int> cases[] = {
        {{Left}, cellFilled},          {{Left, Left}, cellEmpty},   {{Right}, cellMarked},
        {{Middle}, cellMarked},        {{Right, Left}, cellEmpty},  {{Left, Right}, cellEmpty},
        {{Right, Left, Left}, cellFilled},
    };
    for (const auto& [presses, expected] : cases) {
        GameState state = playing(blank(10, 10));
        for (MouseButton button : presses) {
            posiciona(state, button, cellX(2), cellY(3));
            EXPECT_EQ(state.dragging, 1);
            EXPECT_EQ(state.dragMode, button == Left ? dragFill : dragMark);
            mouseUp(state);
            EXPECT_EQ(state.dragging + state.dragMode, 0);
        }
        EXPECT_EQ(state.playGrid.at(3, 4), expected) << presses.size() << " presses";
        EXPECT_TRUE(state.redrawPending);
    }
}

// A stroke along row 0: a press, then moves, each at a column (-1: off the board).
TEST(Drag, TogglesEachNewlyEnteredCellByItsOwnValue) {
    struct Case {
        const char* name;
        const char* before;
        MouseButton button;
        std::vector<int> columns;   // the press, then the moves
        const char* after;
    };
    const Case cases[] = {
        {"the 1, 0, 1 example", ".#.", MouseButton::Left, {0, 1, 2}, "#.#"},
        {"marks come off too", "x.x", MouseButton::Right, {0, 1, 2}, ".x."},
        {"moving within the cell", "...", MouseButton::Left, {1, 1, 1}, ".#."},
        {"back into the last cell after leaving the board", "...", MouseButton::Left, {0, -1, 0}, "#.."},
        {"back into a cell from another", "...", MouseButton::Left, {0, 1, 0}, ".#."},
        {"starting off the board", "...", MouseButton::Left, {-1, 0, 1}, "..."},
    };
    for (const Case& c : cases) {
        GameState state = playing(blank(10, 10));
        setPlayCells(state, {c.before});
        posiciona(state, c.button, cellX(c.columns[0]), cellY(0));
        for (size_t i = 1; i < c.columns.size(); ++i) mouseMove(state, cellX(c.columns[i]), cellY(0));
        EXPECT_EQ(playRow(state, 1, 3), c.after) << c.name;
    }
}

// The pointer's moves arrive far apart when the hand is fast: every cell on
// the straight line from the last cell entered counts as entered, in order.
TEST(Drag, FastMovesEnterEveryCellOnTheLineBetween) {
    struct Case {
        const char* name;
        std::vector<BoardCell> points;   // the press, then the moves; column -1 is off the board
        std::vector<std::string> after;  // rows 1..3, columns 1..8
    };
    const Case cases[] = {
        {"a jump of 7 along a row", {{0, 0}, {7, 0}}, {"########", "........", "........"}},
        {"back over the filled cells", {{0, 0}, {5, 0}, {1, 0}}, {"#....#..", "........", "........"}},
        {"a diagonal", {{0, 0}, {2, 2}}, {"#.......", ".#......", "..#....."}},
        {"a shallow slope", {{0, 0}, {6, 2}}, {"##......", "..###...", ".....##."}},
        {"upwards to the left", {{5, 2}, {0, 0}}, {"##......", "..##....", "....##.."}},
        {"off the board, then back elsewhere", {{0, 0}, {-1, 0}, {5, 0}}, {"#....#..", "........", "........"}},
    };
    for (const Case& c : cases) {
        GameState state = playing(blank(10, 10));
        posiciona(state, MouseButton::Left, cellX(c.points[0].column), cellY(c.points[0].row));
        for (size_t i = 1; i < c.points.size(); ++i) mouseMove(state, cellX(c.points[i].column), cellY(c.points[i].row));
        EXPECT_EQ((std::vector<std::string>{playRow(state, 1, 8), playRow(state, 2, 8), playRow(state, 3, 8)}), c.after)
            << c.name;
    }
}

TEST(CompletionCheck, FilledCellsMustEqualThePictureOverItsArea) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"#.#", ".#.", "###"}, true},
        {{"#x#", "x#x", "###"}, true},                 // marks count as empty
        {{"#.##", ".#.#", "####", "####"}, true},      // cells outside the picture do not count
        {{"#.#", "...", "###"}, false},                // one cell missing
        {{"#.#", ".x.", "###"}, false},                // a mark where a fill belongs
        {{"###", ".#.", "###"}, false},                // one wrong fill
        {{"#.#", ".3.", "###"}, false},                // a stray value is not a fill
        {{"...", "...", "..."}, false},
    };
    for (const auto& [marks, solved] : cases) {
        GameState state = playing({"#.#", ".#.", "###"});
        setPlayCells(state, marks);
        EXPECT_EQ(completionCheck(state), solved) << ::testing::PrintToString(marks);
        EXPECT_EQ(state.solved, solved);
    }
}

// The hover follows the pointer: a move on the board asks for a frame, a move
// off it clears the hover without one. A picture without filled cells is
// finished at its first check; from then on presses and moves change nothing
// and the hover stays, but a release still ends the drag.
TEST(Input, HoverFollowsThePointerUntilTheGameIsFinished) {
    GameState state = playing(blank(10, 10));
    mouseMove(state, cellX(7), cellY(2));
    EXPECT_EQ((BoardCell{state.hoverColumn, state.hoverRow}), (BoardCell{7, 2}));
    EXPECT_TRUE(state.redrawPending);
    state.redrawPending = false;
    mouseMove(state, 700, 20);
    EXPECT_EQ((BoardCell{state.hoverColumn, state.hoverRow}), (BoardCell{-1, -1}));
    EXPECT_FALSE(state.redrawPending);

    mouseMove(state, cellX(3), cellY(4));
    state.dragging = 1;
    state.dragMode = dragFill;
    state.redrawPending = false;
    EXPECT_TRUE(completionCheck(state));
    posiciona(state, MouseButton::Left, cellX(5), cellY(5));
    mouseMove(state, cellX(6), cellY(6));
    EXPECT_EQ(state.playGrid.at(6, 6) + state.playGrid.at(7, 7), cellEmpty);
    EXPECT_EQ((BoardCell{state.hoverColumn, state.hoverRow}), (BoardCell{3, 4}));
    EXPECT_FALSE(state.redrawPending);
    mouseUp(state);
    EXPECT_EQ(state.dragging + state.dragMode, 0);
}

}  // namespace
}  // namespace mosarin
