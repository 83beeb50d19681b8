// The end screen drawn over the one before (only what changes written again)
// against the same frame drawn whole, at the designed size and maximised,
// through two blink cycles of an overlay that lies over the cells and half
// over the end picture. Patterned artwork, so that a pixel laid again from
// the wrong place, or not at all, shows.
#include <gtest/gtest.h>

#include <QRegion>

#include "game/play_surface.h"
#include "game/puzzle.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"

namespace mosarin::testing {
namespace {

QImage patterned(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb((x + seed) % 256, (y * 3 + seed) % 256, (x + y) % 256));
    }
    return image;
}

GameAssets patternedAssets() {
    GameAssets assets = solidAssets();
    assets.backImage = patterned(780, 555, 0);
    // Reaches from the board's corner to just into the overlay's top.
    assets.endImage = patterned(150, 145, 90);
    // Left half the key colour, right half a pattern of its own.
    assets.endOverlay = patterned(20, 10, 170);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) assets.endOverlay.setPixel(x, y, assets.overlayKey);
    }
    return assets;
}

// 14 x 13, a fifth of its cells empty, so that the overlay (five cells in,
// ten down) lies over filled and empty cells alike.
std::vector<std::string> picture() {
    std::vector<std::string> rows;
    for (int row = 0; row < 13; ++row) {
        std::string line;
        for (int column = 0; column < 14; ++column) line += (3 * column + row) % 5 == 0 ? '.' : '#';
        rows.push_back(line);
    }
    return rows;
}

struct Screen {
    GameState state = playing(picture());
    GameAssets assets = patternedAssets();
    PlaySurface surface;
    FakePlatform platform;

    Screen(int clientWidth, int clientHeight) {
        setPlayCells(state, picture());
        surface.clientWidth = clientWidth;
        surface.clientHeight = clientHeight;
    }
    // The colours of frame `number`: three for each filled cell.
    void colorsFor(int number) {
        platform.randomValues.clear();
        for (int value = 0; value < 3 * 14 * 13; ++value) platform.randomValues.push_back(37 * number + 11 * value);
    }
};

struct ClientSize {
    int width, height;
};
void PrintTo(const ClientSize& size, std::ostream* out) { *out << size.width << " x " << size.height; }

class EndScreenFrames : public ::testing::TestWithParam<ClientSize> {};

TEST_P(EndScreenFrames, EachFrameOverTheLastIsTheFrameDrawnWholeAndReportsWhatChanged) {
    const ClientSize size = GetParam();
    Screen scene(size.width, size.height);
    Screen scratch(size.width, size.height);
    scene.colorsFor(0);
    mostrar(scene.state, scene.assets, scene.surface, scene.platform);
    ASSERT_TRUE(scene.state.solved);
    ASSERT_EQ(scene.state.geometry.designed, size.width == kDesignedClientWidth);
    QImage before = scene.surface.frameImage.copy();
    for (int number = 1; number <= 20; ++number) {
        SCOPED_TRACE(::testing::Message() << "frame " << number << ", blink " << scene.state.blinkCount);
        scene.colorsFor(number);
        const QRect changed = mostrar(scene.state, scene.assets, scene.surface, scene.platform);
        const QImage& frame = scene.surface.frameImage;
        ASSERT_EQ(frame.size(), before.size());
        for (const QRect& unchanged : QRegion(frame.rect()) - QRegion(changed))
            ASSERT_TRUE(frame.copy(unchanged) == before.copy(unchanged)) << "a change outside the reported area";
        before = frame.copy();

        scratch.state = scene.state;
        scratch.state.blinkCount = (scene.state.blinkCount + 8) % 9;
        scratch.surface.showsEndScreen = false;
        scratch.colorsFor(number);
        mostrar(scratch.state, scratch.assets, scratch.surface, scratch.platform);
        ASSERT_TRUE(frame == scratch.surface.frameImage) << "unlike the frame drawn whole";
    }
}

INSTANTIATE_TEST_SUITE_P(DesignedAndMaximised, EndScreenFrames,
                         ::testing::Values(ClientSize{kDesignedClientWidth, kDesignedClientHeight}, ClientSize{1920, 1080}));

}  // namespace
}  // namespace mosarin::testing
