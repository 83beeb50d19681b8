// The program's icon: a small solved nonogram, a heart of glazed tiles on a
// 7 x 7 grid with its clues drawn as bars (one bar per run, as long as the
// run), on a rounded paper tile. Bars read at 48 pixels where digits would
// not. The icon is a list of rectangles in a 256-unit square, so the PNGs
// and the scalable SVG are drawn from the very same shapes.

#include "art.h"

#include <QBuffer>
#include <QPainterPath>

namespace art {

namespace {

constexpr int kIconUnits = 256;
constexpr int kGridCells = 7;
constexpr double kCell = 20;                 // units per cell
constexpr double kGridLeft = 86, kGridTop = 86;
constexpr double kClueBar = 7;               // thickness of a clue bar
constexpr double kClueGap = 4;               // between two bars of one line

const char* const kHeart[kGridCells] = {
    ".##.##.", "#######", "#######", "#######", ".#####.", "..###..", "...#...",
};

struct IconRect {
    QRectF rect;
    double radius;      // corner radius, 0 for square corners
    QColor fill;
    QColor stroke;      // invalid: no outline
    double strokeWidth;
};

CellRows heartRows() {
    CellRows rows;
    for (const char* line : kHeart) {
        std::vector<bool> row;
        for (int column = 0; column < kGridCells; ++column) row.push_back(line[column] == '#');
        rows.push_back(row);
    }
    return rows;
}

// Bars for one line's runs, laid from `end` back toward the grid's far side,
// as clues are read: the last run nearest the grid.
void addClueBars(std::vector<IconRect>& shapes, const std::vector<int>& runs, double across, double end, bool horizontal) {
    double at = end;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        const double length = *run * 6.0;
        at -= length;
        const QRectF bar = horizontal ? QRectF(at, across - kClueBar / 2, length, kClueBar)
                                      : QRectF(across - kClueBar / 2, at, kClueBar, length);
        shapes.push_back({bar, kClueBar / 2, palette::clue, QColor(), 0});
        at -= kClueGap;
    }
}

std::vector<IconRect> iconShapes() {
    std::vector<IconRect> shapes;
    // The paper tile with a gilded edge.
    shapes.push_back({QRectF(10, 10, 236, 236), 40, palette::paperLight, palette::goldDeep, 6});
    // The board under the grid.
    const double gridSize = kCell * kGridCells;
    shapes.push_back({QRectF(kGridLeft, kGridTop, gridSize, gridSize), 0, palette::cream, QColor(), 0});

    const CellRows rows = heartRows();
    for (int row = 0; row < kGridCells; ++row) {
        for (int column = 0; column < kGridCells; ++column) {
            if (!rows[std::size_t(row)][std::size_t(column)]) continue;
            const QRectF cell(kGridLeft + column * kCell + 1, kGridTop + row * kCell + 1, kCell - 2, kCell - 2);
            // A glazed tile: body, darker lower-right edge, light upper-left edge.
            shapes.push_back({cell, 2, mix(palette::coral, Qt::black, 0.25), QColor(), 0});
            shapes.push_back({cell.adjusted(0, 0, -2, -2), 2, palette::coral, QColor(), 0});
            shapes.push_back({QRectF(cell.left() + 3, cell.top() + 3, 4, 4), 1, mix(palette::coral, Qt::white, 0.55), QColor(), 0});
        }
    }
    // Grid lines over the board, the middle ones lighter than the border.
    for (int k = 0; k <= kGridCells; ++k) {
        const bool border = k == 0 || k == kGridCells;
        const QColor line = border ? palette::boardLineBold : palette::boardLine;
        const double width = border ? 2 : 1;
        const double at = kGridLeft + k * kCell - width / 2;
        shapes.push_back({QRectF(at, kGridTop - 1, width, gridSize + 2), 0, line, QColor(), 0});
        shapes.push_back({QRectF(kGridLeft - 1, at, gridSize + 2, width), 0, line, QColor(), 0});
    }
    // The clues: row clues to the left of the grid, column clues above it.
    for (int line = 0; line < kGridCells; ++line) {
        const double centre = kGridTop + line * kCell + kCell / 2;
        addClueBars(shapes, runsOf(rows[std::size_t(line)]), centre, kGridLeft - 8, true);
        addClueBars(shapes, runsOf(columnOf(rows, std::size_t(line))), kGridLeft + line * kCell + kCell / 2, kGridTop - 8, false);
    }
    return shapes;
}

QString svgColour(const QColor& colour) { return colour.name(QColor::HexRgb); }

}  // namespace

QImage makeIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kIconUnits, double(size) / kIconUnits);
    for (const IconRect& shape : iconShapes()) {
        QPainterPath path;
        path.addRoundedRect(shape.rect, shape.radius, shape.radius);
        painter.fillPath(path, shape.fill);
        if (shape.stroke.isValid()) painter.strokePath(path, QPen(shape.stroke, shape.strokeWidth));
    }
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QByteArray makeIconSvg() {
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(kIconUnits);
    for (const IconRect& shape : iconShapes()) {
        svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"")
                   .arg(shape.rect.x())
                   .arg(shape.rect.y())
                   .arg(shape.rect.width())
                   .arg(shape.rect.height())
                   .arg(shape.radius)
                   .arg(svgColour(shape.fill));
        if (shape.stroke.isValid())
            svg += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"").arg(svgColour(shape.stroke)).arg(shape.strokeWidth);
        svg += QStringLiteral("/>\n");
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

}  // namespace art
