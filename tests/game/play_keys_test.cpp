// Undo, redo and keyboard play on the game's rules: every step of one
// scripted session, mouse and keys mixed, must leave the exact board, cross
// and history.
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

TEST(PlaySession, EachStepLeavesTheExactBoardCrossAndHistory) {
    GameState state = playing(Rows(5, "#####"));
    using enum PlayKey;
    // Mouse: L/R press, M move, U release at (column, row). Keys: K a key,
    // S with Shift, A auto-repeated; (column, row) is where the cross must be.
    const struct {
        char op;
        int column, row;
        Rows rows;
        size_t undo, redo;
        PlayKey key = Fill;
    } script[] = {
        {'L', 0, 0, {"#"}, 0, 0},   {'M', 1, 0, {"##"}, 0, 0},   {'M', 2, 0, {"###"}, 0, 0},
        {'U', 2, 0, {"###"}, 1, 0},   // the whole drag is one step
        {'R', 4, 1, {"###", "....x"}, 1, 0},   {'U', 4, 1, {"###", "....x"}, 2, 0},
        {'K', 2, 0, {"###"}, 1, 1, Undo},   {'K', 2, 0, {}, 0, 2, Undo},   {'K', 2, 0, {}, 0, 2, Undo},   // the start at most
        {'K', 2, 0, {"###"}, 1, 1, Redo},   {'L', 1, 0, {"#.#"}, 1, 1},   {'U', 1, 0, {"#.#"}, 2, 0},   // drops the redo
        {'K', 2, 0, {"#.#"}, 2, 0, Redo},   {'K', 2, 0, {"###"}, 1, 1, Undo},
        // A drag that takes back what it did is no step, and keeps the redo.
        {'L', 3, 2, {"###", "", "...#"}, 1, 1},   {'M', 4, 2, {"###", "", "...##"}, 1, 1},
        {'M', 3, 2, {"###", "", "....#"}, 1, 1},   {'M', 4, 2, {"###"}, 1, 1},   {'U', 4, 2, {"###"}, 1, 1},
        // Undo within a drag ends it and takes it back whole; the button no longer counts.
        {'L', 0, 4, {"###", "", "", "", "#"}, 1, 1},   {'M', 1, 4, {"###", "", "", "", "##"}, 1, 1},
        {'K', 1, 4, {"###"}, 1, 1, Undo},   {'M', 2, 4, {"###"}, 1, 1},
        {'K', 2, 4, {}, 0, 2, Undo},   {'M', -2, -2, {}, 0, 2},   // the pointer leaves the board
        {'K', 0, 0, {}, 0, 2, Fill},   // no cross yet: it appears, nothing is pressed
        {'K', 1, 0, {}, 0, 2, MoveRight},   {'K', 1, 0, {".#"}, 0, 2, Fill},
        {'S', 2, 0, {".##"}, 0, 2, MoveRight},   {'S', 2, 1, {".##", "..#"}, 0, 2, MoveDown},   // Shift: still held
        {'K', 2, 2, {".##", "..#"}, 1, 0, MoveDown},   // a plain arrow releases: one step
        {'S', 2, 3, {".##", "..#"}, 1, 0, MoveDown},   // no press to extend: the cross alone moves
        {'K', 2, 3, {".##", "..#", "", "..x"}, 1, 0, Mark},   {'S', 1, 3, {".##", "..#", "", ".xx"}, 1, 0, MoveLeft},
        {'S', 0, 3, {".##", "..#", "", "xxx"}, 1, 0, MoveLeft},   {'S', 0, 3, {".##", "..#", "", "xxx"}, 1, 0, MoveLeft},
        {'K', 0, 3, {".##", "..#", "", ".xx"}, 2, 0, Fill},       // a press on a mark clears it
        {'K', 0, 3, {".##", "..#", "", "xxx"}, 2, 1, Undo},   {'K', 0, 3, {".##", "..#"}, 1, 2, Undo},
        {'K', 0, 3, {".##", "..#", "", "xxx"}, 2, 1, Redo},   {'K', 0, 2, {".##", "..#", "", "xxx"}, 2, 1, MoveUp},
        {'K', 0, 2, {".##", "..#", "#", "xxx"}, 2, 1, Fill},   {'K', 0, 2, {".##", "..#", "#", "xxx"}, 3, 0, Redo},
        {'K', 0, 2, {".##", "..#", "", "xxx"}, 3, 0, Fill},
        // A pointer move ends the keyboard's drag; a held Space does not repeat.
        {'M', 4, 4, {".##", "..#", "", "xxx"}, 4, 0},   {'S', 4, 3, {".##", "..#", "", "xxx"}, 4, 0, MoveUp},
        {'A', 4, 3, {".##", "..#", "", "xxx"}, 4, 0, Fill},
    };
    for (size_t i = 0; i < std::size(script); ++i) {
        const auto& step = script[i];
        SCOPED_TRACE(::testing::Message() << "step " << i << " '" << step.op << "'");
        switch (step.op) {
        case 'L': posiciona(state, MouseButton::Left, px(step.column), py(step.row)); break;
        case 'R': posiciona(state, MouseButton::Right, px(step.column), py(step.row)); break;
        case 'M': mouseMove(state, px(step.column), py(step.row)); break;
        case 'U': mouseUp(state); break;
        default: ASSERT_TRUE(playKey(state, KeyPress{step.key, step.op == 'S', step.op == 'A'}));
        }
        expectRows(state, step.rows);
        EXPECT_EQ(state.history.undoCount(), step.undo);
        EXPECT_EQ(state.history.redoCount(), step.redo);
        if (std::string("KSA").find(step.op) != std::string::npos) {
            EXPECT_EQ(QPoint(state.hoverColumn, state.hoverRow), QPoint(step.column, step.row));
            EXPECT_EQ(state.dragging, 0) << "no button stays held";
        }
    }
}

// "Play" and a loaded game start with nothing to undo or redo.
TEST(PlaySession, FreshForEveryGame) {
    GameState state = playing({"##", ".."});
    const auto click = [&](int column) { posiciona(state, MouseButton::Left, px(column), py(1)), mouseUp(state); };
    click(0), click(1), click(0), undoStep(state);
    TempFolder folder;
    const SaveGameOutcome saved = saveGame(state, folder.path(), LocalDateTime{});
    ASSERT_EQ(loadGame(state, saved.file).status, LoadGameStatus::Loaded);
    expectRows(state, {"", "##"});
    EXPECT_FALSE(undoStep(state) || redoStep(state));

    click(1);
    ASSERT_TRUE(startSelectedPicture(state, 0));
    EXPECT_FALSE(undoStep(state) || redoStep(state));
}

TEST(PlaySession, KeysReachTheEndScreenAndStopThere) {
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
    // Finished: the keys are left to the buttons, so the end screen can be left.
    for (PlayKey key : {PlayKey::Undo, PlayKey::MoveLeft, PlayKey::Fill, PlayKey::Mark}) {
        EXPECT_FALSE(playKey(state, {key}));
        expectRows(state, {"#.", "##"});
    }
}

}  // namespace
}  // namespace mosarin
