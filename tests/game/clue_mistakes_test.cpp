// Mistakes rendered off-screen: with E on, a line no placement of its clue fits has its clue in red; with E off,
// and for lines that still fit, the clues are drawn as designed.
#include <gtest/gtest.h>

#include "game/play_keys.h"
#include "game/play_surface.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

constexpr QRgb kClueInk = 0xFF73837Du;   // the designed ink, 0x7D8373 as the board stores it
constexpr QRgb kRedInk = 0xFFE01818u;
constexpr QRgb kHoveredRedInk = 0xFF8C0000u;

// The clue strips of a 10 x 10 board at the designed size: left of row r, above column c.
QRect rowClue(int row) { return QRect(0, 120 + 14 * (row - 1), 130, 14); }
QRect columnClue(int column) { return QRect(132 + 14 * (column - 1), 0, 12, 120); }

TEST(ClueMistakes, ContradictedLinesTurnRedOnlyWhileShown) {
    // Row 1's clue is 3, the other rows' 10; columns 1-3 ask for 10, columns 4-10 for 9.
    std::vector<std::string> picture(10, "##########");
    picture[0] = "###.......";
    GameState state = playing(picture);
    GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;
    const auto frameOf = [&](const std::vector<std::string>& cells) {
        setPlayCells(state, std::vector<std::string>(10, ".........."));
        setPlayCells(state, cells);
        state.hoverColumn = state.hoverRow = -1;   // no darker clue
        state.redrawPending = true;
        mostrar(state, assets, surface, platform);
        return surface.frameImage;
    };

    const struct {
        const char* what;
        std::vector<std::string> cells;
        bool row1, row2, column1, column4;   // red or not
    } cases[] = {
        {"nothing played", {}, false, false, false, false},
        {"a run longer than the row's 3", {"####"}, true, false, false, false},
        {"a dot where a 10 must be", {"", "x"}, false, true, true, false},
        {"the 3 must cover a dot", {"#.x"}, true, false, false, false},
        {"the 9 must cover a dot", {"...#", "", "", "", "...x"}, false, false, false, true},
        {"lines that still fit", {"...###", "#########", "", "", "", "", "", "", "", "...x"}, false, false, false, false},
    };
    for (bool shown : {true, false}) {
        if (state.showMistakes != shown) {
            ASSERT_TRUE(playKey(state, KeyPress{PlayKey::ToggleMistakes}));
        }
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (shown ? ", E on" : ", E off"));
            const QImage frame = frameOf(c.cells);
            for (const auto& [area, red] : {std::pair{rowClue(1), c.row1}, std::pair{rowClue(2), c.row2},
                                            std::pair{columnClue(1), c.column1}, std::pair{columnClue(4), c.column4}}) {
                EXPECT_EQ(containsPixel(frame, area, kRedInk), red && shown) << area.x() << "," << area.y();
                EXPECT_EQ(containsPixel(frame, area, kClueInk), !(red && shown)) << area.x() << "," << area.y();
            }
        }
    }
    // Off, a board full of mistakes is drawn exactly as one never judged.
    const QImage off = frameOf({"####", "x"});
    ASSERT_TRUE(playKey(state, KeyPress{PlayKey::ToggleMistakes}));
    EXPECT_NE(frameOf({"####", "x"}), off);
    ASSERT_TRUE(playKey(state, KeyPress{PlayKey::ToggleMistakes}));
    EXPECT_EQ(frameOf({"####", "x"}), off);

    // Under the pointer, a contradicted line's clue is a darker red, not the usual dark ink.
    ASSERT_TRUE(playKey(state, KeyPress{PlayKey::ToggleMistakes}));
    frameOf({"####"});
    state.hoverRow = 0;
    state.hoverColumn = 4;
    state.redrawPending = true;
    mostrar(state, assets, surface, platform);
    EXPECT_TRUE(containsPixel(surface.frameImage, rowClue(1), kHoveredRedInk));
    EXPECT_FALSE(containsPixel(surface.frameImage, columnClue(5), kHoveredRedInk));
}

}  // namespace
}  // namespace mosarin
