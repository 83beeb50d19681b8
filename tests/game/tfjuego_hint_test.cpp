// Key H in the game window: the hint in an information box, the highlight
// cross moved onto what it names, and never a cell changed.
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

// Picture 4 is 3 x 3: "##.", "...", ".#.".
TEST_F(GameWindowTest, KeyHExplainsAHintAndMovesTheCrossWithoutMarkingACell) {
    auto pressH = [&] {
        game.Button1->setFocus();   // a focused button passes the key on to the window
        QTest::keyClick(game.Button1, Qt::Key_H);
    };
    pressH();
    EXPECT_TRUE(platform.messages.empty()) << "no puzzle on the start screen";

    playPicture(game, 4);
    const std::string board = playRow(game.state(), 1, 3) + playRow(game.state(), 2, 3) + playRow(game.state(), 3, 3);
    pressH();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::Information);
    EXPECT_EQ(platform.messages[0].text,
              QStringLiteral("Column 2 (1 1): row 1 must be filled: every way of placing the first 1 covers it."));
    EXPECT_EQ(QPoint(game.state().hoverColumn, game.state().hoverRow), QPoint(1, 0));
    EXPECT_EQ(playRow(game.state(), 1, 3) + playRow(game.state(), 2, 3) + playRow(game.state(), 3, 3), board);
    EXPECT_TRUE(game.Timer1->isActive()) << "the frame it asked for wakes the timer";
    game.Timer1->stop();
    game.Timer1Timer();
    const QRgb cross = toRgb(kTestColors[colorBack2]), plain = toRgb(kTestColors[colorBack1]);
    EXPECT_EQ(shownAt(cellCentre(2, 0)), cross);
    EXPECT_EQ(shownAt(cellCentre(1, 2)), cross);
    EXPECT_EQ(shownAt(cellCentre(0, 1)), plain);

    // A filled cell in row 3 where the picture is empty: only the row is told,
    // and the cross keeps its column.
    game.state().playGrid.at(1, 3) = cellFilled;
    pressH();
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, QStringLiteral("Row 3 has a mistake."));
    EXPECT_EQ(QPoint(game.state().hoverColumn, game.state().hoverRow), QPoint(1, 2));
    game.Timer1->stop();

    // Finished: nothing is said and the cross stays.
    setPlayCells(game.state(), {"##.", "...", ".#."});
    game.Timer1Timer();
    ASSERT_TRUE(game.state().solved);
    pressH();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(QPoint(game.state().hoverColumn, game.state().hoverRow), QPoint(1, 2));
}

}  // namespace
}  // namespace mosarin::testing
