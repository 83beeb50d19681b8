#include "editor/editor_board.h"

#include "shell/canvas.h"
#include "shell/surface_pixels.h"

namespace mosarin {

namespace {

constexpr int kMajorEvery = 5;                 // every fifth grid line is a major one
constexpr int kStaticRight = 750;              // the static layer repaints (0, 0)-(750, 550)
constexpr int kStaticBottom = 550;
constexpr QRgb kSelectionPixel = 0xFF000000u;  // solid black

int cellLeft(const EditorState& state, int column) { return state.boardOrigin + kEditorCellSize * (column - 1); }
int cellTop(const EditorState& state, int row) { return state.boardOrigin + kEditorCellSize * (row - 1); }

// The 12 x 12 mark inset by 2: one pixel of what lies beneath stays visible
// between it and each grid line around it.
void fillMark(const EditorState& state, QImage& frame, int column, int row, QRgb pixel) {
    const int left = cellLeft(state, column) + kEditorMarkInset;
    const int top = cellTop(state, row) + kEditorMarkInset;
    fillBlock(frame, left, top, left + kEditorMarkSize, top + kEditorMarkSize, pixel);
}

// Minor lines around every cell, then every fifth boundary again in the
// major colour; a border not on a multiple of five stays a minor line.
void drawGrid(Canvas& canvas, const EditorState& state) {
    const int w = state.width(), h = state.height();
    const int origin = state.boardOrigin;
    const int right = origin + kEditorCellSize * w, bottom = origin + kEditorCellSize * h;
    const Color line1 = state.colors[colorLine1], line2 = state.colors[colorLine2];
    for (int k = 0; k <= w; ++k) canvas.line(origin + kEditorCellSize * k, origin, origin + kEditorCellSize * k, bottom, line1);
    for (int k = 0; k <= h; ++k) canvas.line(origin, origin + kEditorCellSize * k, right, origin + kEditorCellSize * k, line1);
    const int majorPitch = kMajorEvery * kEditorCellSize;
    for (int i = 0; kMajorEvery * i <= w; ++i) canvas.line(origin + majorPitch * i, origin, origin + majorPitch * i, bottom, line2);
    for (int i = 0; kMajorEvery * i <= h; ++i) canvas.line(origin, origin + majorPitch * i, right, origin + majorPitch * i, line2);
}

void drawMarks(const EditorState& state, QImage& frame) {
    const QRgb picture = toRgb(state.colors[colorPicture]);
    const QRgb highlight = toRgb(state.colors[colorBack2]);
    const bool cross = !state.resizeMode;
    for (int column = 1; column <= state.width(); ++column) {
        const bool inHoverColumn = cross && column == state.hoverColumn + 1;
        for (int row = 1; row <= state.height(); ++row) {
            if (state.cells.at(column, row) != 0) {
                fillMark(state, frame, column, row, picture);
            } else if (inHoverColumn || (cross && row == state.hoverRow + 1)) {
                fillMark(state, frame, column, row, highlight);
            }
        }
    }
}

// The outline has the extent of the filled rectangle: right and bottom
// edges one pixel inside the far corner. An empty rectangle shows nothing.
void drawSelection(const EditorState& state, QImage& frame) {
    const int left = state.boardOrigin + state.selStartX, top = state.boardOrigin + state.selStartY;
    const int right = state.boardOrigin + state.selEndX, bottom = state.boardOrigin + state.selEndY;
    if (right <= left || bottom <= top) return;
    fillBlock(frame, left, top, right, top + 1, kSelectionPixel);
    fillBlock(frame, left, bottom - 1, right, bottom, kSelectionPixel);
    fillBlock(frame, left, top, left + 1, bottom, kSelectionPixel);
    fillBlock(frame, right - 1, top, right, bottom, kSelectionPixel);
}

// A ring inside the cell's grid lines, two pixels wide so that it is seen on
// a full board: it covers the gap and the mark's outer pixel, leaving the
// grid as it is and enough of the mark that the cell's state stays visible.
void drawOutlines(const EditorState& state, QImage& frame) {
    constexpr int kRingWidth = 2;
    const QRgb pixel = toRgb(state.outlineColor);
    for (const auto& [column, row] : state.outlinedCells) {
        if (column < 1 || column > state.width() || row < 1 || row > state.height()) continue;
        const int left = cellLeft(state, column) + 1, top = cellTop(state, row) + 1;
        const int right = left + kEditorCellSize - 1, bottom = top + kEditorCellSize - 1;
        fillBlock(frame, left, top, right, top + kRingWidth, pixel);
        fillBlock(frame, left, bottom - kRingWidth, right, bottom, pixel);
        fillBlock(frame, left, top, left + kRingWidth, bottom, pixel);
        fillBlock(frame, right - kRingWidth, top, right, bottom, pixel);
    }
}

}  // namespace

void tablero(const EditorState& state, const QImage& guideScaled, EditorSurface& surface) {
    surface.boardImage = makeSurface(kEditorClientWidth, kEditorClientHeight);
    Canvas canvas(surface.boardImage);
    canvas.fillRect(0, 0, kStaticRight, kStaticBottom, kButtonFaceColor);
    const int origin = state.boardOrigin;
    canvas.fillRect(origin, origin, origin + kEditorCellSize * state.width(), origin + kEditorCellSize * state.height(),
                    state.colors[colorBack1]);
    if (state.guideVisible) canvas.drawImage(origin, origin, guideScaled);
    drawGrid(canvas, state);
}

void armatablero(const EditorState& state, EditorSurface& surface) {
    copyPixels(surface.frameImage, surface.boardCache);
    drawMarks(state, surface.frameImage);
    drawOutlines(state, surface.frameImage);
    if (state.resizeMode) drawSelection(state, surface.frameImage);
}

void mostrar(EditorState& state, const QImage& guideScaled, EditorSurface& surface) {
    state.redrawPending = false;
    // A frame asked for before any static layer exists still gets one.
    if (state.boardStale || surface.boardCache.isNull()) {
        tablero(state, guideScaled, surface);
        // Shared, not copied: the static layer is only read from here on.
        surface.boardCache = surface.boardImage;
    }
    armatablero(state, surface);
    state.boardStale = false;
}

}  // namespace mosarin
