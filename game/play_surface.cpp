#include "game/play_surface.h"

#include "game/clue_drawing.h"
#include "shell/surface_pixels.h"
#include "shell/canvas.h"

namespace mosarin {

const char* const kMakerLine = "Mosarin Team 2026";
const char* const kContactLine1 = "puzzles@mosarin.example";
const char* const kContactLine2 = "mosarin.example/help";

namespace {

constexpr Color kStartTextColor = 0x7D8373u;

void ensureFrame(PlaySurface& surface) {
    if (surface.frameImage.isNull()) newFrame(surface);
}

void drawStartScreen(const GameAssets& assets, QImage& frame) {
    static const QFont makerFont = arialBold(27);
    static const QFont contactFont = arialBold(17);
    Canvas canvas(frame);
    canvas.drawImage(0, 0, assets.backImage);
    canvas.drawImage(50, 35, assets.startImage);
    canvas.text(250, 385, QString::fromUtf8(kMakerLine), makerFont, kStartTextColor);
    canvas.text(270, 409, QString::fromUtf8(kContactLine1), contactFont, kStartTextColor);
    canvas.text(260, 425, QString::fromUtf8(kContactLine2), contactFont, kStartTextColor);
}

// Thin lines around every cell, then every fifth boundary (from the board's
// left and top edges) again in the darker colour.
void drawGrid(Canvas& canvas, const GameState& state) {
    const int w = state.width(), h = state.height();
    const int left = state.boardLeft, top = state.boardTop;
    const int right = left + kCellPitch * w, bottom = top + kCellPitch * h;
    const Color line1 = state.colors[colorLine1], line2 = state.colors[colorLine2];
    for (int i = 0; i <= w; ++i) canvas.line(left + kCellPitch * i, top, left + kCellPitch * i, bottom, line1);
    for (int i = 0; i <= h; ++i) canvas.line(left, top + kCellPitch * i, right, top + kCellPitch * i, line1);
    for (int i = 0; i <= 8 && 5 * i <= w; ++i) canvas.line(left + 70 * i, top, left + 70 * i, bottom, line2);
    for (int i = 0; i <= 6 && 5 * i <= h; ++i) canvas.line(left, top + 70 * i, right, top + 70 * i, line2);
}

}  // namespace

void newFrame(PlaySurface& surface) {
    surface.frameImage = makeSurface(kSurfaceWidth, kSurfaceHeight);
    surface.drawnOver = surface.frameImage.rect();
    surface.showsEndScreen = false;
}

void tablero(const GameState& state, const GameAssets& assets, PlaySurface& surface) {
    surface.boardImage = makeSurface(kSurfaceWidth, kSurfaceHeight);
    Canvas canvas(surface.boardImage);
    canvas.drawImage(0, 0, assets.backImage);
    const int w = state.width(), h = state.height();
    canvas.fillRect(state.boardLeft, state.boardTop, state.boardLeft + kCellPitch * w,
                    state.boardTop + kCellPitch * h, state.colors[colorBack1]);
    drawGrid(canvas, state);
    surface.greyed = greyedClues(state);
    const auto clueColor = [](bool grey) { return grey ? kGreyedClueColor : kClueColor; };
    for (int row = 1; row <= h; ++row)
        drawRowClue(canvas, state, row, clueColor(surface.greyed.rows[static_cast<size_t>(row)]));
    for (int column = 1; column <= w; ++column)
        drawColumnClue(canvas, state, column, clueColor(surface.greyed.columns[static_cast<size_t>(column)]));
}

QRect mostrar(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform) {
    state.redrawPending = false;
    ensureFrame(surface);
    if (!state.boardShown) {
        drawStartScreen(assets, surface.frameImage);
        surface.drawnOver = surface.frameImage.rect();
        surface.showsEndScreen = false;
        return surface.frameImage.rect();
    }
    QRect changed;
    // A line whose clue turns grey, or black again, changes the static layer.
    if (state.boardStale || greyedClues(state) != surface.greyed) {
        tablero(state, assets, surface);
        copyPixels(surface.frameImage, surface.boardImage);
        surface.drawnOver = QRect();
        surface.showsEndScreen = false;
        changed = surface.frameImage.rect();
    }
    if (state.puzzleActive) changed |= armatablero(state, assets, surface, platform);
    state.boardStale = false;
    return changed & surface.frameImage.rect();
}

}  // namespace mosarin
