// The game window makes its frame with the first one it composes, so
// nothing of it is touched before the window can open.
#include <gtest/gtest.h>

#include "game/tfjuego.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

TEST(GameFirstFrame, NoFrameUntilTheFirstTickThenTheStartScreen) {
    GameFolder folder(twelvePictures());
    FakePlatform platform;
    Tfjuego game(platform, folder.programFolder());
    EXPECT_TRUE(game.surface().frameImage.isNull());
    EXPECT_TRUE(game.Timer1->isActive()) << "the start screen is due at the first tick";
    game.Timer1Timer();
    const QImage& frame = game.surface().frameImage;
    ASSERT_EQ(frame.size(), QSize(780, 555));
    EXPECT_TRUE(nearColor(frame.pixel(10, 10), kBackAsset)) << std::hex << frame.pixel(10, 10);
    EXPECT_TRUE(nearColor(frame.pixel(60, 45), kStartAsset)) << std::hex << frame.pixel(60, 45);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace mosarin::testing
