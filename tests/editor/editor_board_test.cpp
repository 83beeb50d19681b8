// The editor board's pixels, rendered off-screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/editor_board.h"
#include "shell/canvas.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

EditorState boardOf(int width, int height) {
    EditorState state;
    state.library.slots[1].width = width;
    state.library.slots[1].height = height;
    state.library.count = 1;
    state.boardWidth = width;
    state.boardHeight = height;
    state.colors = kEditorColors;
    return state;
}

QImage render(EditorState& state, const QImage& guide = QImage()) {
    EditorSurface surface;
    state.boardStale = true;
    mostrar(state, guide, surface);
    EXPECT_FALSE(state.redrawPending || state.boardStale);
    EXPECT_EQ(surface.frameImage.size(), QSize(kEditorClientWidth, kEditorClientHeight));
    return surface.frameImage;
}

QRgb pixel(ColorSlot slot) { return toRgb(kEditorColors[slot]); }
QRgb face() { return toRgb(kButtonFaceColor); }

TEST(EditorBoard, GridLinesEveryFifteenPixelsMajorOnesEveryFive) {
    const struct {
        int width, height;
        std::vector<int> majorX, majorY;
    } cases[] = {{40, 30, {20, 95, 170, 245, 320, 395, 470, 545, 620}, {20, 95, 170, 245, 320, 395, 470}},
                 {12, 7, {20, 95, 170}, {20, 95}}};
    for (const auto& [width, height, majorX, majorY] : cases) {
        EditorState state = boardOf(width, height);
        const QImage frame = render(state);
        const auto lineAt = [&](const std::vector<int>& major, int at) {
            return pixel(std::count(major.begin(), major.end(), at) ? colorLine2 : colorLine1);
        };
        for (int k = 0; k <= width; ++k) EXPECT_EQ(frame.pixel(20 + 15 * k, 27), lineAt(majorX, 20 + 15 * k)) << k;
        for (int k = 0; k <= height; ++k) EXPECT_EQ(frame.pixel(27, 20 + 15 * k), lineAt(majorY, 20 + 15 * k)) << k;
        for (const QPoint beyond : {QPoint(21 + 15 * width, 27), QPoint(27, 21 + 15 * height), QPoint(19, 27)})
            EXPECT_EQ(frame.pixel(beyond), face()) << width;
        EXPECT_EQ(frame.pixel(27, 21), pixel(colorBack1));
        // The lines' end points are left out: the far corner is not drawn.
        EXPECT_EQ(frame.pixel(20 + 15 * width, 20 + 15 * height), face());
        EXPECT_EQ(frame.pixel(19 + 15 * width, 20 + 15 * height), lineAt(majorY, 20 + 15 * height));
    }
}

TEST(EditorBoard, MarksAreInsetByTwoWithABandOfBackgroundAroundThem) {
    EditorState state = boardOf(40, 30);
    state.cells.at(1, 1) = 1;
    const QImage frame = render(state);
    const std::pair<int, ColorSlot> across[] = {{20, colorLine2},   {21, colorBack1}, {22, colorPicture},
                                                {33, colorPicture}, {34, colorBack1}, {35, colorLine1}};
    for (const auto& [at, slot] : across) {
        EXPECT_EQ(frame.pixel(at, 27), pixel(slot)) << "x = " << at;
        EXPECT_EQ(frame.pixel(27, at), pixel(slot)) << "y = " << at;
    }
}

TEST(EditorBoard, TheCrossMarksTheHoveredColumnAndRowExceptInResizeMode) {
    EditorState state = boardOf(40, 30);
    state.hoverColumn = 2;
    state.hoverRow = 3;
    state.cells.at(3, 10) = state.cells.at(7, 20) = 1;
    for (const bool resizing : {false, true}) {
        state.resizeMode = resizing;
        state.selStartX = 30, state.selStartY = 40, state.selEndX = 200, state.selEndY = 100;
        const QImage frame = render(state);
        int wrong = 0;
        for (int column = 1; column <= 40; ++column) {
            for (int row = 1; row <= 30; ++row) {
                const bool inCross = !resizing && (column == 3 || row == 4);
                const ColorSlot expected = state.cells.at(column, row) ? colorPicture : inCross ? colorBack2 : colorBack1;
                wrong += frame.pixel(cellPoint(column, row) + QPoint(2, -3)) != pixel(expected);
            }
        }
        EXPECT_EQ(wrong, 0) << resizing;
        // The selection's outline spans the filled rectangle (50, 60) to (219, 119).
        const QRgb black = 0xFF000000u;
        for (const QPoint at : {QPoint(50, 60), QPoint(219, 60), QPoint(50, 119), QPoint(219, 119), QPoint(130, 60)})
            EXPECT_EQ(frame.pixel(at) == black, resizing) << at.x() << "," << at.y();
        EXPECT_NE(frame.pixel(220, 120), black);
        EXPECT_NE(frame.pixel(51, 61), black);
    }
}

TEST(EditorBoard, TheGuideImageLiesUnderTheGridAndTheMarks) {
    const QRgb guidePixel = 0xFF336699u;
    EditorState state = boardOf(40, 30);
    state.cells.at(1, 1) = 1;
    QImage guide(600, 450, QImage::Format_RGB32);
    guide.fill(guidePixel);
    for (const bool visible : {true, false}) {
        state.guideVisible = visible;
        const QImage frame = render(state, guide);
        EXPECT_EQ(frame.pixel(21, 27), visible ? guidePixel : pixel(colorBack1));
        EXPECT_EQ(frame.pixel(40, 40), visible ? guidePixel : pixel(colorBack1));
        EXPECT_EQ(frame.pixel(20, 27), pixel(colorLine2));
        EXPECT_EQ(frame.pixel(35, 27), pixel(colorLine1));
        EXPECT_EQ(frame.pixel(27, 27), pixel(colorPicture));
    }
}

}  // namespace
}  // namespace mosarin::testing
