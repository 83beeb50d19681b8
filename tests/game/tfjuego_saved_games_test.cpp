// "Save Game" and "Load Game" in the window: file names, dialogs, messages,
// the panel, the focus move, and the end screen of a loaded finished game.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <gtest/gtest.h>

#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

QString savedPath(const GameFolder& folder, const char* name) {
    return QString::fromStdString(folder.file(std::string("files/") + name).string());
}

TEST_F(GameWindowTest, SaveWritesTheGameAndLoadRestoresItInAnotherWindow) {
    platform.clock = {2026, 12, 31, 23, 59, 30};
    game.Button2Click();   // no puzzle yet: nothing at all
    EXPECT_TRUE(platform.messages.empty());
    playPicture(game, 12);
    game.posiciona(MouseButton::Left, 131, 121);
    game.posiciona(MouseButton::Right, 131, 135);
    game.Button1Click();   // the panel is open while saving
    game.Button1->setFocus();
    game.Button2Click();
    const std::string bytes = readBytes(folder.file("files/Pic0012Date3112Time2359.pgu"));
    ASSERT_EQ(bytes.size(), 1206u);
    EXPECT_EQ(bytes.substr(0, 6) + bytes[44], "0012102");   // the mark at column 1, row 2
    EXPECT_EQ(platform.texts(), QStringList({"Game saved"}));
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::Information);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    EXPECT_EQ(QApplication::focusWidget(), game.Button5);

    Tfjuego other(platform, folder.programFolder());
    ASSERT_TRUE(activate(other));
    platform.messages.clear();
    platform.fileAnswers.push_back(savedPath(folder, "Pic0012Date3112Time2359.pgu"));
    other.Button3Click();
    EXPECT_EQ(platform.lastFilter, QStringLiteral("*.gpu|*.pgu"));
    EXPECT_EQ(platform.lastInitialFolder, folder.programFolder() + "files");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(other.state().currentPicture, 12);
    EXPECT_EQ(playRow(other.state(), 1, 2) + playRow(other.state(), 2, 2), "#.x.");
    EXPECT_TRUE(other.state().puzzleActive && other.state().boardShown);
    EXPECT_EQ(QApplication::focusWidget(), other.Button5);
}

TEST_F(GameWindowTest, SaveIntoAFolderThatCannotBeWrittenSaysWhereAndWhy) {
    platform.clock = {2026, 12, 31, 23, 59, 30};
    playPicture(game, 1);
    std::filesystem::remove_all(folder.file("files"));
    game.Button2Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::Error);
    EXPECT_TRUE(platform.messages[0].text.contains(savedPath(folder, "Pic0001Date3112Time2359.pgu")));
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("No such file or directory")));
    EXPECT_TRUE(game.state().puzzleActive);
}

TEST_F(GameWindowTest, CancelledDialogOnTheStartScreenLeavesTheBoardWithoutPuzzle) {
    game.Button1Click();
    game.Button3Click();
    EXPECT_EQ(platform.openDialogCount, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(game.state().boardShown);
    EXPECT_FALSE(game.state().puzzleActive);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
}

TEST_F(GameWindowTest, RefusalsAreToldAndLeaveTheGameInProgress) {
    writeBytes(folder.file("files/far.pgu"), "0013" + std::string(1200, '1') + "\r\n");
    const std::pair<QString, QString> cases[] = {
        {savedPath(folder, "typed-name.pgu"), QStringLiteral("File dont exist")},
        {QString::fromStdString(folder.file("files").string()), QStringLiteral("No")},
        {savedPath(folder, "far.pgu"), QStringLiteral("is for picture 13, which is not in the picture library (it holds pictures 1 to 12). Nothing was loaded.")},
    };
    playPicture(game, 2);
    game.posiciona(MouseButton::Left, 131, 121);
    for (const auto& [chosen, message] : cases) {
        platform.messages.clear();
        platform.fileAnswers.push_back(chosen);
        game.Button3Click();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].kind, ShownMessage::Error);
        EXPECT_TRUE(message == "No" ? platform.messages[0].text == message : platform.messages[0].text.contains(message))
            << platform.messages[0].text.toStdString();
        EXPECT_EQ(game.state().currentPicture, 2);
        EXPECT_EQ(game.state().playGrid.at(1, 1), cellFilled);
        EXPECT_TRUE(game.state().puzzleActive);
    }
}

TEST_F(GameWindowTest, LoadingAFinishedGameShowsTheEndScreenAtTheNextTick) {
    std::string line = "0005" + std::string(1200, '0');
    line[4 + 0] = line[4 + 1] = line[4 + 81] = '1';   // row 1: columns 1, 2; row 3: column 2
    writeBytes(folder.file("files/done.pgu"), line + "\r\n");
    platform.fileAnswers.push_back(savedPath(folder, "done.pgu"));
    game.Button3Click();
    EXPECT_FALSE(game.state().solved);
    game.Timer1Timer();
    EXPECT_TRUE(game.state().solved);
    game.Timer1Timer();   // a finished game is drawn at every tick
    EXPECT_EQ(game.state().blinkCount, 2);
}

}  // namespace
}  // namespace mosarin::testing
