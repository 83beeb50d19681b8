// The player's mouse on the board and the completion check.
#include <gtest/gtest.h>

#include "game/play_input.h"
#include "game/puzzle.h"
#include "tests/game/rules_fixtures.h"

namespace mosarin {
namespace {

using testing::pictureOf;
using testing::setPlayCells;

GameState playing(const std::vector<std::string>& picture) {
    GameState state = testing::stateWith({pictureOf(picture)});
    EXPECT_TRUE(startSelectedPicture(state, 0));
    state.redrawPending = false;
    return state;
}

GameState playing10x10() { return playing(std::vector<std::string>(10, "#.........")); }

// Top-left pixel of a cell (0-based) and a point inside it.
int cellX(int column) { return kBoardLeft + kCellPitch * column; }
int cellY(int row) { return kBoardTop + kCellPitch * row; }

struct HitCase {
    int x, y;
    std::optional<BoardCell> expected;
};

TEST(HitTest, BordersOfATenByTenBoard) {
    const GameState state = playing10x10();
    const HitCase cases[] = {
        {130, 125, BoardCell{0, 0}},
        {129, 125, BoardCell{0, 0}},   // truncation toward zero: 13 pixels left still hit column 0
        {117, 125, BoardCell{0, 0}},
        {116, 125, std::nullopt},
        {130 + 14 * 10 - 1, 125, BoardCell{9, 0}},
        {130 + 14 * 10, 125, std::nullopt},
        {135, 120, BoardCell{0, 0}},
        {135, 107, BoardCell{0, 0}},
        {135, 106, std::nullopt},
        {135, 120 + 14 * 10 - 1, BoardCell{0, 9}},
        {135, 120 + 14 * 10, std::nullopt},
        {130 + 14 * 3, 120 + 14 * 7 + 13, BoardCell{3, 7}},
        {-5000, -5000, std::nullopt},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(hitTest(state, c.x, c.y), c.expected);
    }
}

TEST(HitTest, FollowsTheCurrentPicturesSize) {
    const GameState state = playing(std::vector<std::string>(7, "............"));   // 12 x 7
    EXPECT_EQ(hitTest(state, cellX(11) + 13, cellY(6) + 13), (BoardCell{11, 6}));
    EXPECT_EQ(hitTest(state, cellX(12), cellY(0)), std::nullopt);
    EXPECT_EQ(hitTest(state, cellX(0), cellY(7)), std::nullopt);
}

TEST(ToggledCell, AnyMarkComesOffWhateverTheMode) {
    const int cases[][3] = {
        // value, mode, result
        {0, 1, 1}, {0, 2, 2}, {1, 1, 0}, {1, 2, 0}, {2, 1, 0}, {2, 2, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(toggledCell(c[0], c[1]), c[2]) << c[0] << " with mode " << c[1];
}

TEST(Press, ButtonsFillMarkAndClear) {
    struct Case {
        std::vector<MouseButton> presses;
        int expected;
    };
    const Case cases[] = {
        {{MouseButton::Left}, cellFilled},
        {{MouseButton::Left, MouseButton::Left}, cellEmpty},
        {{MouseButton::Right}, cellMarked},
        {{MouseButton::Middle}, cellMarked},
        {{MouseButton::Right, MouseButton::Left}, cellEmpty},
        {{MouseButton::Left, MouseButton::Right}, cellEmpty},
        {{MouseButton::Right, MouseButton::Left, MouseButton::Left}, cellFilled},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        GameState state = playing10x10();
        for (MouseButton button : cases[i].presses) {
            posiciona(state, button, cellX(2) + 5, cellY(3) + 5);
            mouseUp(state);
        }
        EXPECT_EQ(state.playGrid.at(3, 4), cases[i].expected);
        EXPECT_TRUE(state.redrawPending);
    }
}

TEST(Press, StartsADragOnTheCell) {
    GameState state = playing10x10();
    posiciona(state, MouseButton::Right, cellX(4), cellY(6));
    EXPECT_EQ(state.dragging, 1);
    EXPECT_EQ(state.dragMode, dragMark);
    EXPECT_EQ(state.lastColumn, 4);
    EXPECT_EQ(state.lastRow, 6);
    mouseUp(state);
    EXPECT_EQ(state.dragging, 0);
    EXPECT_EQ(state.dragMode, dragNone);
}

TEST(Press, OffTheBoardDoesNothing) {
    GameState state = playing10x10();
    posiciona(state, MouseButton::Left, 116, 125);
    EXPECT_EQ(state.dragging, 0);
    EXPECT_FALSE(state.redrawPending);
    EXPECT_EQ(state.playGrid.at(1, 1), cellEmpty);
}

TEST(Drag, TogglesEachEnteredCellByItsOwnValue) {
    GameState state = playing10x10();
    setPlayCells(state, {".#."});
    posiciona(state, MouseButton::Left, cellX(0) + 3, cellY(0) + 3);
    mouseMove(state, cellX(1) + 3, cellY(0) + 3);
    mouseMove(state, cellX(2) + 3, cellY(0) + 3);
    mouseUp(state);
    EXPECT_EQ(state.playGrid.at(1, 1), cellFilled);
    EXPECT_EQ(state.playGrid.at(2, 1), cellEmpty);
    EXPECT_EQ(state.playGrid.at(3, 1), cellFilled);
}

TEST(Drag, MovingWithinTheCellChangesNothing) {
    GameState state = playing10x10();
    posiciona(state, MouseButton::Left, cellX(5), cellY(5));
    for (int d = 0; d < 14; ++d) mouseMove(state, cellX(5) + d, cellY(5) + 13 - d);
    EXPECT_EQ(state.playGrid.at(6, 6), cellFilled);
}

TEST(Drag, ReturningToTheLastCellDoesNotToggleItAgain) {
    GameState state = playing10x10();
    posiciona(state, MouseButton::Left, cellX(0) + 5, cellY(0) + 5);
    mouseMove(state, 20, 20);   // off the board
    mouseMove(state, cellX(0) + 5, cellY(0) + 5);
    EXPECT_EQ(state.playGrid.at(1, 1), cellFilled);

    mouseMove(state, cellX(1) + 5, cellY(0) + 5);
    mouseMove(state, cellX(0) + 5, cellY(0) + 5);
    EXPECT_EQ(state.playGrid.at(2, 1), cellFilled);
    EXPECT_EQ(state.playGrid.at(1, 1), cellEmpty) << "entering from another cell toggles";
}

TEST(Drag, StartingOffTheBoardTogglesNothing) {
    GameState state = playing10x10();
    posiciona(state, MouseButton::Left, 20, 20);
    mouseMove(state, cellX(0) + 5, cellY(0) + 5);
    mouseMove(state, cellX(1) + 5, cellY(0) + 5);
    EXPECT_EQ(state.playGrid.at(1, 1), cellEmpty);
    EXPECT_EQ(state.playGrid.at(2, 1), cellEmpty);
    EXPECT_EQ(state.hoverColumn, 1);
}

TEST(Move, OnTheBoardHoversAndAsksForAFrame) {
    GameState state = playing10x10();
    mouseMove(state, cellX(7) + 1, cellY(2) + 1);
    EXPECT_EQ(state.hoverColumn, 7);
    EXPECT_EQ(state.hoverRow, 2);
    EXPECT_TRUE(state.redrawPending);
}

TEST(Move, OffTheBoardClearsTheHoverWithoutAskingForAFrame) {
    GameState state = playing10x10();
    mouseMove(state, cellX(7), cellY(2));
    state.redrawPending = false;
    mouseMove(state, 700, 20);
    EXPECT_EQ(state.hoverColumn, -1);
    EXPECT_EQ(state.hoverRow, -1);
    EXPECT_FALSE(state.redrawPending);
}

TEST(Finished, PressesAndMovesAreIgnoredButReleaseEndsTheDrag) {
    GameState state = playing10x10();
    mouseMove(state, cellX(3), cellY(4));
    posiciona(state, MouseButton::Left, cellX(3), cellY(4));
    state.solved = true;
    state.redrawPending = false;
    posiciona(state, MouseButton::Left, cellX(5), cellY(5));
    mouseMove(state, cellX(6), cellY(6));
    EXPECT_EQ(state.playGrid.at(6, 6), cellEmpty);
    EXPECT_EQ(state.playGrid.at(7, 7), cellEmpty);
    EXPECT_EQ(state.hoverColumn, 3);
    EXPECT_EQ(state.hoverRow, 4);
    EXPECT_FALSE(state.redrawPending);
    mouseUp(state);
    EXPECT_EQ(state.dragging, 0);
    EXPECT_EQ(state.dragMode, dragNone);
}

TEST(CompletionCheck, FilledCellsMustEqualThePicture) {
    struct Case {
        const char* name;
        std::vector<std::string> marks;
        bool solved;
    };
    const std::vector<std::string> picture = {"#.#", ".#.", "###"};
    const Case cases[] = {
        {"exact", {"#.#", ".#.", "###"}, true},
        {"marks count as empty", {"#x#", "x#x", "###"}, true},
        {"one cell missing", {"#.#", "...", "###"}, false},
        {"a mark where a fill belongs", {"#.#", ".x.", "###"}, false},
        {"one wrong fill", {"###", ".#.", "###"}, false},
        {"nothing", {"...", "...", "..."}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameState state = playing(picture);
        setPlayCells(state, c.marks);
        EXPECT_EQ(completionCheck(state), c.solved);
        EXPECT_EQ(state.solved, c.solved);
    }
}

TEST(CompletionCheck, LooksOnlyAtThePicturesArea) {
    GameState state = playing({"#.", ".#"});
    setPlayCells(state, {"#.#", ".##", "###"});
    EXPECT_TRUE(completionCheck(state));
}

TEST(CompletionCheck, AStrayValueIsNotAFill) {
    GameState state = playing({"#"});
    state.playGrid.at(1, 1) = 3;
    EXPECT_FALSE(completionCheck(state));
}

TEST(CompletionCheck, EmptyPictureIsFinishedAtOnceAndThenIgnoresPresses) {
    GameState state = playing({"...", "..."});
    EXPECT_TRUE(completionCheck(state));
    posiciona(state, MouseButton::Left, cellX(0), cellY(0));
    EXPECT_EQ(state.playGrid.at(1, 1), cellEmpty);
}

}  // namespace
}  // namespace mosarin
