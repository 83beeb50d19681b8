// The game window's commands: New Game, Play, Edit Pictures, Help, and the
// error guard around every handler.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include "game/tfjuego.h"
#include "picture/whole_file.h"
#include "shell/app_info.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"
#include "tests/support/fake_platform.h"

namespace mosarin::testing {
namespace {

// A picture of the given size whose first row is full.
TPictureRecord pictureSized(int width, int height) {
    std::vector<std::string> rows(static_cast<size_t>(height), std::string(static_cast<size_t>(width), '.'));
    rows[0] = std::string(static_cast<size_t>(width), '#');
    return pictureOf(rows);
}

QStringList listEntries(const QComboBox& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) entries << list.itemText(i);
    return entries;
}

class GameCommandsTest : public ::testing::Test {
protected:
    GameCommandsTest() {
        library = {pictureSized(5, 5), pictureSized(12, 7), pictureSized(40, 30)};
        folder.writeLibrary(library);
    }

    GameFolder folder;
    FakePlatform platform;
    std::vector<TPictureRecord> library;
};

TEST_F(GameCommandsTest, NewGameListsEveryPictureOnceEvenWhenPressedTwice) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.Button1Click();
    EXPECT_EQ(listEntries(*game.cb1),
              QStringList({"Pic0001 05 x 05", "Pic0002 12 x 07", "Pic0003 40 x 30"}));
    EXPECT_EQ(game.cb1->currentIndex(), -1);
    EXPECT_EQ(game.cb1->currentText(), QStringLiteral("Select"));
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));
}

TEST_F(GameCommandsTest, NewGameLeavesTheGameInProgressPlayable) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.cb1->setCurrentIndex(1);
    game.Button4Click();
    game.Button1Click();
    EXPECT_TRUE(game.state().puzzleActive);
    EXPECT_TRUE(game.state().boardShown);
    EXPECT_EQ(game.state().currentPicture, 2);
}

TEST_F(GameCommandsTest, PlayWithoutASelectionDoesNothing) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.Button4Click();
    EXPECT_FALSE(game.state().puzzleActive);
    EXPECT_FALSE(game.state().boardShown);
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameCommandsTest, PlayStartsTheChosenPictureAndClosesThePanel) {
    Tfjuego game(platform, folder.programFolder());
    game.state().playGrid.at(3, 3) = cellFilled;   // a mark from an earlier game
    game.Button1Click();
    game.cb1->setCurrentIndex(1);
    game.Button4Click();

    const GameState& state = game.state();
    EXPECT_EQ(state.currentPicture, 2);
    EXPECT_TRUE(state.puzzleActive);
    EXPECT_TRUE(state.boardShown);
    EXPECT_TRUE(state.boardStale);
    EXPECT_TRUE(state.redrawPending);
    EXPECT_EQ(state.playGrid.at(3, 3), cellEmpty);
    EXPECT_EQ(state.rowClues[1], "12");
    EXPECT_EQ(state.colors, library[1].colors);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
}

TEST_F(GameCommandsTest, PlayIgnoresAnEntryWhoseTextWasEditedAway) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.cb1->setCurrentIndex(2);
    game.cb1->setEditText(QStringLiteral("Pic00"));
    game.Button4Click();
    EXPECT_FALSE(game.state().puzzleActive);
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));
}

TEST_F(GameCommandsTest, PlayingDrawsTheBoardAtTheNextTick) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.cb1->setCurrentIndex(0);
    game.Button4Click();
    game.Timer1Timer();
    const QImage& frame = game.surface().frameImage;
    // Row 1 of the 5 x 5 picture is full but nothing is filled yet: the
    // cells show the board's own fill.
    EXPECT_EQ(frame.pixel(cellCentre(2, 0)), toRgb(library[0].colors[colorBack1]));
    EXPECT_FALSE(game.state().solved);
}

TEST_F(GameCommandsTest, EditPicturesReadsTheLibraryAgainWhenTheEditorCloses) {
    Tfjuego game(platform, folder.programFolder());
    ScriptedEditor editor;
    editor.whileOpen = [&] {
        library.push_back(pictureSized(7, 9));
        folder.writeLibrary(library);
    };
    game.setEditorWindow(&editor);

    game.Button1Click();
    game.cb1->setCurrentIndex(0);
    game.Button4Click();
    game.Button6Click();

    EXPECT_EQ(editor.openings, 1);
    const GameState& state = game.state();
    EXPECT_FALSE(state.boardShown);
    EXPECT_FALSE(state.puzzleActive);
    EXPECT_TRUE(state.boardStale);
    EXPECT_TRUE(state.redrawPending);
    EXPECT_EQ(state.currentPicture, 1);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));

    game.Button1Click();
    ASSERT_EQ(game.cb1->count(), 4);
    EXPECT_EQ(game.cb1->itemText(3), QStringLiteral("Pic0004 07 x 09"));
}

TEST_F(GameCommandsTest, APictureDeletedInTheEditorIsNoLongerListed) {
    Tfjuego game(platform, folder.programFolder());
    ScriptedEditor editor;
    editor.whileOpen = [&] { folder.writeLibrary({library[0], library[2]}); };
    game.setEditorWindow(&editor);
    game.Button1Click();
    game.Button6Click();
    game.Button1Click();
    EXPECT_EQ(listEntries(*game.cb1), QStringList({"Pic0001 05 x 05", "Pic0002 40 x 30"}));
}

TEST_F(GameCommandsTest, EditPicturesMovesTheFocusToHelp) {
    Tfjuego game(platform, folder.programFolder());
    ScriptedEditor editor;
    game.setEditorWindow(&editor);
    game.show();
    QApplication::setActiveWindow(&game);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game));
    game.Button1->setFocus();
    ASSERT_TRUE(game.Button1->hasFocus());

    game.Button6Click();
    EXPECT_TRUE(game.Button5->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), game.Button5);
}

TEST_F(GameCommandsTest, HelpOpensThePageBesideTheProgram) {
    Tfjuego game(platform, folder.programFolder());
    game.Button5->click();
    ASSERT_EQ(platform.openedUrls.size(), 1);
    const QUrl page(platform.openedUrls[0]);
    EXPECT_TRUE(page.isLocalFile());
    EXPECT_EQ(page.toLocalFile(), folder.programFolder() + "help.html");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(GameCommandsTest, AnErrorInAHandlerIsShownAndTheWindowGoesOn) {
    Tfjuego game(platform, folder.programFolder());
    ScriptedEditor editor;
    editor.whileOpen = [] { throw MosarinError(std::string("The editor could not start")); };
    game.setEditorWindow(&editor);

    QTest::mouseClick(game.Button6, Qt::LeftButton);   // through Qt's signal, under the guard
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::ErrorBox);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("The editor could not start."));

    game.Button1->click();
    EXPECT_EQ(game.cb1->count(), 3);
}

TEST_F(GameCommandsTest, AnErrorDuringSetUpIsShownAndTheWindowIsStillMade) {
    // A library file far larger than any real one is refused while it is read.
    std::filesystem::resize_file(folder.libraryFile(), kMaxTextFileBytes + 1);
    Tfjuego game(platform, folder.programFolder());

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::ErrorBox);
    EXPECT_TRUE(platform.messages[0].text.contains(QString::fromStdString(folder.libraryFile().string())));
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    EXPECT_TRUE(game.Timer1->isActive());
    EXPECT_TRUE(game.state().redrawPending);
    game.Button1Click();
    EXPECT_EQ(game.cb1->count(), 0);
}

}  // namespace
}  // namespace mosarin::testing
