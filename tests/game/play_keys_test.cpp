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
using Rows = std::vector<std::string>;

int px(int column) { return kBoardLeft + kCellPitch * column + 7; }
int py(int row) { return kBoardTop + kCellPitch * row + 7; }

// The first rows of the board in the notation of setPlayCells, padded with '.'.
void expectRows(const GameState& state, Rows rows) {
    rows.resize(static_cast<size_t>(state.height()));
    for (size_t row = 0; row < rows.size(); ++row) {
        rows[row].resize(static_cast<size_t>(state.width()), '.');
        ASSERT_EQ(playRow(state, static_cast<int>(row) + 1, state.width()), rows[row]) << "row " << row + 1;
    }
}

TEST(PlayHistory, EachStepUndoesAndRedoesToTheExactBoard) {
    GameState state = playing(Rows(5, "#####"));
    const struct {
        char op;   // L/R press, M move, U release, Z undo, Y redo
        int column, row;
        Rows rows;
        size_t undo, redo;
    } script[] = {
        {'L', 0, 0, {"#"}, 0, 0},   {'M', 1, 0, {"##"}, 0, 0},   {'M', 2, 0, {"###"}, 0, 0},
        {'U', 0, 0, {"###"}, 1, 0},   // the whole drag is one step
        {'R', 4, 1, {"###", "....x"}, 1, 0},   {'U', 0, 0, {"###", "....x"}, 2, 0},
        {'Z', 0, 0, {"###"}, 1, 1},   {'Z', 0, 0, {}, 0, 2},
        {'Z', 0, 0, {}, 0, 2},   // back to the start at most
        {'Y', 0, 0, {"###"}, 1, 1},   {'L', 1, 0, {"#.#"}, 1, 1},
        {'U', 0, 0, {"#.#"}, 2, 0},   // a new step drops what was undone
        {'Y', 0, 0, {"#.#"}, 2, 0},   {'Z', 0, 0, {"###"}, 1, 1},
        // A drag that takes back what it did is no step, and keeps the redo.
        {'L', 3, 2, {"###", "", "...#"}, 1, 1},   {'M', 4, 2, {"###", "", "...##"}, 1, 1},
        {'M', 3, 2, {"###", "", "....#"}, 1, 1},   {'M', 4, 2, {"###"}, 1, 1},   {'U', 0, 0, {"###"}, 1, 1},
        // Undo within a drag ends it and takes it back whole.
        {'L', 0, 4, {"###", "", "", "", "#"}, 1, 1},   {'M', 1, 4, {"###", "", "", "", "##"}, 1, 1},
        {'Z', 0, 0, {"###"}, 1, 1},   {'M', 2, 4, {"###"}, 1, 1},   // the button no longer counts
    };
    for (size_t i = 0; i < std::size(script); ++i) {
        const auto& step = script[i];
        SCOPED_TRACE(::testing::Message() << "step " << i << " '" << step.op << "'");
        switch (step.op) {
        case 'L': posiciona(state, MouseButton::Left, px(step.column), py(step.row)); break;
        case 'R': posiciona(state, MouseButton::Right, px(step.column), py(step.row)); break;
        case 'M': mouseMove(state, px(step.column), py(step.row)); break;
        case 'U': mouseUp(state); break;
        case 'Z': undoStep(state); break;
        case 'Y': redoStep(state); break;
        }
        expectRows(state, step.rows);
        EXPECT_EQ(state.history.undoCount(), step.undo);
        EXPECT_EQ(state.history.redoCount(), step.redo);
    }
}

// "Play" and a loaded game start with nothing to undo or redo.
TEST(PlayHistory, FreshForEveryGame) {
    GameState state = playing({"##", ".."});
    for (int column : {0, 1, 0}) {
        posiciona(state, MouseButton::Left, px(column), py(1));
        mouseUp(state);
    }
    undoStep(state);
    TempFolder folder;
    const SaveGameOutcome saved = saveGame(state, folder.path(), LocalDateTime{});
    ASSERT_EQ(loadGame(state, saved.file).status, LoadGameStatus::Loaded);
    expectRows(state, {"", "##"});
    EXPECT_FALSE(undoStep(state) || redoStep(state));

    posiciona(state, MouseButton::Left, px(1), py(1));
    mouseUp(state);
    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_FALSE(undoStep(state) || redoStep(state));
}

TEST(KeyboardPlay, KeysActLikeTheMouseOnTheCross) {
    GameState state = playing(Rows(5, "#####"));
    using enum PlayKey;
    const struct {
        PlayKey key;
        bool shift;
        int crossColumn, crossRow;
        Rows rows;
        size_t undo;
    } script[] = {
        {Fill, false, 0, 0, {}, 0},   // no cross yet: it appears, nothing is pressed
        {MoveRight, false, 1, 0, {}, 0},   {Fill, false, 1, 0, {".#"}, 0},
        {MoveRight, true, 2, 0, {".##"}, 0},   // Shift+arrow: the button is still held
        {MoveDown, true, 2, 1, {".##", "..#"}, 0},
        {MoveDown, false, 2, 2, {".##", "..#"}, 1},   // a plain arrow releases: one step
        {MoveDown, true, 2, 3, {".##", "..#"}, 1},    // no press to extend: the cross alone moves
        {Mark, false, 2, 3, {".##", "..#", "", "..x"}, 1},   {MoveLeft, true, 1, 3, {".##", "..#", "", ".xx"}, 1},
        {MoveLeft, true, 0, 3, {".##", "..#", "", "xxx"}, 1},
        {MoveLeft, true, 0, 3, {".##", "..#", "", "xxx"}, 1},   // at the edge: nothing more
        {Fill, false, 0, 3, {".##", "..#", "", ".xx"}, 2},      // a press on a mark clears it
        {Undo, false, 0, 3, {".##", "..#", "", "xxx"}, 2},   {Undo, false, 0, 3, {".##", "..#"}, 1},
        {Redo, false, 0, 3, {".##", "..#", "", "xxx"}, 2},   {MoveUp, false, 0, 2, {".##", "..#", "", "xxx"}, 2},
        {Fill, false, 0, 2, {".##", "..#", "#", "xxx"}, 2},
        {Redo, false, 0, 2, {".##", "..#", "#", "xxx"}, 3},   // the press dropped the redo
    };
    for (size_t i = 0; i < std::size(script); ++i) {
        const auto& step = script[i];
        SCOPED_TRACE(::testing::Message() << "key " << i);
        ASSERT_TRUE(playKey(state, KeyPress{step.key, step.shift}));
        expectRows(state, step.rows);
        EXPECT_EQ(state.hoverColumn, step.crossColumn);
        EXPECT_EQ(state.hoverRow, step.crossRow);
        EXPECT_EQ(state.history.undoCount(), step.undo);
        EXPECT_EQ(state.dragging, 0) << "no mouse button may stay held";
    }
    // A pointer move ends the keyboard's drag; a held Space does not repeat.
    playKey(state, KeyPress{PlayKey::Fill});
    mouseMove(state, px(4), py(4));
    playKey(state, KeyPress{PlayKey::MoveUp, true});
    playKey(state, KeyPress{PlayKey::Fill, false, true});
    expectRows(state, {".##", "..#", "", "xxx"});
}

TEST(KeyboardPlay, KeysReachTheEndScreenAndStopThere) {
    GameState idle = stateWith({pictureOf({"#"})});
    EXPECT_FALSE(playKey(idle, KeyPress{PlayKey::Fill})) << "no puzzle: not the game's key";

    GameState state = playing({"#.", "##"});
    GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;
    for (PlayKey key : {PlayKey::MoveDown, PlayKey::Fill, PlayKey::MoveDown, PlayKey::Fill}) playKey(state, {key});
    playKey(state, {PlayKey::MoveRight, true});
    mostrar(state, assets, surface, platform);
    ASSERT_TRUE(state.solved);
    for (PlayKey key : {PlayKey::Undo, PlayKey::MoveLeft, PlayKey::Fill, PlayKey::Mark}) {
        EXPECT_TRUE(playKey(state, {key}));
        expectRows(state, {"#.", "##"});
    }
}

}  // namespace
}  // namespace mosarin
