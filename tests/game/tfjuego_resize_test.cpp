// The game window made larger: the surface fills it, the buttons keep to
// its right edge, the panel to its middle, and the board laid out for the
// new size answers the mouse where it is drawn. Back at the designed size
// everything is as designed. Size, maximised state and G are remembered.
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

#include "game/window_geometry.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

QPoint cellMiddle(const BoardGeometry& g, int column, int row) {
    return {g.cellLeft(column + 1) + g.pitch / 2, g.cellTop(row + 1) + g.pitch / 2};
}

TEST_F(GameWindowTest, ALargerWindowLaysTheBoardOutForItsSize) {
    playPicture(game, 3);   // 40 x 30, first row filled
    const QImage designedFrame = game.Image1->frame().copy();
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{1200, 800}, Size{782, 563}, Size{1920, 1017}}) {
        SCOPED_TRACE(::testing::Message() << size.width << " x " << size.height);
        game.resize(size.width, size.height);
        game.Timer1Timer();
        const int shift = size.width - kGameClientWidth;
        EXPECT_EQ(game.Image1->geometry(), QRect(0, 0, size.width - 2, size.height - 8));
        EXPECT_EQ(game.Button1->geometry(), QRect(705 + shift, 168, 66, 38));
        EXPECT_EQ(game.Button5->geometry(), QRect(705 + shift, 327, 65, 38));
        EXPECT_EQ(game.gp1->pos(), QPoint(304 + shift / 2, 264 + (size.height - kGameClientHeight) / 2));
        const BoardGeometry& g = game.state().geometry;
        EXPECT_EQ(game.Image1->frame().size(), QSize(g.surfaceWidth, g.surfaceHeight));
        if (shift == 0) {
            EXPECT_TRUE(g.designed);
            EXPECT_EQ(game.Image1->frame(), designedFrame);
            continue;
        }
        EXPECT_GT(g.pitch, 14);
        // A press in the middle of a cell reaches that cell, drawn filled at
        // the new pitch.
        EXPECT_EQ(shownAt(cellMiddle(g, 7, 1)), toRgb(kTestColors[colorBack1]));
        const QPoint at = cellMiddle(g, 7, 1);
        game.posiciona(MouseButton::Left, at.x(), at.y());
        game.Image1MouseUp();
        EXPECT_EQ(cell(7, 1), cellFilled);
        game.Timer1Timer();
        EXPECT_EQ(shownAt(at), toRgb(kTestColors[colorPicture]));
        game.posiciona(MouseButton::Left, at.x(), at.y());
        game.Image1MouseUp();
        EXPECT_EQ(cell(7, 1), cellEmpty);
    }
}

TEST(GamePreferences, SizeGreyingAndMistakesAreRememberedInTheUsersSettingsNotTheProgramFolder) {
    TempFolder settingsHome;
    GameFolder folder(twelvePictures());
    FakePlatform platform;
    platform.settingsFile = QString::fromStdString((settingsHome / "Mosarin.conf").string());
    {
        Tfjuego first(platform, folder.programFolder());
        first.Timer1->stop();
        // A first start opens at the designed size, greying off.
        EXPECT_EQ(first.size(), QSize(kGameClientWidth, kGameClientHeight));
        EXPECT_FALSE(first.state().greyFinishedClues);
        EXPECT_FALSE(first.state().showMistakes);
        playPicture(first, 1);
        QKeyEvent g(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, QStringLiteral("g"));
        EXPECT_TRUE(first.gameKeyPressed(g));
        QKeyEvent e(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        EXPECT_TRUE(first.gameKeyPressed(e));
        first.resize(1000, 700);
    }
    {
        Tfjuego second(platform, folder.programFolder());
        second.Timer1->stop();
        EXPECT_EQ(second.size(), QSize(1000, 700));
        EXPECT_TRUE(second.state().greyFinishedClues);
        EXPECT_TRUE(second.state().showMistakes);
    }
    // A size below the designed one (edited by hand) opens at the designed size.
    {
        QSettings settings(platform.settingsFile, QSettings::IniFormat);
        settings.setValue(QStringLiteral("game/windowSize"), QSize(300, 200));
    }
    Tfjuego third(platform, folder.programFolder());
    third.Timer1->stop();
    EXPECT_EQ(third.size(), QSize(kGameClientWidth, kGameClientHeight));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Mosarin.conf")));
}

}  // namespace
}  // namespace mosarin::testing
