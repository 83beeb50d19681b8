// The per-frame layer over the static board: highlight, marks, the hovered
// line's clues, the completion check and the end screen.
#include "game/clue_drawing.h"
#include "game/keyboard_cursor.h"
#include "game/play_input.h"
#include "game/play_surface.h"
#include "shell/surface_pixels.h"
#include "shell/canvas.h"

#include <algorithm>
#include <span>
#include <vector>

namespace mosarin {

namespace {

struct CellOrigin {
    int x, y;   // top-left corner of the cell's grid square
};

CellOrigin cellOrigin(const GameState& state, int column, int row) {
    return {state.geometry.cellLeft(column), state.geometry.cellTop(row)};
}

// The board with its outer grid lines: every cell's square, dot and frame.
QRect boardArea(const GameState& state) {
    const BoardGeometry& g = state.geometry;
    return QRect(g.left, g.top, g.pitch * state.width() + 1, g.pitch * state.height() + 1);
}

// Generous bounds of a line's clue numbers: a row's stand left of the board
// within the row's height (or their text boxes, should those be taller); a
// column's, a two-digit number of which may spill into the next column's
// space (or, centred, a little into the one before), stack up to the top edge.
QRect rowClueArea(const GameState& state, int row) {
    const BoardGeometry& g = state.geometry;
    const int above = std::min(0, g.rowTextDown);
    const int below = std::max(g.pitch, g.rowTextDown + g.clueHeight);
    return QRect(0, g.cellTop(row) + above - 1, g.left + 1, below - above + 2);
}
QRect columnClueArea(const GameState& state, int column) {
    const BoardGeometry& g = state.geometry;
    const int before = std::min(0, g.columnIndentTwoDigits);
    return QRect(g.cellLeft(column) + before, 0, 2 * g.pitch + 1 - before, g.top + 1);
}

// Squares inside the grid lines: the fill leaves a ring of the board colour;
// the dot of a marked cell sits in its middle (11 x 11 and 4 x 4 at the
// designed pitch).
void fillSquare(QImage& frame, const BoardGeometry& g, CellOrigin at, QRgb pixel) {
    fillBlock(frame, at.x + g.fillInset, at.y + g.fillInset, at.x + g.fillInset + g.fillSize,
              at.y + g.fillInset + g.fillSize, pixel);
}
void fillDot(QImage& frame, const BoardGeometry& g, CellOrigin at, QRgb pixel) {
    fillBlock(frame, at.x + g.markInset, at.y + g.markInset, at.x + g.markInset + g.markSize,
              at.y + g.markInset + g.markSize, pixel);
}

// A 2-pixel outline over the grid lines and the ring inside them of cell
// (column, row), 0-based, in a grey that stands out against both the filled
// and the empty cell.
void outlineCell(const GameState& state, QImage& frame, int column, int row) {
    if (column < 0 || column >= state.width() || row < 0 || row >= state.height()) return;
    const BoardGeometry& g = state.geometry;
    const auto rgb = [](Color color) { return toRgb(color) & 0xFFFFFFu; };
    const QRgb outline =
        0xFF000000u | cursorOutlineColor(rgb(state.colors[colorPicture]), rgb(state.colors[colorBack1]));
    const int x = g.cellLeft(column + 1), y = g.cellTop(row + 1), end = g.pitch + 1;
    fillBlock(frame, x, y, x + end, y + 2, outline);
    fillBlock(frame, x, y + end - 2, x + end, y + end, outline);
    fillBlock(frame, x, y, x + 2, y + end, outline);
    fillBlock(frame, x + end - 2, y, x + end, y + end, outline);
}

// The cell under the cross while the arrows move it, and the cell the last
// hint named until the board changes.
void drawOutlines(const GameState& state, QImage& frame) {
    if (state.keyboardCursor) outlineCell(state, frame, state.hoverColumn, state.hoverRow);
    if (state.hintStands) outlineCell(state, frame, state.hintColumn, state.hintRow);
}

// Returns the board, where every square and dot lies.
QRect drawCells(const GameState& state, QImage& frame) {
    const QRgb picture = toRgb(state.colors[colorPicture]);
    const QRgb highlight = toRgb(state.colors[colorBack2]);
    const int width = state.width(), height = state.height();
    for (int column = 1; column <= width; ++column) {
        for (int row = 1; row <= height; ++row) {
            const CellOrigin at = cellOrigin(state, column, row);
            const int value = state.playGrid.at(column, row);
            const bool highlighted = column == state.hoverColumn + 1 || row == state.hoverRow + 1;
            if (value == cellFilled) {
                fillSquare(frame, state.geometry, at, picture);
            } else if (highlighted) {
                fillSquare(frame, state.geometry, at, highlight);
            }
            if (value == cellMarked) fillDot(frame, state.geometry, at, picture);
        }
    }
    drawOutlines(state, frame);
    return boardArea(state);
}

// Only a line of the picture on show has a clue of this puzzle: the hover
// fields outlive a game, and a larger picture's texts stay behind in the
// lines beyond the current size.
// Returns the area drawn on.
QRect drawHoveredClues(const GameState& state, QImage& frame) {
    const bool rowInside = state.hoverRow >= 0 && state.hoverRow + 1 <= state.height();
    const bool columnInside = state.hoverColumn >= 0 && state.hoverColumn + 1 <= state.width();
    if (!rowInside && !columnInside) return QRect();
    Canvas canvas(frame);
    QRect drawn;
    if (rowInside) {
        const bool wrong = state.showMistakes && rowContradicted(state, state.hoverRow + 1);
        drawRowClue(canvas, state, state.hoverRow + 1, wrong ? kHoveredMistakeClueColor : kHoveredClueColor);
        drawn |= rowClueArea(state, state.hoverRow + 1);
    }
    if (columnInside) {
        const bool wrong = state.showMistakes && columnContradicted(state, state.hoverColumn + 1);
        drawColumnClue(canvas, state, state.hoverColumn + 1, wrong ? kHoveredMistakeClueColor : kHoveredClueColor);
        drawn |= columnClueArea(state, state.hoverColumn + 1);
    }
    return drawn;
}

// Each filled cell in a black frame around a colour drawn anew every frame,
// red, green and blue each among 0..254 (13 x 13 around 11 x 11 at the
// designed pitch). Only the frames of squares that meet `framesWithin` are
// drawn: the others still stand from the end screen before.
void drawFestiveCells(const GameState& state, QImage& frame, Platform& platform, const QRect& framesWithin) {
    const QRgb black = toRgb(0x000000u);
    const BoardGeometry& g = state.geometry;
    const int width = state.width(), height = state.height();
    // The colours are drawn column by column, as they always were; the
    // squares are then written row by row, along memory. 0 marks a cell
    // that is not filled (every colour drawn is opaque).
    std::vector<QRgb> colors(size_t(width) * size_t(height), 0);
    for (int column = 1; column <= width; ++column) {
        for (int row = 1; row <= height; ++row) {
            if (state.playGrid.at(column, row) != cellFilled) continue;
            const int red = platform.randomBelow(255);
            const int green = platform.randomBelow(255);
            const int blue = platform.randomBelow(255);
            colors[size_t(row - 1) * size_t(width) + size_t(column - 1)] = qRgb(red, green, blue);
            const CellOrigin at = cellOrigin(state, column, row);
            const QRect square(at.x + g.festiveInset, at.y + g.festiveInset, g.festiveSize, g.festiveSize);
            if (square.intersects(framesWithin)) fillFrame(frame, square.x(), square.y(), g.festiveSize, g.festiveRing, black);
        }
    }
    const int inset = g.festiveInset + g.festiveRing, inner = g.festiveSize - 2 * g.festiveRing;
    for (int row = 1; row <= height; ++row) {
        const std::span<const QRgb> line(colors.data() + size_t(row - 1) * size_t(width), size_t(width));
        fillSquaresAlong(frame, g.cellLeft(1) + inset, g.cellTop(row) + inset, g.pitch, inner, line);
    }
}

// Whether `image`, drawn opaque at (0, 0), hides every pixel of `frame`.
bool coversFrame(const QImage& image, const QImage& frame) {
    return !frame.isNull() && image.width() >= frame.width() && image.height() >= frame.height();
}

// Returns the area that may differ from the frame before.
// A larger surface draws the artwork scaled with the board.
QRect drawEndScreen(GameState& state, const GameAssets& loaded, PlaySurface& surface, Platform& platform) {
    QImage& frame = surface.frameImage;
    const BoardGeometry& g = state.geometry;
    const GameAssets& assets = surfaceArt(loaded, surface, g);
    const QRect endArea(QPoint(g.endImageLeft(), g.endImageTop()), assets.endImage.size());
    const QRect overlayArea(QPoint(g.overlayLeft(), g.overlayTop()), assets.endOverlay.size());
    const QRect cellsArea = boardArea(state);
    const bool covers = coversFrame(assets.backImage, frame);
    // The overlay is on for three frames of every nine.
    const bool overlayOn = state.blinkCount + 1 < 4;
    QRect changed = cellsArea;
    QRect framesWithin;
    if (covers && surface.showsEndScreen) {
        // The last frame was an end screen of these same cells: all of it
        // but the squares' middles is already what this one would draw,
        // save where the overlay stood. The overlay's part is laid again
        // from the bottom up once it goes off, with the squares' frames
        // there; while it stays on, its keyed pixels show what the last
        // frame showed through them, and its others are drawn again.
        if (surface.endOverlayShown && !overlayOn) {
            Canvas canvas(frame);
            for (const QRect& bare : QRegion(overlayArea) - QRegion(endArea)) canvas.drawImage(0, 0, assets.backImage, bare);
            canvas.drawImage(endArea.x(), endArea.y(), assets.endImage, overlayArea);
            framesWithin = overlayArea;
        }
        if (surface.endOverlayShown || overlayOn) changed |= overlayArea;
    } else {
        Canvas canvas(frame);
        canvas.drawImage(0, 0, assets.backImage);
        canvas.drawImage(endArea.x(), endArea.y(), assets.endImage);
        changed |= overlayArea | QRect(QPoint(0, 0), assets.backImage.size()) | endArea;
        framesWithin = cellsArea;
    }
    drawFestiveCells(state, frame, platform, framesWithin);
    state.blinkCount += 1;
    if (overlayOn) {
        Canvas canvas(frame);
        canvas.drawImageKeyed(overlayArea.x(), overlayArea.y(), assets.endOverlay, assets.overlayKey);
    }
    if (state.blinkCount > 8) state.blinkCount = 0;
    surface.showsEndScreen = covers;
    surface.endOverlayShown = overlayOn;
    surface.drawnOver |= changed;
    return changed;
}

}  // namespace

QRect armatablero(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform) {
    // A frame asked for before any static layer was built still gets one,
    // rather than copying nothing and drawing on an empty image.
    if (surface.boardImage.isNull()) {
        tablero(state, assets, surface);
        surface.drawnOver = surface.frameImage.rect();
    }
    // The check reads only the grids, so it may come first: a finished
    // picture's end screen starts with the background over the whole frame,
    // and the board beneath it need not be drawn 25 times a second.
    const bool finished = completionCheck(state);
    QRect changed;
    if (!finished || !coversFrame(surfaceArt(assets, surface, state.geometry).backImage, surface.frameImage)) {
        // The static layer copied in again takes back what the last frame drew.
        copyPixels(surface.frameImage, surface.boardImage);
        changed = surface.drawnOver;
        surface.showsEndScreen = false;
        surface.drawnOver = drawCells(state, surface.frameImage) | drawHoveredClues(state, surface.frameImage);
        changed |= surface.drawnOver;
    }
    if (finished) changed |= drawEndScreen(state, assets, surface, platform);
    return changed & surface.frameImage.rect();
}

}  // namespace mosarin
