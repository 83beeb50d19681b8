// The game window's commands (New Game, Play, Edit Pictures, Help), the
// error guard around every handler, and Qt's mouse on the play surface.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

#include "shell/app_info.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

QStringList listEntries(const QComboBox& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) entries << list.itemText(i);
    return entries;
}

TEST_F(GameWindowTest, NewGameListsThePicturesOnceAndPlayStartsOnlyAChosenOne) {
    game.state().playGrid.at(3, 3) = cellFilled;   // a mark from an earlier game
    game.Button1Click();
    game.Button1Click();
    const QStringList entries = listEntries(*game.cb1);
    EXPECT_EQ(entries.size(), 12);
    EXPECT_EQ(entries.mid(0, 3), QStringList({"Pic0001 05 x 05", "Pic0002 12 x 07", "Pic0003 40 x 30"}));
    EXPECT_EQ(entries.value(11), QStringLiteral("Pic0012 03 x 03"));
    EXPECT_EQ(game.cb1->currentIndex(), 0) << "the first picture is chosen for the keyboard";
    EXPECT_EQ(game.cb1->currentText(), QStringLiteral("Pic0001 05 x 05"));
    game.cb1->setCurrentIndex(-1);
    game.Button4Click();   // nothing chosen
    game.cb1->setCurrentIndex(2);
    game.cb1->setEditText(QStringLiteral("Pic00"));   // chosen, then edited away
    game.Button4Click();
    const GameState& state = game.state();
    EXPECT_FALSE(state.puzzleActive || state.boardShown);
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));

    game.cb1->setCurrentIndex(1);
    game.Button4Click();
    EXPECT_EQ(state.currentPicture, 2);
    EXPECT_TRUE(state.puzzleActive && state.boardShown && state.boardStale && state.redrawPending);
    EXPECT_EQ(state.playGrid.at(3, 3), cellEmpty);
    EXPECT_EQ(state.rowClues[1], "12");
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    game.Timer1Timer();
    EXPECT_EQ(shownAt(cellCentre(2, 0)), toRgb(library[1].colors[colorBack1])) << "the board, nothing filled yet";

    game.Button1Click();   // the game in progress goes on under the panel
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));
    EXPECT_TRUE(state.puzzleActive && !state.solved);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameWindowTest, EditPicturesReadsTheLibraryAgainAndMovesTheFocusToHelp) {
    ScriptedEditor editor;
    editor.whileOpen = [&] { folder.writeLibrary({library[0], library[2], pictureSized(7, 9)}); };
    game.setEditorWindow(&editor);
    playPicture(game, 1);
    game.Button1->setFocus();

    game.Button6Click();
    EXPECT_EQ(editor.openings, 1);
    const GameState& state = game.state();
    EXPECT_FALSE(state.boardShown || state.puzzleActive);
    EXPECT_TRUE(state.boardStale && state.redrawPending);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    EXPECT_EQ(QApplication::focusWidget(), game.Button5);
    game.Button1Click();
    EXPECT_EQ(listEntries(*game.cb1), QStringList({"Pic0001 05 x 05", "Pic0002 40 x 30", "Pic0003 07 x 09"}));
}

TEST_F(GameWindowTest, HelpOpensThePageBesideTheProgram) {
    game.Button5->click();
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(QUrl(platform.openedUrls[0]).toLocalFile(), folder.programFolder() + "help.html");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameWindowTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    ScriptedEditor editor;
    editor.whileOpen = [] { throw MosarinError(std::string("The editor could not start")); };
    game.setEditorWindow(&editor);
    QTest::mouseClick(game.Button6, Qt::LeftButton);   // through Qt's signal, under the guard
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::ErrorBox);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("The editor could not start."));
    game.Button1->click();
    EXPECT_EQ(game.cb1->count(), 12);
}

TEST_F(GameWindowTest, ClicksFillOrMarkAndTheNextTickShowsThem) {
    playPicture(game, 1);
    const std::pair<Qt::MouseButton, int> cases[] = {
        {Qt::LeftButton, cellFilled}, {Qt::RightButton, cellMarked}, {Qt::MiddleButton, cellMarked}};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(game.Image1, cases[i].first, {}, cellCentre(i, 1));
        EXPECT_EQ(cell(i, 1), cases[i].second) << i;
        EXPECT_EQ(game.state().dragging, 0);
    }
    EXPECT_TRUE(game.state().redrawPending);
    game.Timer1Timer();
    EXPECT_EQ(shownAt(cellCentre(0, 1)), toRgb(kTestColors[colorPicture]));
    EXPECT_EQ(shownAt(cellCentre(1, 1)), toRgb(kTestColors[colorPicture]));
    EXPECT_EQ(shownAt(cellCentre(1, 1) + QPoint(-4, -4)), toRgb(kTestColors[colorBack1])) << "a mark is only a dot";
}

// Pressed on the board, dragged along row 0 and released over "New Game":
// the surface keeps the pointer, so every move and the release reach it,
// and the button is not pressed by the release.
TEST_F(GameWindowTest, ADragTogglesEveryCellItEntersAndEndsWhereverItIsReleased) {
    playPicture(game, 1);
    game.state().playGrid.at(2, 1) = cellFilled;
    QWindow* window = game.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, cellCentre(0, 0));
    for (const QPoint to : {cellCentre(0, 0) + QPoint(3, 2), cellCentre(1, 0), cellCentre(2, 0), QPoint(720, 180)})
        QTest::mouseMove(window, to);
    EXPECT_EQ(game.state().dragging, 1);
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(720, 180));
    EXPECT_EQ(playRow(game.state(), 1, 4), "#.#.");
    EXPECT_EQ(game.state().dragging + game.state().dragMode, 0);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
}

TEST_F(GameWindowTest, MovingWithoutAButtonHighlightsTheCellsLines) {
    playPicture(game, 1);
    QTest::mouseMove(game.windowHandle(), cellCentre(3, 2));
    EXPECT_EQ(QPoint(game.state().hoverColumn, game.state().hoverRow), QPoint(3, 2));
    game.Timer1Timer();
    EXPECT_EQ(shownAt(cellCentre(3, 0)), toRgb(kTestColors[colorBack2]));
    EXPECT_EQ(shownAt(cellCentre(0, 2)), toRgb(kTestColors[colorBack2]));
    EXPECT_EQ(shownAt(cellCentre(0, 0)), toRgb(kTestColors[colorBack1]));
}

// The select panel lies over the board: presses on its empty area or its
// label reach the window, but they are not presses on the board.
TEST_F(GameWindowTest, PressesOnTheSelectPanelNeitherToggleNorStartADrag) {
    playPicture(game, 3);   // 40 x 30: the panel covers part of the board
    game.Button1Click();
    QWindow* window = game.windowHandle();
    const QPoint panelArea(312, 300);
    const QPoint label = game.S1->mapTo(&game, game.S1->rect().center());
    ASSERT_TRUE(game.state().width() == 40 && hitTest(game.state(), label.x(), label.y()));
    for (const QPoint at : {panelArea, label}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mousePress(window, button, {}, at);
            EXPECT_EQ(game.state().dragging, 0) << at.x();
            QTest::mouseRelease(window, button, {}, at);
        }
    }
    for (int column = 0; column < 40; ++column) QTest::mouseMove(window, cellCentre(column, 12));
    for (int row = 1; row <= 30; ++row) EXPECT_EQ(playRow(game.state(), row, 40), std::string(40, '.')) << row;
}

}  // namespace
}  // namespace mosarin::testing
