// The game's keys in the real window: they reach the board from whichever
// button holds the focus (Space never clicks it while a puzzle is on), wake
// the timer for their frame, and H explains a hint without changing a cell.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "game/keyboard_cursor.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

TEST_F(GameWindowTest, GameKeysReachTheBoardFromAFocusedButton) {
    // On the start screen the keys are the buttons' own: Space clicks.
    game.Button1->setFocus();
    QTest::keyClick(game.Button1, Qt::Key_Space);
    EXPECT_TRUE(game.gp1->isVisible()) << "Space on \"New Game\" opens the panel";

    playPicture(game, 1);   // 5 x 5, its first row filled
    const struct {
        QWidget* focus;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int column, row, value;   // the cell to look at and what it holds after the key
    } cases[] = {
        {game.Button5, Qt::Key_Right, Qt::NoModifier, 0, 0, 0},   // the cross appears top left
        {game.Button5, Qt::Key_Space, Qt::NoModifier, 0, 0, 1},   // not a click of "Help (On-Line)"
        {game.Button5, Qt::Key_Right, Qt::ShiftModifier, 1, 0, 1},
        {game.Button1, Qt::Key_Down, Qt::NoModifier, 1, 1, 0},
        {game.Button1, Qt::Key_Period, Qt::NoModifier, 1, 1, 2},
        {&game, Qt::Key_X, Qt::NoModifier, 1, 1, 0},
        {game.Button6, Qt::Key_Z, Qt::ControlModifier, 1, 1, 2},
        {game.Button2, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 1, 1, 0},
        {game.Button3, Qt::Key_Z, Qt::ControlModifier, 1, 1, 2},
        {game.Button3, Qt::Key_Y, Qt::ControlModifier, 1, 1, 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(::testing::Message() << "key " << i);
        game.Timer1->stop();
        c.focus->setFocus();
        QTest::keyClick(c.focus, c.key, c.modifiers);
        EXPECT_EQ(cell(c.column, c.row), c.value);
        EXPECT_TRUE(game.Timer1->isActive()) << "the key's frame is due at the next tick";
        EXPECT_EQ(QApplication::focusWidget(), c.focus) << "the focus stays where it was";
        game.Timer1Timer();
    }
    EXPECT_EQ(cell(0, 0), 1);
    EXPECT_EQ(game.state().hoverColumn, 1);
    EXPECT_EQ(game.state().hoverRow, 1);
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    EXPECT_FALSE(game.gp1->isVisible());
    // The keys are listed where the player looks for help.
    for (const char* key : {"Space", "Ctrl+Z", "Ctrl+Y", "G:", "H:", "F7:"})
        EXPECT_TRUE(game.Button5->toolTip().contains(QLatin1String(key))) << key;
}

// A keyboard-only player reaches every command, whatever is on the board.
TEST_F(GameWindowTest, CommandKeysAndButtonsAnswerTheKeyboardWhateverIsOnTheBoard) {
    ScriptedEditor editor;
    game.setEditorWindow(&editor);
    playPicture(game, 1);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> done;
    } shortcuts[] = {
        {Qt::Key_N, Qt::ControlModifier, [&] { return game.gp1->isVisible(); }},
        {Qt::Key_S, Qt::ControlModifier, [&] { return platform.messages.size() == 1; }},   // the saved game's name
        {Qt::Key_O, Qt::ControlModifier, [&] { return platform.openDialogCount == 1; }},
        {Qt::Key_F1, Qt::NoModifier, [&] { return platform.openedUrls.size() == 1; }},
        {Qt::Key_E, Qt::ControlModifier, [&] { return editor.openings == 1; }},
    };
    for (const auto& shortcut : shortcuts) {
        SCOPED_TRACE(QKeySequence(shortcut.key | shortcut.modifiers).toString().toStdString());
        game.Button3->setFocus();
        QTest::keyClick(QApplication::focusWidget(), shortcut.key, shortcut.modifiers);
        EXPECT_TRUE(shortcut.done());
    }

    // Tab and Shift+Tab go round the buttons while a puzzle is played.
    playPicture(game, 4);
    game.Button1->setFocus();
    QTest::keyClick(game.Button1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), game.Button3);
    QTest::keyClick(game.Button3, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), game.Button1);

    // On the end screen Space and Return press the focused button.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        SCOPED_TRACE(key);
        game.gp1->hide();
        setPlayCells(game.state(), {"##.", "...", ".#."});
        game.state().redrawPending = true;
        game.Timer1Timer();
        ASSERT_TRUE(game.state().solved);
        game.Button1->setFocus();
        QTest::keyClick(game.Button1, key);
        EXPECT_TRUE(game.gp1->isVisible());
    }

    // The panel's list takes the focus with the first picture chosen; the
    // arrows choose, Return plays, Escape closes without playing.
    const struct {
        std::vector<Qt::Key> keys;
        int picture;   // the picture on the board after the keys
        bool panelOpen;
    } panel[] = {
        {{}, 4, true},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, 2, false},
        {{Qt::Key_Down, Qt::Key_Escape}, 2, false},
        {{Qt::Key_Return}, 1, false},
    };
    for (const auto& step : panel) {
        SCOPED_TRACE(step.picture);
        game.Button1Click();
        ASSERT_TRUE(game.cb1->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == game.cb1);
        EXPECT_EQ(game.cb1->currentText(), QStringLiteral("Pic0001 05 x 05"));
        for (const Qt::Key key : step.keys) QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(game.state().currentPicture, step.picture);
        EXPECT_EQ(game.gp1->isVisible(), step.panelOpen);
    }
}

// Picture 4 is 3 x 3: "##.", "...", ".#.".
TEST_F(GameWindowTest, KeyHExplainsAHintAndMovesTheCrossWithoutMarkingACell) {
    const struct {
        const char* name;
        std::function<void()> setUp;
        QString sentence;   // in the hint line; none when empty
        QPoint cross;
    } steps[] = {
        {"no puzzle on the start screen", [] {}, {}, {-1, -1}},
        {"a cell one column decides", [&] { playPicture(game, 4); },
         "Column 2 (1 1): row 1 must be filled: every way of placing the first 1 covers it.", {1, 0}},
        {"a mistake: the cross keeps its column", [&] { game.state().playGrid.at(1, 3) = cellFilled; }, "Row 3 has a mistake.", {1, 2}},
        {"finished: nothing is said", [&] { setPlayCells(game.state(), {"##.", "...", ".#."}); game.Timer1Timer(); }, {}, {1, 2}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.setUp();
        game.Timer1->stop();
        const auto cells = game.state().playGrid.cells;
        const size_t shown = platform.messages.size();
        game.hintLine->hide();
        game.Button1->setFocus();
        QTest::keyClick(game.Button1, Qt::Key_H);
        // No box: the sentence stands in a line of the window.
        ASSERT_EQ(platform.messages.size(), shown);
        EXPECT_EQ(game.hintLine->isVisible(), !step.sentence.isEmpty());
        if (!step.sentence.isEmpty()) {
            EXPECT_EQ(game.hintLine->text(), step.sentence);
            EXPECT_TRUE(game.Timer1->isActive()) << "the frame it asked for wakes the timer";
        }
        EXPECT_TRUE(game.state().playGrid.cells == cells) << "no cell changed";
        EXPECT_EQ(QPoint(game.state().hoverColumn, game.state().hoverRow), step.cross);
    }
}

TEST_F(GameWindowTest, TheHintsLineAndItsOutlineStayUntilTheBoardChanges) {
    playPicture(game, 4);   // the hint names column 2, row 1
    QTest::keyClick(&game, Qt::Key_H);
    game.Timer1Timer();
    const QPoint edge(130 + 14 + 0, 120 + 7), ring(130 + 14 + 1, 120 + 7);   // left of that cell
    const QRgb outline = 0xFF000000u | cursorOutlineColor(toRgb(kTestColors[colorPicture]) & 0xFFFFFF,
                                                          toRgb(kTestColors[colorBack1]) & 0xFFFFFF);
    EXPECT_TRUE(game.hintLine->isVisible());
    EXPECT_EQ(shownAt(edge), outline);
    EXPECT_EQ(shownAt(ring), outline);
    // Moving the pointer is no change of the board: both stay.
    game.Image1MouseMove(130 + 7, 120 + 14 * 2 + 7);
    game.Timer1Timer();
    EXPECT_TRUE(game.hintLine->isVisible());
    EXPECT_EQ(shownAt(edge), outline);
    // A press that changes a cell ends them.
    game.posiciona(MouseButton::Left, 130 + 7, 120 + 14 * 2 + 7);
    game.Image1MouseUp();
    game.Timer1Timer();
    EXPECT_FALSE(game.hintLine->isVisible());
    EXPECT_EQ(shownAt(edge), toRgb(kTestColors[colorLine1]));
    EXPECT_EQ(shownAt(ring), toRgb(kTestColors[colorBack1]));
}

}  // namespace
}  // namespace mosarin::testing
