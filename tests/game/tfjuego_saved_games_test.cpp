// "Save Game" and "Load Game" in the window: dialogs, messages, the panel,
// the focus move, and the end screen of a loaded finished game.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "game/tfjuego.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"
#include "tests/support/fake_platform.h"

namespace mosarin::testing {
namespace {

class SavedGamesWindowTest : public ::testing::Test {
protected:
    SavedGamesWindowTest() {
        std::vector<TPictureRecord> pictures(12, pictureOf({"##.", "...", ".#."}));
        folder.writeLibrary(pictures);
        platform.clock = {2026, 12, 31, 23, 59, 30};
    }

    // Starts picture `number` as "Play" would and ticks once.
    void play(Tfjuego& game, int number) {
        game.Button1Click();
        game.cb1->setCurrentIndex(number - 1);
        game.Button4Click();
        game.Timer1Timer();
    }

    QString savedPath(const char* name) const { return QString::fromStdString(folder.file(std::string("files/") + name).string()); }

    GameFolder folder;
    FakePlatform platform;
};

TEST_F(SavedGamesWindowTest, SaveWritesTheGameSaysSoAndMovesTheFocusToHelp) {
    Tfjuego game(platform, folder.programFolder());
    play(game, 12);
    game.posiciona(MouseButton::Left, 131, 121);
    game.Button1Click();  // the panel is open while saving
    game.show();
    QApplication::setActiveWindow(&game);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game));
    game.Button1->setFocus();

    game.Button2Click();

    std::string bytes = readBytes(folder.file("files/Pic0012Date3112Time2359.pgu"));
    ASSERT_EQ(bytes.size(), 1206u);
    EXPECT_EQ(bytes.substr(0, 6), "001210");
    EXPECT_EQ(bytes.substr(1204), "\r\n");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::Information);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("Game saved"));
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    EXPECT_TRUE(game.Button5->hasFocus());
}

TEST_F(SavedGamesWindowTest, SaveDoesNothingWithoutAPuzzle) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.Button2Click();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.file("files")), {}), 1);  // pictures.txt
}

TEST_F(SavedGamesWindowTest, SaveIntoAFolderThatCannotBeWrittenSaysWhereAndWhy) {
    Tfjuego game(platform, folder.programFolder());
    play(game, 1);
    std::filesystem::remove_all(folder.file("files"));
    game.Button2Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::Error);
    EXPECT_TRUE(platform.messages[0].text.contains(savedPath("Pic0001Date3112Time2359.pgu")));
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("No such file or directory")));
    EXPECT_TRUE(game.state().puzzleActive);
}

TEST_F(SavedGamesWindowTest, LoadAsksInTheFilesFolderAndRestoresTheGame) {
    Tfjuego game(platform, folder.programFolder());
    play(game, 3);
    game.posiciona(MouseButton::Right, 131, 135);
    game.Button2Click();
    platform.messages.clear();

    Tfjuego other(platform, folder.programFolder());
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    platform.fileAnswers.push_back(savedPath("Pic0003Date3112Time2359.pgu"));
    other.Button3Click();

    EXPECT_EQ(platform.lastFilter, QStringLiteral("*.gpu|*.pgu"));
    EXPECT_EQ(platform.lastInitialFolder, folder.programFolder() + "files");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(other.state().currentPicture, 3);
    EXPECT_EQ(other.state().playGrid.at(1, 2), cellMarked);
    EXPECT_TRUE(other.state().puzzleActive);
    EXPECT_TRUE(other.state().boardShown);
    EXPECT_TRUE(other.Button5->hasFocus());
    other.Timer1Timer();
    EXPECT_FALSE(other.state().solved);
}

TEST_F(SavedGamesWindowTest, CancelledDialogOnTheStartScreenLeavesTheBoardWithoutPuzzle) {
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    game.Button3Click();
    EXPECT_EQ(platform.openDialogCount, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(game.state().boardShown);
    EXPECT_FALSE(game.state().puzzleActive);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
}

TEST_F(SavedGamesWindowTest, RefusalsAreToldAndLeaveTheGameInProgress) {
    writeBytes(folder.file("files/zero.pgu"), "0000" + std::string(1200, '1') + "\r\n");
    writeBytes(folder.file("files/far.pgu"), "0013" + std::string(1200, '1') + "\r\n");
    const struct {
        QString chosen;
        QString message;
    } cases[] = {
        {savedPath("typed-name.pgu"), QStringLiteral("File dont exist")},
        {QString::fromStdString(folder.file("files").string()), QStringLiteral("No")},
        {savedPath("zero.pgu"), QStringLiteral("is for picture 0, which is not in the picture library (pictures 1..12)")},
        {savedPath("far.pgu"), QStringLiteral("is for picture 13, which is not in the picture library (pictures 1..12)")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        Tfjuego game(platform, folder.programFolder());
        play(game, 2);
        game.posiciona(MouseButton::Left, 131, 121);
        platform.messages.clear();
        platform.fileAnswers.push_back(c.chosen);
        game.Button3Click();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].kind, ShownMessage::Error);
        EXPECT_TRUE(platform.messages[0].text.contains(c.message)) << platform.messages[0].text.toStdString();
        EXPECT_EQ(game.state().currentPicture, 2);
        EXPECT_EQ(game.state().playGrid.at(1, 1), cellFilled);
        EXPECT_TRUE(game.state().puzzleActive);
    }
}

TEST_F(SavedGamesWindowTest, LoadingAFinishedGameShowsTheEndScreenAtTheNextTick) {
    std::string line = "0005" + std::string(1200, '0');
    line[4 + 0] = '1';
    line[4 + 1] = '1';
    line[4 + 81] = '1';  // column 2, row 3
    writeBytes(folder.file("files/done.pgu"), line + "\r\n");
    Tfjuego game(platform, folder.programFolder());
    platform.fileAnswers.push_back(savedPath("done.pgu"));
    game.Button3Click();
    EXPECT_FALSE(game.state().solved);
    game.Timer1Timer();
    EXPECT_TRUE(game.state().solved);
    EXPECT_EQ(game.state().blinkCount, 1);
}

}  // namespace
}  // namespace mosarin::testing
