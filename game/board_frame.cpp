// The per-frame layer over the static board: highlight, marks, the hovered
// line's clues, the completion check and the end screen.
#include "game/clue_drawing.h"
#include "game/play_input.h"
#include "game/play_surface.h"
#include "shell/surface_pixels.h"
#include "shell/canvas.h"

namespace mosarin {

namespace {

struct CellOrigin {
    int x, y;   // top-left corner of the cell's grid square
};

CellOrigin cellOrigin(const GameState& state, int column, int row) {
    return {state.boardLeft + kCellPitch * (column - 1), state.boardTop + kCellPitch * (row - 1)};
}

// Squares inside the grid lines: the 11 x 11 fill leaves a 1-pixel ring of
// the board colour; the dot of a marked cell is 4 x 4 in its middle.
void fillSquare(QImage& frame, CellOrigin at, QRgb pixel) { fillBlock(frame, at.x + 2, at.y + 2, at.x + 13, at.y + 13, pixel); }
void fillDot(QImage& frame, CellOrigin at, QRgb pixel) { fillBlock(frame, at.x + 6, at.y + 6, at.x + 10, at.y + 10, pixel); }

void drawCells(const GameState& state, QImage& frame) {
    const QRgb picture = toRgb(state.colors[colorPicture]);
    const QRgb highlight = toRgb(state.colors[colorBack2]);
    const int width = state.width(), height = state.height();
    for (int column = 1; column <= width; ++column) {
        for (int row = 1; row <= height; ++row) {
            const CellOrigin at = cellOrigin(state, column, row);
            const int value = state.playGrid.at(column, row);
            const bool highlighted = column == state.hoverColumn + 1 || row == state.hoverRow + 1;
            if (value == cellFilled) {
                fillSquare(frame, at, picture);
            } else if (highlighted) {
                fillSquare(frame, at, highlight);
            }
            if (value == cellMarked) fillDot(frame, at, picture);
        }
    }
}

// Only a line of the picture on show has a clue of this puzzle: the hover
// fields outlive a game, and a larger picture's texts stay behind in the
// lines beyond the current size.
void drawHoveredClues(const GameState& state, QImage& frame) {
    const bool rowInside = state.hoverRow >= 0 && state.hoverRow + 1 <= state.height();
    const bool columnInside = state.hoverColumn >= 0 && state.hoverColumn + 1 <= state.width();
    if (!rowInside && !columnInside) return;
    Canvas canvas(frame);
    if (rowInside) drawRowClue(canvas, state, state.hoverRow + 1, kHoveredClueColor);
    if (columnInside) drawColumnClue(canvas, state, state.hoverColumn + 1, kHoveredClueColor);
}

// Each filled cell in a black frame around a colour drawn anew every frame,
// red, green and blue each among 0..254.
void drawFestiveCells(const GameState& state, QImage& frame, Platform& platform) {
    const QRgb black = toRgb(0x000000u);
    const int width = state.width(), height = state.height();
    for (int column = 1; column <= width; ++column) {
        for (int row = 1; row <= height; ++row) {
            if (state.playGrid.at(column, row) != cellFilled) continue;
            const CellOrigin at = cellOrigin(state, column, row);
            fillBlock(frame, at.x + 1, at.y + 1, at.x + 14, at.y + 14, black);
            const int red = platform.randomBelow(255);
            const int green = platform.randomBelow(255);
            const int blue = platform.randomBelow(255);
            fillSquare(frame, at, qRgb(red, green, blue));
        }
    }
}

// Whether `image`, drawn opaque at (0, 0), hides every pixel of `frame`.
bool coversFrame(const QImage& image, const QImage& frame) {
    return !frame.isNull() && image.width() >= frame.width() && image.height() >= frame.height();
}

void drawEndScreen(GameState& state, const GameAssets& assets, QImage& frame, Platform& platform) {
    {
        Canvas canvas(frame);
        canvas.drawImage(0, 0, assets.backImage);
        canvas.drawImage(state.boardLeft - 2, state.boardTop - 2, assets.endImage);
    }
    drawFestiveCells(state, frame, platform);
    // The overlay is on for three frames of every nine.
    state.blinkCount += 1;
    if (state.blinkCount < 4) {
        Canvas canvas(frame);
        canvas.drawImageKeyed(200, 260, assets.endOverlay, assets.overlayKey);
    }
    if (state.blinkCount > 8) state.blinkCount = 0;
}

}  // namespace

void armatablero(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform) {
    // A frame asked for before any static layer was built still gets one,
    // rather than copying nothing and drawing on an empty image.
    if (surface.boardImage.isNull()) tablero(state, assets, surface);
    // The check reads only the grids, so it may come first: a finished
    // picture's end screen starts with the background over the whole frame,
    // and the board beneath it need not be drawn 25 times a second.
    const bool finished = completionCheck(state);
    if (!finished || !coversFrame(assets.backImage, surface.frameImage)) {
        copyPixels(surface.frameImage, surface.boardImage);
        drawCells(state, surface.frameImage);
        drawHoveredClues(state, surface.frameImage);
    }
    if (finished) drawEndScreen(state, assets, surface.frameImage, platform);
}

}  // namespace mosarin
