#include "game/play_surface.h"

#include <QPainter>
#include <span>

#include "game/clue_drawing.h"
#include "shell/surface_pixels.h"
#include "shell/canvas.h"

namespace mosarin {

const char* const kMakerLine = "Mosarin Team 2026";
const char* const kContactLine1 = "puzzles@mosarin.example";
const char* const kContactLine2 = "mosarin.example/help";

namespace {

constexpr Color kStartTextColor = 0x7D8373u;

// The designed start screen's picture and lines, drawn by `painter` in the
// designed surface's coordinates.
void drawStartContent(QPainter& painter, const GameAssets& assets) {
    static const QFont makerFont = arialBold(27);
    static const QFont contactFont = arialBold(17);
    if (!assets.startImage.isNull()) painter.drawImage(QPoint(50, 35), assets.startImage);
    painter.setPen(toQColor(kStartTextColor));
    const auto line = [&](int x, int y, const char* text, const QFont& font) {
        painter.setFont(font);
        painter.drawText(QRectF(x, y, 2000, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         QString::fromUtf8(text));
    };
    line(250, 385, kMakerLine, makerFont);
    line(270, 409, kContactLine1, contactFont);
    line(260, 425, kContactLine2, contactFont);
}

void drawStartScreen(const GameAssets& assets, const GameAssets& art, QImage& frame) {
    if (frame.size() == QSize(kDesignedSurfaceWidth, kDesignedSurfaceHeight)) {
        static const QFont makerFont = arialBold(27);
        static const QFont contactFont = arialBold(17);
        Canvas canvas(frame);
        canvas.drawImage(0, 0, assets.backImage);
        canvas.drawImage(50, 35, assets.startImage);
        canvas.text(250, 385, QString::fromUtf8(kMakerLine), makerFont, kStartTextColor);
        canvas.text(270, 409, QString::fromUtf8(kContactLine1), contactFont, kStartTextColor);
        canvas.text(260, 425, QString::fromUtf8(kContactLine2), contactFont, kStartTextColor);
        return;
    }
    // A larger surface: the background covers it, and the picture with its
    // lines is the designed composition scaled to fit, in the middle.
    {
        Canvas canvas(frame);
        canvas.drawImage(0, 0, art.backImage);
    }
    const double scale = std::min(double(frame.width()) / kDesignedSurfaceWidth,
                                  double(frame.height()) / kDesignedSurfaceHeight);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate((frame.width() - kDesignedSurfaceWidth * scale) / 2,
                      (frame.height() - kDesignedSurfaceHeight * scale) / 2);
    painter.scale(scale, scale);
    drawStartContent(painter, assets);
}

// Thin lines around every cell, then every fifth boundary (from the board's
// left and top edges) again in the darker colour.
void drawGrid(Canvas& canvas, const GameState& state) {
    const BoardGeometry& g = state.geometry;
    const int w = state.width(), h = state.height();
    const int left = g.left, top = g.top, pitch = g.pitch, block = g.blockPitch();
    const int right = left + pitch * w, bottom = top + pitch * h;
    const Color line1 = state.colors[colorLine1], line2 = state.colors[colorLine2];
    for (int i = 0; i <= w; ++i) canvas.line(left + pitch * i, top, left + pitch * i, bottom, line1);
    for (int i = 0; i <= h; ++i) canvas.line(left, top + pitch * i, right, top + pitch * i, line1);
    for (int i = 0; i <= 8 && 5 * i <= w; ++i) canvas.line(left + block * i, top, left + block * i, bottom, line2);
    for (int i = 0; i <= 6 && 5 * i <= h; ++i) canvas.line(left, top + block * i, right, top + block * i, line2);
}

// `image` scaled by `factor`: smoothly for photographs; pixel for pixel for
// the keyed overlay, whose transparent colour must stay exact.
QImage scaledBy(const QImage& image, double factor, Qt::TransformationMode mode) {
    if (image.isNull()) return image;
    const QSize size(std::max(1, int(image.width() * factor + 0.5)), std::max(1, int(image.height() * factor + 0.5)));
    return image.scaled(size, Qt::IgnoreAspectRatio, mode).convertToFormat(QImage::Format_RGB32);
}

// The background scaled smoothly to cover the whole surface, its middle kept.
QImage coverScaled(const QImage& image, QSize surface) {
    if (image.isNull()) return image;
    const QImage scaled = image.scaled(surface, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled
        .copy((scaled.width() - surface.width()) / 2, (scaled.height() - surface.height()) / 2, surface.width(),
              surface.height())
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QSize surfaceSize(const PlaySurface& surface) {
    return QSize(surfaceWidthFor(surface.clientWidth), surfaceHeightFor(surface.clientHeight));
}

bool composesStartScreen(const GameState& state, const PlaySurface& surface) {
    return !state.boardShown &&
           (!surface.showsStartScreen || surface.frameImage.isNull() || surface.frameImage.size() != surfaceSize(surface));
}

void layOutBoard(GameState& state, const PlaySurface& surface) {
    BoardLayoutInput input;
    input.clientWidth = surface.clientWidth;
    input.clientHeight = surface.clientHeight;
    input.columns = state.width();
    input.rows = state.height();
    input.rowClues = std::span<const std::string>(state.rowClues).subspan(1, size_t(input.rows));
    input.columnClues = std::span<const std::string>(state.columnClues).subspan(1, size_t(input.columns));
    input.font = clueFontMetrics();
    state.geometry = boardGeometry(input);
}

const GameAssets& surfaceArt(const GameAssets& assets, PlaySurface& surface, const BoardGeometry& geometry) {
    if (geometry.designed) return assets;
    if (surface.artScaled && surface.artFor == geometry) return surface.art;
    const double factor = double(geometry.pitch) / kDesignedPitch;
    GameAssets& art = surface.art;
    art.backImage = coverScaled(assets.backImage, QSize(geometry.surfaceWidth, geometry.surfaceHeight));
    art.endImage = scaledBy(assets.endImage, factor, Qt::SmoothTransformation);
    art.endOverlay = scaledBy(assets.endOverlay, factor, Qt::FastTransformation);
    art.startImage = assets.startImage;
    art.overlayKey = assets.overlayKey;
    surface.artFor = geometry;
    surface.artScaled = true;
    return art;
}

void newFrame(PlaySurface& surface) {
    const QSize size = surfaceSize(surface);
    surface.frameImage = makeSurface(size.width(), size.height());
    surface.drawnOver = surface.frameImage.rect();
    surface.showsEndScreen = false;
    surface.showsStartScreen = false;
}

void tablero(const GameState& state, const GameAssets& assets, PlaySurface& surface) {
    const BoardGeometry& g = state.geometry;
    surface.boardImage = makeSurface(g.surfaceWidth, g.surfaceHeight);
    const GameAssets& art = surfaceArt(assets, surface, g);
    Canvas canvas(surface.boardImage);
    canvas.drawImage(0, 0, art.backImage);
    const int w = state.width(), h = state.height();
    canvas.fillRect(g.left, g.top, g.left + g.pitch * w, g.top + g.pitch * h, state.colors[colorBack1]);
    drawGrid(canvas, state);
    surface.greyed = greyedClues(state);
    surface.contradicted = contradictedClues(state);
    // A matched line always fits its clue, so a clue is never both.
    const auto clueColor = [](bool grey, bool wrong) {
        return wrong ? kMistakeClueColor : grey ? kGreyedClueColor : kClueColor;
    };
    for (int row = 1; row <= h; ++row) {
        const auto r = static_cast<size_t>(row);
        drawRowClue(canvas, state, row, clueColor(surface.greyed.rows[r], surface.contradicted.rows[r]));
    }
    for (int column = 1; column <= w; ++column) {
        const auto c = static_cast<size_t>(column);
        drawColumnClue(canvas, state, column, clueColor(surface.greyed.columns[c], surface.contradicted.columns[c]));
    }
}

QRect mostrar(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform) {
    state.redrawPending = false;
    // A first frame, or a window of another size: a new frame, composed whole.
    const bool resized = surface.frameImage.isNull() || surface.frameImage.size() != surfaceSize(surface);
    if (resized) newFrame(surface);
    // Nothing on the start screen moves: the frame that shows it stays.
    if (!state.boardShown && !resized && surface.showsStartScreen) return QRect();
    // Whatever is composed now is drawn into the frame pixel by pixel, 32
    // bits at a time: the start screen's frame, kept at 24 bits, becomes a
    // 32-bit one again first, its pixels unchanged.
    if (surface.frameImage.format() != QImage::Format_RGB32)
        surface.frameImage = surface.frameImage.convertToFormat(QImage::Format_RGB32);
    if (!state.boardShown) {
        if (resized) layOutBoard(state, surface);
        drawStartScreen(assets, surfaceArt(assets, surface, state.geometry), surface.frameImage);
        // It stays on show unchanged until a board or a new size, so it is
        // kept at 24 bits a pixel: a quarter less memory for as long as the
        // window shows it (370 KiB at the designed size), the same colours
        // (the 32-bit frame's fourth byte is always opaque). A converted
        // copy, not QImage::convertTo: converted in place, the image keeps
        // the paint engine that drew it, which still writes 32-bit pixels
        // into the buffer it had (Qt 6.4), so a later QPainter on the frame
        // (QImage::fill with a QColor takes one) writes out of bounds.
        surface.frameImage = surface.frameImage.convertToFormat(QImage::Format_RGB888);
        surface.drawnOver = surface.frameImage.rect();
        surface.showsEndScreen = false;
        surface.showsStartScreen = true;
        return surface.frameImage.rect();
    }
    surface.showsStartScreen = false;
    QRect changed;
    // A new puzzle or a new size is laid out again; a line whose clue turns
    // grey or red, or back to its usual ink, changes the static layer too.
    const bool relaid = state.boardStale || resized;
    if (relaid) layOutBoard(state, surface);
    if (relaid || greyedClues(state) != surface.greyed || contradictedClues(state) != surface.contradicted) {
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
