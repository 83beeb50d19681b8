// Mock-ups of the three screens, composed the way the game composes them,
// to judge the pictures together before shipping them.

#include "art.h"

#include <QDir>

#include <cmath>

namespace art {
namespace {

const QColor kButtonFace{240, 240, 240};
const QColor kHighlight{204, 204, 204};
const QColor kLine1{185, 163, 34};
const QColor kLine2{44, 24, 21};
const QColor kPicture{119, 119, 221};
const QColor kHoverClue{17, 17, 17};

// A sun over rolling hills, big enough to give real clue lists.
CellRows samplePicture(int width, int height) {
    CellRows rows(static_cast<std::size_t>(height), std::vector<bool>(static_cast<std::size_t>(width)));
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c) {
            const double dx = c - width * 0.35, dy = r - height * 0.35;
            const bool sun = dx * dx + dy * dy < std::pow(height * 0.25, 2);
            const bool hill = r > height * 0.75 + 2 * std::sin(c * 0.5);
            rows[std::size_t(r)][std::size_t(c)] = sun || hill;
        }
    return rows;
}

void drawText(QPainter& painter, QPoint at, int cellHeight, const QColor& colour, const QString& text) {
    painter.setFont(boldFontByCellHeight(cellHeight));
    painter.setPen(colour);
    painter.drawText(QRect(at, QSize(600, 60)), Qt::AlignLeft | Qt::AlignTop, text);
}

void drawClues(QPainter& painter, const CellRows& picture, int row, int column, const QColor& colour) {
    for (int r = 0; r < int(picture.size()); ++r) {
        if (row >= 0 && r != row)
            continue;
        const auto runs = runsOf(picture[std::size_t(r)]);
        int x = kBoardLeft;
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            x -= *run >= 10 ? 13 : 8;
            drawText(painter, QPoint(x, kBoardTop + kPitch * r), 11, colour, QString::number(*run));
        }
    }
    for (int c = 0; c < int(picture.front().size()); ++c) {
        if (column >= 0 && c != column)
            continue;
        const auto runs = runsOf(columnOf(picture, std::size_t(c)));
        int k = 1;
        for (auto run = runs.rbegin(); run != runs.rend(); ++run, ++k)
            drawText(painter, QPoint(kBoardLeft + kPitch * c + 5, kBoardTop - 11 * k), 11, colour,
                     QString::number(*run));
    }
}

void drawGrid(QPainter& painter, int w, int h) {
    painter.fillRect(QRect(kBoardLeft, kBoardTop, kPitch * w, kPitch * h), kButtonFace);
    painter.setPen(kLine1);
    for (int i = 0; i <= w; ++i)
        painter.drawLine(kBoardLeft + kPitch * i, kBoardTop, kBoardLeft + kPitch * i, kBoardTop + kPitch * h - 1);
    for (int i = 0; i <= h; ++i)
        painter.drawLine(kBoardLeft, kBoardTop + kPitch * i, kBoardLeft + kPitch * w - 1, kBoardTop + kPitch * i);
    painter.setPen(kLine2);
    for (int i = 0; 5 * i <= w; ++i)
        painter.drawLine(kBoardLeft + 70 * i, kBoardTop, kBoardLeft + 70 * i, kBoardTop + kPitch * h - 1);
    for (int i = 0; 5 * i <= h; ++i)
        painter.drawLine(kBoardLeft, kBoardTop + 70 * i, kBoardLeft + kPitch * w - 1, kBoardTop + 70 * i);
}

QImage boardScreen(const ArtSet& art, const CellRows& picture, int hoverRow, int hoverColumn) {
    QImage frame = art.background.copy();
    QPainter painter(&frame);
    const int w = int(picture.front().size()), h = int(picture.size());
    drawGrid(painter, w, h);
    drawClues(painter, picture, -1, -1, palette::clue);
    for (int c = 0; c < w; ++c)
        for (int r = 0; r < h; ++r) {
            const QRect square(kBoardLeft + kPitch * c + 2, kBoardTop + kPitch * r + 2, 11, 11);
            if (c == hoverColumn || r == hoverRow)
                painter.fillRect(square, kHighlight);
            if (picture[std::size_t(r)][std::size_t(c)] && r < h * 2 / 3)
                painter.fillRect(square, kPicture);
            else if (!picture[std::size_t(r)][std::size_t(c)] && r < h / 3)
                painter.fillRect(square.adjusted(4, 4, -3, -3), kPicture);
        }
    drawClues(painter, picture, hoverRow, -2, kHoverClue);
    drawClues(painter, picture, -2, hoverColumn, kHoverClue);
    return frame;
}

void drawKeyed(QImage& target, const QImage& overlay, QPoint at) {
    const QRgb key = overlay.pixel(0, 0);
    for (int y = 0; y < overlay.height(); ++y)
        for (int x = 0; x < overlay.width(); ++x)
            if (overlay.pixel(x, y) != key && target.rect().contains(at + QPoint(x, y)))
                target.setPixel(at + QPoint(x, y), overlay.pixel(x, y));
}

QImage endScreen(const ArtSet& art, const CellRows& picture, bool overlayOn) {
    QImage frame = art.background.copy();
    QPainter painter(&frame);
    painter.drawImage(kEndFrameAt, art.endFrame);
    Noise noise(3);
    for (int r = 0; r < int(picture.size()); ++r)
        for (int c = 0; c < int(picture.front().size()); ++c) {
            if (!picture[std::size_t(r)][std::size_t(c)])
                continue;
            const QPoint cell(kBoardLeft + kPitch * c, kBoardTop + kPitch * r);
            painter.fillRect(QRect(cell + QPoint(1, 1), QSize(13, 13)), Qt::black);
            painter.fillRect(QRect(cell + QPoint(2, 2), QSize(11, 11)),
                             QColor(noise.between(0, 254), noise.between(0, 254), noise.between(0, 254)));
        }
    painter.end();
    if (overlayOn)
        drawKeyed(frame, art.overlay.convertToFormat(QImage::Format_RGB32), kOverlayAt);
    return frame;
}

QImage startScreen(const ArtSet& art) {
    QImage frame = art.background.copy();
    QPainter painter(&frame);
    painter.drawImage(kTitleAt, art.title);
    drawText(painter, QPoint(250, 385), 27, palette::clue, QStringLiteral("Mosarin Team 2024"));
    drawText(painter, QPoint(270, 409), 17, palette::clue, QStringLiteral("hello@mosarin.example"));
    drawText(painter, QPoint(260, 425), 17, palette::clue, QStringLiteral("www.mosarin.example"));
    return frame;
}

// Doubles a part of a screen, to check edges pixel by pixel.
QImage zoomed(const QImage& screen, const QRect& part) {
    return screen.copy(part).scaled(part.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

bool writeMockups(const ArtSet& art, const QString& folder) {
    QDir().mkpath(folder);
    const QDir dir(folder);
    const CellRows medium = samplePicture(25, 20);
    const CellRows largest = samplePicture(40, 30);
    const CellRows small = samplePicture(12, 9);
    const QImage start = startScreen(art);
    const QImage end = endScreen(art, medium, true);
    return start.save(dir.filePath("start.png")) &&
           zoomed(start, QRect(40, 25, 390, 200)).save(dir.filePath("zoom_title.png")) &&
           zoomed(end, QRect(190, 250, 400, 140)).save(dir.filePath("zoom_overlay.png")) &&
           boardScreen(art, medium, 6, 9).save(dir.filePath("board.png")) &&
           boardScreen(art, largest, 12, 30).save(dir.filePath("board_largest.png")) &&
           end.save(dir.filePath("end.png")) &&
           endScreen(art, largest, true).save(dir.filePath("end_largest.png")) &&
           endScreen(art, small, false).save(dir.filePath("end_small_blink_off.png"));
}

}  // namespace art
