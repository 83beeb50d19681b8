// The keyboard's outline around the cell under the cross: it stands out
// against filled and empty cells, appears with the arrows and goes with the
// next pointer move.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/keyboard_cursor.h"
#include "game/play_input.h"
#include "game/play_keys.h"
#include "game/play_surface.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

TEST(KeyboardCursor, TheOutlineStandsOutAgainstBothTheFilledAndTheEmptyCell) {
    const struct {
        std::uint32_t filled, empty;   // 0xRRGGBB
    } pairs[] = {
        {0x7777DD, 0xF0F0F0},   // the default blue-violet on the button face
        {0xFF0000, 0xFFFFFF},   // red on white
        {0x000000, 0xFFFFFF},   // black on white: a mid grey between
        {0xFFFFFF, 0xFFFFFF},   // white on white
        {0x202020, 0x000000},   // dark on black
        {0xC04020, 0xF0F0E0},   // the tests' colours
        {0xCCCCCC, 0xDDDDDD},   // the designed highlight's 1.11:1 pair
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(::testing::Message() << std::hex << pair.filled << " on " << pair.empty);
        const std::uint32_t outline = cursorOutlineColor(pair.filled, pair.empty);
        EXPECT_GE(std::min(contrastRatio(outline, pair.filled), contrastRatio(outline, pair.empty)), 3.0);
    }
    EXPECT_NEAR(contrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(0x808080, 0x808080), 1.0, 1e-9);
}

TEST(KeyboardCursor, ArrowsOutlineTheCellUnderTheCrossAndThePointerTakesItAway) {
    GameState state = playing(std::vector<std::string>(10, "##########"));
    const GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;
    setPlayCells(state, {".#"});
    const auto frame = [&]() -> const QImage& {
        mostrar(state, assets, surface, platform);
        return surface.frameImage;
    };
    const QRgb outline =
        0xFF000000u | cursorOutlineColor(toRgb(kTestColors[colorPicture]) & 0xFFFFFF, toRgb(kTestColors[colorBack1]) & 0xFFFFFF);
    const QRgb line2 = toRgb(kTestColors[colorLine2]);
    const QRgb line1 = toRgb(kTestColors[colorLine1]);
    // The first arrow puts the cross on cell (1, 1); the next one on the filled cell (2, 1).
    ASSERT_TRUE(playKey(state, {PlayKey::MoveRight}));
    ASSERT_TRUE(playKey(state, {PlayKey::MoveRight}));
    ASSERT_EQ(state.hoverColumn, 1);
    const int x = 144, y = 120;   // the filled cell's grid square
    const QImage& shown = frame();
    for (const QPoint at : {QPoint(x, y + 7), QPoint(x + 1, y + 7), QPoint(x + 13, y + 7), QPoint(x + 14, y + 7),
                            QPoint(x + 7, y), QPoint(x + 7, y + 1), QPoint(x + 7, y + 13), QPoint(x + 7, y + 14)})
        EXPECT_EQ(shown.pixel(at), outline) << at.x() << ", " << at.y();
    EXPECT_EQ(shown.pixel(x + 7, y + 7), toRgb(kTestColors[colorPicture]));   // the fill stays
    // The next pointer move, even off the board, takes it away at once.
    mouseMove(state, 5, 5);
    EXPECT_TRUE(state.redrawPending);
    const QImage& after = frame();
    EXPECT_EQ(after.pixel(x, y + 7), line1);
    EXPECT_EQ(after.pixel(x + 7, y), line2);   // the board's top edge
    EXPECT_EQ(after.pixel(x + 1, y + 7), toRgb(kTestColors[colorBack1]));
}

}  // namespace
}  // namespace mosarin
