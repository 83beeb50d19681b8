#include "art.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art {

QColor mix(const QColor& a, const QColor& b, double towardB) {
    auto blend = [towardB](int x, int y) { return int(std::lround(x + (y - x) * towardB)); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()));
}

QFont boldFont(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont boldFontByCellHeight(int cellHeight) {
    for (int size = cellHeight; size > 1; --size) {
        QFont font = boldFont(size);
        if (QFontMetrics(font).height() <= cellHeight)
            return font;
    }
    return boldFont(cellHeight);
}

void drawTile(QPainter& painter, const QRect& cell, const QColor& colour) {
    painter.fillRect(cell, colour);
    const QColor light = mix(colour, Qt::white, 0.45);
    const QColor dark = mix(colour, Qt::black, 0.25);
    painter.fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), light);
    painter.fillRect(QRect(cell.left(), cell.top(), 1, cell.height()), light);
    painter.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), dark);
    painter.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), dark);
    // A small glint gives the glazed look of a real mosaic tessera.
    painter.fillRect(QRect(cell.left() + 2, cell.top() + 2, 2, 2), mix(colour, Qt::white, 0.6));
}

void drawStar(QPainter& painter, QPointF centre, double outerRadius, const QColor& fill, const QColor& edge) {
    QPainterPath star;
    const double innerRadius = outerRadius * 0.45;
    for (int point = 0; point < 10; ++point) {
        const double radius = point % 2 == 0 ? outerRadius : innerRadius;
        const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const QPointF corner = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (point == 0)
            star.moveTo(corner);
        else
            star.lineTo(corner);
    }
    star.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(edge, std::max(1.0, outerRadius / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(star);
    painter.restore();
}

std::vector<int> runsOf(const std::vector<bool>& line) {
    std::vector<int> runs;
    int current = 0;
    for (bool filled : line) {
        if (filled) {
            ++current;
        } else if (current > 0) {
            runs.push_back(current);
            current = 0;
        }
    }
    if (current > 0)
        runs.push_back(current);
    return runs;
}

std::vector<bool> columnOf(const CellRows& rows, std::size_t column) {
    std::vector<bool> cells;
    for (const auto& row : rows)
        cells.push_back(column < row.size() && row[column]);
    return cells;
}

QImage keyedOnto(const QImage& drawing, const QColor& key) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_RGB888);
    // A drawn pixel that happened to equal the key would turn into a hole.
    const QRgb keyRgb = key.rgb();
    const QRgb nearKey = qRgb(qRed(keyRgb) ^ 1, qGreen(keyRgb), qBlue(keyRgb));
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb opaque = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
            const QRgb out = qAlpha(in[x]) < 128 ? keyRgb : (opaque == keyRgb ? nearKey : opaque);
            result.setPixel(x, y, out);
        }
    }
    return result;
}

}  // namespace art
