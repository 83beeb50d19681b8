// end1.bmp: the badge that blinks over the finished picture. The game leaves
// out every pixel of the top-left pixel's colour, so the badge is drawn
// with smooth edges on a transparent canvas and then cut hard against a
// magenta key: no pixel ends up half magenta.

#include "art.h"

#include <QPainterPath>

namespace art {
namespace {

constexpr QSize kBadge{380, 120};
const QColor kKey{255, 0, 255};
constexpr QRectF kBand{46, 42, 288, 56};
constexpr double kTailDrop = 14;
constexpr double kTailWidth = 56;
constexpr double kNotch = 14;

// A ribbon end behind the band with a swallow-tail notch; `side` is -1 left, +1 right.
void drawTail(QPainter& painter, int side) {
    const double inner = side < 0 ? kBand.left() + 16 : kBand.right() - 16;
    const double outer = inner + side * kTailWidth;
    const double top = kBand.top() + kTailDrop;
    const double bottom = kBand.bottom() + kTailDrop;
    QPainterPath tail;
    tail.moveTo(inner, top);
    tail.lineTo(outer, top);
    tail.lineTo(outer - side * kNotch, (top + bottom) / 2);
    tail.lineTo(outer, bottom);
    tail.lineTo(inner, bottom);
    tail.closeSubpath();
    painter.setPen(QPen(palette::coralDeep.darker(130), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(palette::coralDeep);
    painter.drawPath(tail);
    // The fold where the band turns under, in shadow.
    const double edge = side < 0 ? kBand.left() : kBand.right();
    QPainterPath fold;
    fold.moveTo(edge, kBand.bottom());
    fold.lineTo(edge - side * 16, kBand.bottom() + kTailDrop);
    fold.lineTo(edge - side * 16, kBand.bottom());
    fold.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::coralDeep.darker(160));
    painter.drawPath(fold);
}

void drawBand(QPainter& painter) {
    QLinearGradient shade(kBand.topLeft(), kBand.bottomLeft());
    shade.setColorAt(0, palette::coral.lighter(112));
    shade.setColorAt(1, palette::coral.darker(108));
    painter.setPen(QPen(palette::coralDeep, 2));
    painter.setBrush(shade);
    painter.drawRect(kBand);
    painter.setPen(QPen(palette::gold, 1.5, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kBand.adjusted(5, 5, -5, -5));
}

void drawWords(QPainter& painter) {
    const QString words = QStringLiteral("Well done!");
    QPainterPath text;
    const QFont font = boldFont(34);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(words);
    const QPointF baseline(kBand.center().x() - width / 2, kBand.center().y() + metrics.capHeight() / 2);
    text.addText(baseline, font, words);
    painter.setPen(QPen(palette::coralDeep.darker(140), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text.translated(1.5, 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::cream);
    painter.drawPath(text);
}

void drawStars(QPainter& painter) {
    drawStar(painter, QPointF(190, 21), 19, palette::gold, palette::goldDeep);
    drawStar(painter, QPointF(152, 27), 12, palette::gold, palette::goldDeep);
    drawStar(painter, QPointF(228, 27), 12, palette::gold, palette::goldDeep);
    drawStar(painter, QPointF(20, 40), 8, palette::teal, palette::tealDeep);
    drawStar(painter, QPointF(360, 40), 8, palette::teal, palette::tealDeep);
}

}  // namespace

QImage makeOverlay() {
    QImage drawing(kBadge, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawTail(painter, -1);
    drawTail(painter, +1);
    drawBand(painter);
    drawWords(painter);
    drawStars(painter);
    painter.end();
    QImage keyed = keyedOnto(drawing, kKey);
    if (keyed.pixelColor(0, 0) != kKey)
        keyed.setPixelColor(0, 0, kKey);  // the corner names the key colour for the game
    return keyed;
}

}  // namespace art
