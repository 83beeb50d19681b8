// Undo and redo, and keyboard play, on the game's rules: every step of a
// scripted session is followed by the exact board and history it must leave.
#include <gtest/gtest.h>

#include "game/play_input.h"
#include "game/play_keys.h"
#include "game/play_surface.h"
#include "game/puzzle.h"
#include "game/saved_games.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

const std::vector<std::string> kFullFive(5, "#####");   // never finished by these scripts

int px(int column) { return kBoardLeft + kCellPitch * column + 7; }
int py(int row) { return kBoardTop + kCellPitch * row + 7; }

std::vector<std::string> board(const GameState& state) {
    std::vector<std::string> rows;
    for (int row = 1; row <= state.height(); ++row) rows.push_back(playRow(state, row, state.width()));
    return rows;
}

// One mouse or history action and the board, history and cross it leaves.
struct MouseStep {
    char op;   // L/R press, M move, U release, Z undo, Y redo
    int column, row;
    std::vector<std::string> rows;   // the first rows; the others stay empty
    size_t undo, redo;
};

TEST(PlayHistory, EachStepUndoesAndRedoesToTheExactBoard) {
    GameState state = playing(kFullFive);
    const MouseStep script[] = {
        {'L', 0, 0, {"#"}, 0, 0},            // a press is a step only once released
        {'M', 1, 0, {"##"}, 0, 0},
        {'M', 2, 0, {"###"}, 0, 0},
        {'U', 0, 0, {"###"}, 1, 0},          // the whole drag is one step
        {'R', 4, 1, {"###", "....x"}, 1, 0},
        {'U', 0, 0, {"###", "....x"}, 2, 0},
        {'Z', 0, 0, {"###", "....."}, 1, 1},
        {'Z', 0, 0, {".....", "....."}, 0, 2},
        {'Z', 0, 0, {".....", "....."}, 0, 2},   // back to the start at most
        {'Y', 0, 0, {"###", "....."}, 1, 1},
        {'L', 1, 0, {"#.#"}, 1, 1},
        {'U', 0, 0, {"#.#"}, 2, 0},          // a new step drops what was undone
        {'Y', 0, 0, {"#.#"}, 2, 0},
        {'Z', 0, 0, {"###"}, 1, 1},
        // A drag that takes back what it did changes nothing: no step.
        {'L', 3, 2, {"###", ".....", "...#"}, 1, 1},
        {'M', 4, 2, {"###", ".....", "...##"}, 1, 1},
        {'M', 3, 2, {"###", ".....", "....#"}, 1, 1},
        {'M', 4, 2, {"###", ".....", "....."}, 1, 1},
        {'U', 0, 0, {"###", ".....", "....."}, 1, 1},
        {'Y', 0, 0, {"#.#", ".....", "....."}, 2, 0},
        // Undo in the middle of a drag ends it first and takes it back whole.
        {'L', 0, 4, {"#.#", ".....", ".....", ".....", "#"}, 2, 0},
        {'M', 1, 4, {"#.#", ".....", ".....", ".....", "##"}, 2, 0},
        {'Z', 0, 0, {"#.#", ".....", ".....", ".....", "....."}, 2, 1},
        {'M', 2, 4, {"#.#", ".....", ".....", ".....", "....."}, 2, 1},   // the button no longer counts
    };
    for (size_t i = 0; i < std::size(script); ++i) {
        const MouseStep& step = script[i];
        SCOPED_TRACE(::testing::Message() << "step " << i << " '" << step.op << "'");
        switch (step.op) {
        case 'L': posiciona(state, MouseButton::Left, px(step.column), py(step.row)); break;
        case 'R': posiciona(state, MouseButton::Right, px(step.column), py(step.row)); break;
        case 'M': mouseMove(state, px(step.column), py(step.row)); break;
        case 'U': mouseUp(state); break;
        case 'Z': undoStep(state); break;
        case 'Y': redoStep(state); break;
        }
        std::vector<std::string> expected = step.rows;
        for (std::string& row : expected) row.resize(5, '.');
        expected.resize(5, ".....");
        ASSERT_EQ(board(state), expected);
        EXPECT_EQ(state.history.undoCount(), step.undo);
        EXPECT_EQ(state.history.redoCount(), step.redo);
    }
}

// "Play" and a loaded game start with nothing to undo; a finished picture's
// end screen is not taken back.
TEST(PlayHistory, FreshForEveryGameAndClosedOnceFinished) {
    GameState state = playing({"##", ".."});
    for (int column : {0, 1}) {
        posiciona(state, MouseButton::Left, px(column), py(1));
        mouseUp(state);
    }
    ASSERT_EQ(state.history.undoCount(), 2u);
    undoStep(state);
    ASSERT_EQ(state.history.redoCount(), 1u);

    TempFolder folder;
    const SaveGameOutcome saved = saveGame(state, folder.path(), LocalDateTime{2024, 5, 6, 7, 8});
    ASSERT_TRUE(saved.written);
    ASSERT_EQ(loadGame(state, saved.file).status, LoadGameStatus::Loaded);
    EXPECT_EQ(board(state), (std::vector<std::string>{"..", "#."}));
    EXPECT_EQ(state.history.undoCount() + state.history.redoCount(), 0u);
    EXPECT_FALSE(undoStep(state));

    posiciona(state, MouseButton::Left, px(1), py(1));
    mouseUp(state);
    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_EQ(state.history.undoCount() + state.history.redoCount(), 0u);

    for (int column : {0, 1}) {
        posiciona(state, MouseButton::Left, px(column), py(0));
        mouseUp(state);
    }
    ASSERT_TRUE(completionCheck(state));
    EXPECT_FALSE(undoStep(state));
    EXPECT_EQ(board(state), (std::vector<std::string>{"##", ".."}));
}

// One key and the board, cross and history it leaves.
struct KeyStep {
    PlayKey key;
    bool extend;
    int crossColumn, crossRow;
    std::vector<std::string> rows;
    size_t undo;
};

TEST(KeyboardPlay, KeysActLikeTheMouseOnTheCross) {
    GameState state = playing(kFullFive);
    using enum PlayKey;
    const KeyStep script[] = {
        {Fill, false, 0, 0, {}, 0},                  // no cross yet: it appears, nothing is pressed
        {MoveRight, false, 1, 0, {}, 0},
        {Fill, false, 1, 0, {".#"}, 0},
        {MoveRight, true, 2, 0, {".##"}, 0},         // Shift+arrow: the button is still held
        {MoveDown, true, 2, 1, {".##", "..#"}, 0},
        {MoveDown, false, 2, 2, {".##", "..#"}, 1},  // a plain arrow releases: one step
        {MoveDown, true, 2, 3, {".##", "..#"}, 1},   // no press to extend: only the cross moves
        {Mark, false, 2, 3, {".##", "..#", "", "..x"}, 1},
        {MoveLeft, true, 1, 3, {".##", "..#", "", ".xx"}, 1},
        {MoveLeft, true, 0, 3, {".##", "..#", "", "xxx"}, 1},
        {MoveLeft, true, 0, 3, {".##", "..#", "", "xxx"}, 1},   // at the edge: nothing more
        {Fill, false, 0, 3, {".##", "..#", "", ".xx"}, 2},      // a press on a mark clears it
        {Undo, false, 0, 3, {".##", "..#", "", "xxx"}, 2},
        {Undo, false, 0, 3, {".##", "..#"}, 1},
        {Undo, false, 0, 3, {}, 0},
        {Redo, false, 0, 3, {".##", "..#"}, 1},
        {MoveUp, false, 0, 2, {".##", "..#"}, 1},
        {Fill, false, 0, 2, {".##", "..#", "#"}, 1},
        {Redo, false, 0, 2, {".##", "..#", "#"}, 2},   // the press dropped the redo
    };
    for (size_t i = 0; i < std::size(script); ++i) {
        const KeyStep& step = script[i];
        SCOPED_TRACE(::testing::Message() << "key " << i);
        ASSERT_TRUE(playKey(state, KeyPress{step.key, step.extend}));
        std::vector<std::string> expected = step.rows;
        for (std::string& row : expected) row.resize(5, '.');
        expected.resize(5, ".....");
        ASSERT_EQ(board(state), expected);
        EXPECT_EQ(state.hoverColumn, step.crossColumn);
        EXPECT_EQ(state.hoverRow, step.crossRow);
        EXPECT_EQ(state.history.undoCount(), step.undo);
        EXPECT_EQ(state.dragging, 0) << "no mouse button may stay held";
    }
    // A pointer move ends the keyboard's drag: Shift+arrows only move again.
    playKey(state, KeyPress{PlayKey::Fill});
    mouseMove(state, px(4), py(4));
    playKey(state, KeyPress{PlayKey::MoveUp, true});
    EXPECT_EQ(board(state)[3], ".....");
    // A held Space repeats without flipping the cell on and off.
    playKey(state, KeyPress{PlayKey::Fill, false, true});
    EXPECT_EQ(board(state)[3], ".....");
}

TEST(KeyboardPlay, KeysReachTheEndScreenAndStopThere) {
    GameState state = playing({"#.", "##"});
    GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;
    // Not the game's keys without a puzzle on the board.
    GameState idle = stateWith({pictureOf({"#"})});
    EXPECT_FALSE(playKey(idle, KeyPress{PlayKey::Fill}));

    for (PlayKey key : {PlayKey::MoveDown, PlayKey::Fill, PlayKey::MoveDown, PlayKey::Fill}) playKey(state, {key});
    playKey(state, {PlayKey::MoveRight, true});
    mostrar(state, assets, surface, platform);
    ASSERT_TRUE(state.solved);
    EXPECT_EQ(state.history.undoCount(), 1u);
    for (PlayKey key : {PlayKey::Undo, PlayKey::MoveLeft, PlayKey::Fill, PlayKey::Mark}) {
        EXPECT_TRUE(playKey(state, {key}));
        EXPECT_EQ(board(state), (std::vector<std::string>{"#.", "##"}));
    }
}

}  // namespace
}  // namespace mosarin
