// Timer1 runs only while a frame is due: every event handled under the
// window's guard wakes it when it asked for a frame, a tick that leaves
// nothing due stops it, and a finished picture keeps it running.
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <functional>
#include <gtest/gtest.h>

#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

// One tick the way Qt delivers it, through the timer's own event, so that
// the window's guard around Timer1Timer runs too. Only a running timer ticks.
bool tick(Tfjuego& game) {
    if (!game.Timer1->isActive()) return false;
    QTimerEvent event(game.Timer1->timerId());
    QCoreApplication::sendEvent(game.Timer1, &event);
    return true;
}

TEST(GameWindowTimer, SleepsWhileNothingIsDueAndWakesForEveryFrameAsked) {
    GameFolder folder(twelvePictures());   // picture 1: 5 x 5, its first row filled
    FakePlatform platform;
    Tfjuego game(platform, folder.programFolder());
    ASSERT_TRUE(activate(game));
    QWindow* window = game.windowHandle();
    const auto press = [&](int column, int row) { QTest::mouseClick(game.Image1, Qt::LeftButton, {}, cellCentre(column, row)); };

    struct Step {
        const char* name;
        std::function<void()> act;
        bool runningAfter;
    };
    const Step steps[] = {
        {"created: the start screen is due", [] {}, true},
        {"its tick draws it, nothing more is due", [&] { EXPECT_TRUE(tick(game)); }, false},
        {"\"New Game\" only shows the panel", [&] { QTest::mouseClick(game.Button1, Qt::LeftButton); }, false},
        {"\"Play\" asks for the board",
         [&] {
             game.cb1->setCurrentIndex(0);
             QTest::mouseClick(game.Button4, Qt::LeftButton);
         },
         true},
        {"the board's tick", [&] { EXPECT_TRUE(tick(game)); }, false},
        {"a move onto a cell asks for its highlight", [&] { QTest::mouseMove(window, cellCentre(2, 3)); }, true},
        {"the highlight's tick", [&] { EXPECT_TRUE(tick(game)); }, false},
        {"a move off the board asks for nothing", [&] { QTest::mouseMove(window, QPoint(20, 20)); }, false},
        {"a press fills a cell", [&] { press(0, 0); }, true},
        {"a second tick in a row is never needed", [&] { EXPECT_TRUE(tick(game)); }, false},
        {"the last presses finish the picture",
         [&] {
             for (int column = 1; column < 5; ++column) press(column, 0);
         },
         true},
        {"the end screen animates at every tick", [&] { EXPECT_TRUE(tick(game) && tick(game) && tick(game)); }, true},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(game.Timer1->isActive(), step.runningAfter) << step.name;
        EXPECT_EQ(game.Timer1->interval(), 40) << step.name;
    }
    EXPECT_TRUE(game.state().solved);
    EXPECT_EQ(game.state().blinkCount, 3) << "one end frame per tick";
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace mosarin::testing
