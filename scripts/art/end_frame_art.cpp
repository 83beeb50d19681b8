// end2.jpg: the panel the finished picture is shown on. Its top-left corner
// lies two pixels outside the board, so its thin gilded edge frames even
// the largest board; inside, light tesserae on the board's grid and a soft
// sunburst centred on the blinking badge. The filled cells are drawn over
// it in random colours, so nothing inside may be strong.

#include "art.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr QSize kPanel{564, 424};  // the largest board plus two pixels all round
constexpr int kShadow = 6;
constexpr QPointF kBurstCentre{262, 202};  // the badge's centre, in panel pixels

void drawShadow(QPainter& painter) {
    for (int spread = kShadow; spread >= 1; --spread) {
        const QRect shadow(QPoint(spread, spread), kPanel);
        painter.fillRect(shadow, QColor(90, 70, 40, 9));
    }
}

void drawSunburst(QPainter& painter, const QRect& inside) {
    painter.save();
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    constexpr int kRays = 28;
    const double reach = 700;
    for (int ray = 0; ray < kRays; ray += 2) {
        QPainterPath wedge(kBurstCentre);
        const double from = ray * 2 * std::numbers::pi / kRays;
        const double to = (ray + 1) * 2 * std::numbers::pi / kRays;
        wedge.lineTo(kBurstCentre + QPointF(reach * std::cos(from), reach * std::sin(from)));
        wedge.lineTo(kBurstCentre + QPointF(reach * std::cos(to), reach * std::sin(to)));
        wedge.closeSubpath();
        painter.setBrush(QColor(240, 200, 110, 34));
        painter.drawPath(wedge);
    }
    QRadialGradient glow(kBurstCentre, 300);
    glow.setColorAt(0, QColor(255, 252, 240, 230));
    glow.setColorAt(0.55, QColor(255, 250, 236, 90));
    glow.setColorAt(1, QColor(255, 250, 236, 0));
    painter.fillRect(inside, glow);
    painter.restore();
}

// Faint grout on the board's 14 px grid: each cell the game fills lands
// exactly on one tile.
void drawTesserae(QPainter& painter, const QRect& inside) {
    Noise noise(404);
    for (int top = inside.top(); top < inside.bottom(); top += kPitch) {
        for (int left = inside.left(); left < inside.right(); left += kPitch) {
            const int shade = noise.between(0, 12);
            painter.fillRect(QRect(left, top, kPitch - 1, kPitch - 1), QColor(255, 255, 255, shade * 4));
        }
    }
    const QColor grout(190, 160, 110, 40);
    for (int x = inside.left() + kPitch - 1; x < inside.right(); x += kPitch)
        painter.fillRect(QRect(x, inside.top(), 1, inside.height()), grout);
    for (int y = inside.top() + kPitch - 1; y < inside.bottom(); y += kPitch)
        painter.fillRect(QRect(inside.left(), y, inside.width(), 1), grout);
}

void drawConfetti(QPainter& painter, const QRect& inside) {
    const std::vector<QColor> colours{palette::teal, palette::coral, palette::gold, palette::sage, palette::sand};
    Noise noise(1999);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    for (int piece = 0; piece < 70; ++piece) {
        const QPointF at(inside.left() + noise.unit() * inside.width(), inside.top() + noise.unit() * inside.height());
        QColor colour = mix(noise.pick(colours), palette::cream, 0.35);
        colour.setAlpha(150);
        painter.save();
        painter.translate(at);
        painter.rotate(noise.unit() * 180);
        painter.setBrush(colour);
        if (noise.unit() < 0.6)
            painter.drawRect(QRectF(-3, -1.5, 6, 3));
        else
            painter.drawEllipse(QPointF(0, 0), 2, 2);
        painter.restore();
    }
    painter.restore();
}

void drawGildedEdge(QPainter& painter) {
    const QRect outer(QPoint(0, 0), kPanel);
    painter.setPen(palette::goldDeep);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(palette::gold);
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
    painter.setPen(mix(palette::gold, Qt::white, 0.55));
    painter.drawRect(outer.adjusted(2, 2, -3, -3));
}

}  // namespace

QImage makeEndFrame(const QImage& background) {
    const QSize size = kPanel + QSize(kShadow, kShadow);
    QImage image = background.copy(QRect(kEndFrameAt, size)).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    drawShadow(painter);
    const QRect inside(QPoint(3, 3), kPanel - QSize(6, 6));
    painter.fillRect(inside, mix(palette::cream, palette::paperLight, 0.5));
    drawSunburst(painter, inside);
    drawTesserae(painter, inside);
    drawConfetti(painter, inside);
    drawGildedEdge(painter);
    return image;
}

}  // namespace art
