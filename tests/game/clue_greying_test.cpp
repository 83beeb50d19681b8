// Clue greying rendered off-screen: a matched line's clue light grey while on, all clues as usual while off.
#include <gtest/gtest.h>

#include "game/play_keys.h"
#include "game/play_surface.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

constexpr QRgb kClueInk = 0xFF73837Du;   // 0x7D8373
constexpr QRgb kGreyInk = 0xFFC8C8C8u;   // 0xC8C8C8

// Where the "10" of each line is drawn on a 10 x 10 board.
const QRect kRow1(100, 120, 30, 14), kRow2(100, 134, 30, 14);
const QRect kColumn1(135, 98, 14, 22), kColumn2(149, 98, 14, 22);

TEST(ClueGreying, MatchedLinesTurnGreyOnlyWhileOn) {
    GameState state = playing(std::vector<std::string>(10, "##########"));
    GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;
    // Row 1's and column 1's "10" are matched; row 2 (a run of 9) and column 2 (of 1) are not.
    setPlayCells(state, {"##########", "#########.", "#", "#", "#", "#", "#", "#", "#", "#"});
    const QImage before = (mostrar(state, assets, surface, platform), surface.frameImage);

    const struct {
        const char* what;
        PlayKey key;
        std::vector<std::string> cells;   // set before the frame, when any
        bool row1, column1, row2;         // grey or not
    } cases[] = {
        {"greying on", PlayKey::ToggleClueGreying, {}, true, true, false},
        {"row 2 matched", PlayKey::MoveRight, {"", "##########"}, true, true, true},
        {"row 1 no longer", PlayKey::MoveLeft, {".#########"}, false, false, true},
        {"greying off", PlayKey::ToggleClueGreying, {}, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(playKey(state, KeyPress{c.key}));
        setPlayCells(state, c.cells);
        state.hoverColumn = state.hoverRow = -1;   // no darker clue
        state.redrawPending = true;
        mostrar(state, assets, surface, platform);
        const QImage& frame = surface.frameImage;
        for (const auto& [area, grey] : {std::pair{kRow1, c.row1}, std::pair{kColumn1, c.column1},
                                         std::pair{kRow2, c.row2}, std::pair{kColumn2, false}}) {
            EXPECT_EQ(containsPixel(frame, area, kGreyInk), grey) << area.x() << "," << area.y();
            EXPECT_EQ(containsPixel(frame, area, kClueInk), !grey) << area.x() << "," << area.y();
        }
    }
    // Off again, the board is drawn as if greying had never been on.
    setPlayCells(state, {"##########", "#########."});
    state.redrawPending = true;
    mostrar(state, assets, surface, platform);
    EXPECT_EQ(surface.frameImage, before);
}

}  // namespace
}  // namespace mosarin
