// The mouse on the game window's surface: presses, drags and moves reach
// the play rules, and the next tick shows their effect.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "game/image_view.h"
#include "game/tfjuego.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"
#include "tests/support/fake_platform.h"

namespace mosarin::testing {
namespace {

class GameMouseTest : public ::testing::Test {
protected:
    GameMouseTest() {
        // A full 5 x 5 picture: a few presses never finish it.
        folder.writeLibrary({pictureOf({"#####", "#####", "#####", "#####", "#####"})});
        game = std::make_unique<Tfjuego>(platform, folder.programFolder());
        // Ticks are taken by hand so that every frame is the test's own.
        game->Timer1->stop();
        game->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(game.get()));
        game->Button1Click();
        game->cb1->setCurrentIndex(0);
        game->Button4Click();
        game->Timer1Timer();
    }

    int cell(int column, int row) const { return game->state().playGrid.at(column + 1, row + 1); }
    QRgb shownAt(QPoint at) const { return game->surface().frameImage.pixel(at); }

    GameFolder folder;
    FakePlatform platform;
    std::unique_ptr<Tfjuego> game;
};

TEST_F(GameMouseTest, LeftClickFillsACellAndTheNextTickShowsIt) {
    QTest::mouseClick(game->Image1, Qt::LeftButton, {}, cellCentre(2, 1));
    EXPECT_EQ(cell(2, 1), cellFilled);
    EXPECT_TRUE(game->state().redrawPending);
    EXPECT_EQ(game->state().dragging, 0);

    game->Timer1Timer();
    EXPECT_EQ(shownAt(cellCentre(2, 1)), toRgb(kTestColors[colorPicture]));
    EXPECT_EQ(game->Image1->frame().pixel(cellCentre(2, 1)), toRgb(kTestColors[colorPicture]));
}

TEST_F(GameMouseTest, RightAndMiddleButtonsMarkAndASecondPressClears) {
    struct Case {
        Qt::MouseButton first;
        Qt::MouseButton second;
        int afterFirst;
    };
    const Case cases[] = {
        {Qt::RightButton, Qt::LeftButton, cellMarked},
        {Qt::MiddleButton, Qt::RightButton, cellMarked},
        {Qt::LeftButton, Qt::RightButton, cellFilled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.first));
        QTest::mouseClick(game->Image1, c.first, {}, cellCentre(4, 4));
        EXPECT_EQ(cell(4, 4), c.afterFirst);
        QTest::mouseClick(game->Image1, c.second, {}, cellCentre(4, 4));
        EXPECT_EQ(cell(4, 4), cellEmpty);
    }
}

TEST_F(GameMouseTest, AMarkShowsAsADotInTheCell) {
    QTest::mouseClick(game->Image1, Qt::RightButton, {}, cellCentre(0, 3));
    game->Timer1Timer();
    const QPoint centre = cellCentre(0, 3);
    EXPECT_EQ(shownAt(centre), toRgb(kTestColors[colorPicture]));
    EXPECT_NE(shownAt(centre + QPoint(-4, -4)), toRgb(kTestColors[colorPicture]));
}

TEST_F(GameMouseTest, DragTogglesEveryCellItEnters) {
    game->state().playGrid.at(2, 1) = cellFilled;   // column 1 of row 0, 0-based
    QTest::mousePress(game->Image1, Qt::LeftButton, {}, cellCentre(0, 0));
    QTest::mouseMove(game->Image1, cellCentre(0, 0) + QPoint(3, 2));   // same cell
    QTest::mouseMove(game->Image1, cellCentre(1, 0));
    QTest::mouseMove(game->Image1, cellCentre(2, 0));
    EXPECT_EQ(game->state().dragging, 1);
    QTest::mouseRelease(game->Image1, Qt::LeftButton, {}, cellCentre(2, 0));

    EXPECT_EQ(cell(0, 0), cellFilled);
    EXPECT_EQ(cell(1, 0), cellEmpty);
    EXPECT_EQ(cell(2, 0), cellFilled);
    EXPECT_EQ(game->state().dragging, 0);
    EXPECT_EQ(game->state().dragMode, dragNone);
}

TEST_F(GameMouseTest, MovingWithoutAButtonHighlightsTheCellsLine) {
    QTest::mouseMove(game->windowHandle(), cellCentre(3, 2));
    EXPECT_EQ(game->state().hoverColumn, 3);
    EXPECT_EQ(game->state().hoverRow, 2);
    EXPECT_EQ(cell(3, 2), cellEmpty);
    game->Timer1Timer();
    EXPECT_EQ(shownAt(cellCentre(3, 0)), toRgb(kTestColors[colorBack2]));
    EXPECT_EQ(shownAt(cellCentre(0, 2)), toRgb(kTestColors[colorBack2]));
    EXPECT_EQ(shownAt(cellCentre(0, 0)), toRgb(kTestColors[colorBack1]));
}

TEST_F(GameMouseTest, TheSurfaceKeepsThePointerWhileAButtonIsHeld) {
    // Pressed on the board, released over "New Game": the release still ends
    // the drag, and the button is not pressed by it.
    QWindow* window = game->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, cellCentre(1, 1));
    EXPECT_EQ(game->state().dragging, 1);
    QTest::mouseMove(window, QPoint(720, 180));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(720, 180));
    EXPECT_EQ(game->state().dragging, 0);
    EXPECT_EQ(cell(1, 1), cellFilled);
    EXPECT_FALSE(game->gp1->isVisibleTo(game.get()));
}

}  // namespace
}  // namespace mosarin::testing
