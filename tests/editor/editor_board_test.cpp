// The editor board's pixels: grid, marks, the cross, the guide image and the
// resize selection, rendered off-screen.
#include <gtest/gtest.h>

#include "editor/editor_board.h"
#include "shell/canvas.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

constexpr QRgb kGuidePixel = 0xFF336699u;

EditorState boardOf(int width, int height) {
    EditorState state;
    state.library.slots[1].width = width;
    state.library.slots[1].height = height;
    state.library.count = 1;
    state.colors = kEditorColors;
    return state;
}

QImage render(EditorState& state, const QImage& guide = QImage()) {
    EditorSurface surface;
    mostrar(state, guide, surface);
    EXPECT_FALSE(state.redrawPending || state.boardStale);
    EXPECT_EQ(surface.frameImage.size(), QSize(kEditorClientWidth, kEditorClientHeight));
    return surface.frameImage;
}

QRgb pixel(ColorSlot slot) { return toRgb(kEditorColors[slot]); }
QRgb face() { return toRgb(kButtonFaceColor); }

// Colour of every vertical line x = 20 + 15k at y = 27 and of every
// horizontal one at x = 27, then of the first pixel beyond the board.
void expectGrid(const QImage& frame, int width, int height, const std::vector<int>& majorX, const std::vector<int>& majorY) {
    for (int k = 0; k <= width; ++k) {
        const int x = 20 + 15 * k;
        const bool major = std::find(majorX.begin(), majorX.end(), x) != majorX.end();
        EXPECT_EQ(frame.pixel(x, 27), pixel(major ? colorLine2 : colorLine1)) << "x = " << x;
    }
    for (int k = 0; k <= height; ++k) {
        const int y = 20 + 15 * k;
        const bool major = std::find(majorY.begin(), majorY.end(), y) != majorY.end();
        EXPECT_EQ(frame.pixel(27, y), pixel(major ? colorLine2 : colorLine1)) << "y = " << y;
    }
    EXPECT_EQ(frame.pixel(21 + 15 * width, 27), face());
    EXPECT_EQ(frame.pixel(27, 21 + 15 * height), face());
    EXPECT_EQ(frame.pixel(19, 27), face());
    EXPECT_EQ(frame.pixel(27, 21), pixel(colorBack1));
}

TEST(EditorBoard, GridOfAFullBoardAndOfASmallOne) {
    EditorState full = boardOf(40, 30);
    expectGrid(render(full), 40, 30, {20, 95, 170, 245, 320, 395, 470, 545, 620}, {20, 95, 170, 245, 320, 395, 470});
    EditorState small = boardOf(12, 7);
    const QImage frame = render(small);
    expectGrid(frame, 12, 7, {20, 95, 170}, {20, 95});
    // The lines' end points are left out: the far corner is not drawn.
    EXPECT_EQ(frame.pixel(200, 125), face());
    EXPECT_EQ(frame.pixel(199, 125), pixel(colorLine1));
}

TEST(EditorBoard, MarksAreInsetByTwoWithABandOfBackgroundAroundThem) {
    EditorState state = boardOf(40, 30);
    state.cells.at(1, 1) = 1;
    const QImage frame = render(state);
    const std::pair<int, ColorSlot> acrossRow27[] = {{20, colorLine2}, {21, colorBack1}, {22, colorPicture},
                                                     {33, colorPicture}, {34, colorBack1}, {35, colorLine1}};
    for (const auto& [x, slot] : acrossRow27) {
        EXPECT_EQ(frame.pixel(x, 27), pixel(slot)) << "x = " << x;
        EXPECT_EQ(frame.pixel(27, x), pixel(slot)) << "y = " << x;
    }
}

TEST(EditorBoard, TheCrossMarksTheHoveredColumnAndRowUnderTheFilledCells) {
    EditorState state = boardOf(40, 30);
    state.hoverColumn = 2;
    state.hoverRow = 3;
    state.cells.at(3, 10) = state.cells.at(7, 20) = 1;
    for (const bool resizing : {false, true}) {
        SCOPED_TRACE(resizing ? "resize mode" : "painting mode");
        state.resizeMode = resizing;
        state.selStartX = 30, state.selStartY = 40, state.selEndX = 200, state.selEndY = 100;
        state.boardStale = true;
        const QImage frame = render(state);
        int wrong = 0;
        for (int column = 1; column <= 40; ++column) {
            for (int row = 1; row <= 30; ++row) {
                const bool inCross = !resizing && (column == 3 || row == 4);
                const ColorSlot expected = state.cells.at(column, row) ? colorPicture : inCross ? colorBack2 : colorBack1;
                // A point of the mark away from the selection outline.
                const QPoint at = cellPoint(column, row) + QPoint(2, -3);
                if (frame.pixel(at) != pixel(expected)) ++wrong;
            }
        }
        EXPECT_EQ(wrong, 0);
        // The outline's extent is the filled rectangle's: (50, 60) to (219, 119).
        const QRgb black = 0xFF000000u;
        for (const QPoint at : {QPoint(50, 60), QPoint(219, 60), QPoint(50, 119), QPoint(219, 119), QPoint(130, 60)})
            EXPECT_EQ(frame.pixel(at) == black, resizing) << at.x() << "," << at.y();
        EXPECT_NE(frame.pixel(220, 120), black);
        EXPECT_NE(frame.pixel(51, 61), black);
    }
}

TEST(EditorBoard, TheGuideImageLiesUnderTheGridAndTheMarks) {
    EditorState state = boardOf(40, 30);
    state.cells.at(1, 1) = 1;
    QImage guide(600, 450, QImage::Format_RGB32);
    guide.fill(kGuidePixel);
    state.guideVisible = true;
    QImage frame = render(state, guide);
    EXPECT_EQ(frame.pixel(21, 27), kGuidePixel);
    EXPECT_EQ(frame.pixel(40, 40), kGuidePixel);
    EXPECT_EQ(frame.pixel(20, 27), pixel(colorLine2));
    EXPECT_EQ(frame.pixel(35, 27), pixel(colorLine1));
    EXPECT_EQ(frame.pixel(27, 27), pixel(colorPicture));
    state.guideVisible = false;
    state.boardStale = true;
    frame = render(state, guide);
    EXPECT_EQ(frame.pixel(21, 27), pixel(colorBack1));
}

}  // namespace
}  // namespace mosarin::testing
