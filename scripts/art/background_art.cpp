// back.jpg: the calm paper behind the start screen, the board and the end
// screen. Clue numbers are drawn straight onto it left of and above the
// board, so everything away from the edges stays faint and light.

#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr int kBorderTile = 6;  // frieze tiles along the edges, 5 px + 1 px grout

// How far a point lies inside the quiet middle: 0 at the edges, 1 well inside.
double quietness(int x, int y) {
    const int edge = std::min({x, y, kSurfaceWidth - 1 - x, kSurfaceHeight - 1 - y});
    return std::clamp(edge / 60.0, 0.0, 1.0);
}

void paintPaper(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const QColor row = mix(palette::paperLight, palette::paperDeep, double(y) / image.height());
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double glow = 0.35 * (1.0 - double(x) / image.width());
            line[x] = mix(row, palette::cream, glow).rgb();
        }
    }
}

// Faint tesserae on the board's own 14 px grid, so the board looks set into
// the paper. They fade out in the middle where the numbers stand.
void paintTileTexture(QImage& image) {
    Noise noise(20240611);
    const int firstX = kBoardLeft % kPitch - kPitch;
    const int firstY = kBoardTop % kPitch - kPitch;
    QPainter painter(&image);
    for (int top = firstY; top < kSurfaceHeight; top += kPitch) {
        for (int left = firstX; left < kSurfaceWidth; left += kPitch) {
            const double strength = 1.0 - 0.75 * quietness(left + kPitch / 2, top + kPitch / 2);
            const int shade = noise.between(-5, 5);
            const QColor tone = shade >= 0 ? QColor(255, 255, 255, int(shade * 9 * strength))
                                           : QColor(150, 120, 80, int(-shade * 4 * strength));
            painter.fillRect(QRect(left + 1, top + 1, kPitch - 1, kPitch - 1), tone);
            painter.fillRect(QRect(left, top, kPitch, 1), QColor(160, 130, 90, int(16 * strength)));
            painter.fillRect(QRect(left, top, 1, kPitch), QColor(160, 130, 90, int(16 * strength)));
        }
    }
}

// Scattered coloured tiles gathering in the corners the game leaves free.
void paintCornerCluster(QPainter& painter, Noise& noise, QPoint corner, double radius) {
    const std::vector<QColor> colours{palette::teal, palette::gold, palette::coral, palette::sand, palette::sage};
    const int firstX = kBoardLeft % kPitch - kPitch;
    const int firstY = kBoardTop % kPitch - kPitch;
    for (int top = firstY; top < kSurfaceHeight; top += kPitch) {
        for (int left = firstX; left < kSurfaceWidth; left += kPitch) {
            const double distance = std::hypot(left + 7 - corner.x(), top + 7 - corner.y()) / radius;
            const double chance = 1.0 - distance;
            if (chance <= 0 || noise.unit() > chance * 0.9)
                continue;
            const QColor colour = mix(noise.pick(colours), palette::paperLight, 0.25 + 0.55 * distance);
            drawTile(painter, QRect(left + 1, top + 1, kPitch - 1, kPitch - 1), colour);
        }
    }
}

QColor friezeColour(int index) {
    static const std::vector<QColor> cycle{palette::teal, palette::teal, palette::gold, palette::coral,
                                           palette::gold, palette::teal, palette::sage, palette::sand};
    return mix(cycle[std::size_t(index) % cycle.size()], palette::paperLight, 0.35);
}

// A frieze of small tiles round the edge with a fine teal rule inside it.
void paintFrieze(QPainter& painter) {
    int index = 0;
    for (int x = 0; x < kSurfaceWidth; x += kBorderTile, ++index) {
        painter.fillRect(QRect(x + 1, 1, kBorderTile - 1, kBorderTile - 1), friezeColour(index));
        painter.fillRect(QRect(x + 1, kSurfaceHeight - kBorderTile, kBorderTile - 1, kBorderTile - 1),
                         friezeColour(index + 3));
    }
    index = 0;
    for (int y = kBorderTile; y < kSurfaceHeight - kBorderTile; y += kBorderTile, ++index) {
        painter.fillRect(QRect(1, y + 1, kBorderTile - 1, kBorderTile - 1), friezeColour(index + 5));
        painter.fillRect(QRect(kSurfaceWidth - kBorderTile, y + 1, kBorderTile - 1, kBorderTile - 1),
                         friezeColour(index + 1));
    }
    painter.setPen(mix(palette::tealDeep, palette::paperLight, 0.55));
    painter.drawRect(QRect(kBorderTile + 2, kBorderTile + 2, kSurfaceWidth - 2 * kBorderTile - 5,
                           kSurfaceHeight - 2 * kBorderTile - 5));
}

}  // namespace

QImage makeBackground() {
    QImage image(kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32);
    paintPaper(image);
    paintTileTexture(image);
    QPainter painter(&image);
    Noise noise(7);
    paintCornerCluster(painter, noise, QPoint(0, 0), 95);
    paintCornerCluster(painter, noise, QPoint(kSurfaceWidth, 0), 120);
    paintCornerCluster(painter, noise, QPoint(kSurfaceWidth, kSurfaceHeight), 150);
    paintCornerCluster(painter, noise, QPoint(0, kSurfaceHeight), 70);
    paintFrieze(painter);
    return image;
}

}  // namespace art
