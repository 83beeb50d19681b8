// The per-frame layer and the end screen, checked pixel by pixel.
#include <gtest/gtest.h>

#include "game/play_surface.h"
#include "game/puzzle.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

const QRgb kPicture = toRgb(kTestColors[colorPicture]);
const QRgb kBack1 = toRgb(kTestColors[colorBack1]);
const QRgb kBack2 = toRgb(kTestColors[colorBack2]);
const QRgb kHoveredClue = toRgb(0x111111u);
const QRgb kBlack = 0xFF000000u;

// Top-left corner of a cell's grid square, 1-based like the play grid.
int X(int column) { return 130 + 14 * (column - 1); }
int Y(int row) { return 120 + 14 * (row - 1); }

struct Scene {
    GameState state;
    GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;

    explicit Scene(const std::vector<std::string>& picture) : state(stateWith({pictureOf(picture)})) {
        EXPECT_TRUE(startSelectedPicture(state, 0));
    }
    const QImage& frame() {
        mostrar(state, assets, surface, platform);
        return surface.frameImage;
    }
};

// A 10 x 10 picture that the tests never finish: every cell filled.
std::vector<std::string> fullTenByTen() { return std::vector<std::string>(10, "##########"); }

TEST(DynamicLayer, FilledCellIsAnElevenPixelSquareInsideARing) {
    Scene scene(fullTenByTen());
    setPlayCells(scene.state, {"", "..#"});
    const QImage& frame = scene.frame();
    const int x = X(3), y = Y(2);
    EXPECT_TRUE(allPixels(frame, QRect(x + 2, y + 2, 11, 11), kPicture));
    EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 1, 1, 13), kBack1));
    EXPECT_TRUE(allPixels(frame, QRect(x + 13, y + 1, 1, 13), kBack1));
    EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 1, 13, 1), kBack1));
    EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 13, 13, 1), kBack1));
    EXPECT_EQ(frame.pixel(x, y + 7), toRgb(kTestColors[colorLine1]));
}

TEST(DynamicLayer, MarkedCellIsAFourPixelDot) {
    Scene scene(fullTenByTen());
    setPlayCells(scene.state, {"", "", "", ".x"});
    const QImage& frame = scene.frame();
    const int x = X(2), y = Y(4);
    EXPECT_TRUE(allPixels(frame, QRect(x + 6, y + 6, 4, 4), kPicture));
    EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 1, 13, 5), kBack1));
    EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 10, 13, 4), kBack1));
    EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 6, 5, 4), kBack1));
    EXPECT_TRUE(allPixels(frame, QRect(x + 10, y + 6, 4, 4), kBack1));
}

TEST(DynamicLayer, HighlightCrossesTheHoveredRowAndColumn) {
    Scene scene(fullTenByTen());
    setPlayCells(scene.state, {"", "", "", "", "", "", "", "..#..x"});
    scene.state.hoverColumn = 5;   // column 6
    scene.state.hoverRow = 7;      // row 8
    const QImage& frame = scene.frame();
    for (int column = 1; column <= 10; ++column) {
        for (int row = 1; row <= 10; ++row) {
            const bool filled = column == 3 && row == 8;
            const bool crossed = column == 6 || row == 8;
            const QRgb expected = filled ? kPicture : crossed ? kBack2 : kBack1;
            EXPECT_EQ(frame.pixel(X(column) + 3, Y(row) + 3), expected) << "cell " << column << ", " << row;
            EXPECT_EQ(frame.pixel(X(column) + 1, Y(row) + 1), kBack1) << "ring of " << column << ", " << row;
        }
    }
    // The marked cell in the highlighted row: the grey square with its dot.
    EXPECT_EQ(frame.pixel(X(6) + 2, Y(8) + 2), kBack2);
    EXPECT_TRUE(allPixels(frame, QRect(X(6) + 6, Y(8) + 6, 4, 4), kPicture));
}

TEST(DynamicLayer, HoveredCluesAreDrawnDarker) {
    Scene scene(fullTenByTen());
    scene.state.hoverColumn = 0;
    scene.state.hoverRow = 0;
    const QImage& frame = scene.frame();
    EXPECT_TRUE(containsPixel(frame, QRect(100, 120, 30, 14), kHoveredClue));   // "10" left of row 1
    EXPECT_TRUE(containsPixel(frame, QRect(135, 98, 14, 22), kHoveredClue));    // "10" above column 1
    EXPECT_FALSE(containsPixel(frame, QRect(100, 134, 30, 14), kHoveredClue));  // row 2 stays light
    EXPECT_FALSE(containsPixel(frame, QRect(149, 98, 14, 22), kHoveredClue));   // column 2 too
}

TEST(DynamicLayer, HoverOutsideThePictureDrawsNoStaleClues) {
    // A larger picture played before leaves its texts in the lines beyond
    // this one's size, and the hover fields outlive the game.
    Scene scene({"##", "##"});
    scene.state.columnClues[15] = "07";
    scene.state.rowClues[12] = "07";
    scene.state.hoverColumn = 14;
    scene.state.hoverRow = 11;
    const QImage& frame = scene.frame();
    EXPECT_TRUE(allPixels(frame, QRect(130 + 14 * 14, 0, 40, 120), kBackPixel));
    EXPECT_TRUE(allPixels(frame, QRect(0, 120 + 14 * 11, 130, 14), kBackPixel));
}

TEST(DynamicLayer, NothingHoveredNoHighlight) {
    Scene scene(fullTenByTen());
    const QImage& frame = scene.frame();
    EXPECT_EQ(frame, scene.surface.boardImage);
    EXPECT_FALSE(containsPixel(frame, QRect(0, 0, 780, 555), kHoveredClue));
}

struct EndScene : Scene {
    // Filled cells at (3, 1) and (1, 2); solved from the first frame.
    EndScene() : Scene({"..#", "#.."}) { setPlayCells(state, {"x.#", "#.."}); }
};

TEST(EndScreen, FilledCellsInBlackFramesWithScriptedColours) {
    EndScene scene;
    // Columns are visited first, so (1, 2) takes the first three values. The
    // range is 0..254: 255 comes back as 0.
    scene.platform.randomValues = {10, 20, 30, 254, 255, 7};
    const QImage& frame = scene.frame();
    ASSERT_TRUE(scene.state.solved);
    struct Expected {
        int column, row;
        QRgb inner;
    };
    for (const Expected& e : {Expected{1, 2, qRgb(10, 20, 30)}, Expected{3, 1, qRgb(254, 0, 7)}}) {
        SCOPED_TRACE(::testing::Message() << "cell " << e.column << ", " << e.row);
        const int x = X(e.column), y = Y(e.row);
        EXPECT_TRUE(allPixels(frame, QRect(x + 2, y + 2, 11, 11), e.inner));
        EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 1, 1, 13), kBlack));
        EXPECT_TRUE(allPixels(frame, QRect(x + 13, y + 1, 1, 13), kBlack));
        EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 1, 13, 1), kBlack));
        EXPECT_TRUE(allPixels(frame, QRect(x + 1, y + 13, 13, 1), kBlack));
        EXPECT_EQ(frame.pixel(x, y + 7), kEndPixel);
        EXPECT_EQ(frame.pixel(x + 14, y + 7), kEndPixel);
    }
    EXPECT_TRUE(scene.platform.randomValues.empty());
}

TEST(EndScreen, BackgroundAndEndImageHideTheBoard) {
    EndScene scene;
    const QImage& frame = scene.frame();
    EXPECT_EQ(frame.pixel(128, 118), kEndPixel);
    EXPECT_EQ(frame.pixel(227, 217), kEndPixel);
    EXPECT_EQ(frame.pixel(127, 118), kBackPixel);
    EXPECT_EQ(frame.pixel(128, 117), kBackPixel);
    EXPECT_EQ(frame.pixel(228, 217), kBackPixel);
    EXPECT_EQ(frame.pixel(X(1) + 7, Y(1) + 7), kEndPixel) << "the marked cell is hidden";
    EXPECT_TRUE(allPixels(frame, QRect(0, 0, 128, 118), kBackPixel)) << "clues are hidden";
}

TEST(EndScreen, OverlayBlinksThreeFramesOfNine) {
    EndScene scene;
    for (int frameNumber = 1; frameNumber <= 19; ++frameNumber) {
        SCOPED_TRACE(frameNumber);
        const QImage& frame = scene.frame();
        const int phase = (frameNumber - 1) % 9 + 1;
        const bool shown = phase <= 3;
        EXPECT_EQ(frame.pixel(215, 265), shown ? kOverlayPixel : kBackPixel);
        EXPECT_EQ(frame.pixel(205, 265), kBackPixel) << "the key colour is left out";
        EXPECT_EQ(scene.state.blinkCount, phase == 9 ? 0 : phase);
    }
}

TEST(EndScreen, UnfinishedFramesLeaveTheBlinkCountAndRandomsAlone) {
    Scene scene(fullTenByTen());
    scene.state.blinkCount = 2;
    scene.frame();
    EXPECT_FALSE(scene.state.solved);
    EXPECT_EQ(scene.state.blinkCount, 2);
}

TEST(Mostrar, ComposesTheBoardOnAFrameItCreatesWhenMissing) {
    EndScene scene;
    scene.state.redrawPending = true;
    ASSERT_TRUE(scene.surface.frameImage.isNull());
    scene.frame();
    EXPECT_EQ(scene.surface.frameImage.size(), QSize(780, 555));
    EXPECT_EQ(scene.surface.boardImage.size(), QSize(780, 555));
    EXPECT_FALSE(scene.state.redrawPending);
    EXPECT_FALSE(scene.state.boardStale);
}

TEST(Mostrar, APuzzleFrameWithoutAStaticLayerBuildsOne) {
    Scene scene(fullTenByTen());
    scene.state.boardStale = false;
    setPlayCells(scene.state, {"#"});
    const QImage& frame = scene.frame();
    EXPECT_EQ(frame.pixel(X(1) + 2, Y(1) + 2), kPicture);
    EXPECT_EQ(frame.pixel(X(2) + 2, Y(1) + 2), kBack1);
}

}  // namespace
}  // namespace mosarin
