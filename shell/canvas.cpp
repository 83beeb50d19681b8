#include "shell/canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPen>
#include <QPalette>
#include <algorithm>
#include <map>
#include <optional>

namespace mosarin {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
// Text is laid into a box far larger than any string, so nothing is wrapped or cut.
constexpr qreal kTextRoom = 1.0e6;

// The part of (left, top)-(right, bottom), right and bottom exclusive, that
// lies on an image of the given size; computed in 64 bits so that positions
// far off the image cannot overflow.
std::optional<QRect> clip(qint64 left, qint64 top, qint64 right, qint64 bottom, const QSize& size) {
    left = std::max<qint64>(left, 0);
    top = std::max<qint64>(top, 0);
    right = std::min<qint64>(right, size.width());
    bottom = std::min<qint64>(bottom, size.height());
    if (right <= left || bottom <= top) return std::nullopt;
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

bool isDirect32(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// Bitmaps are drawn opaque: an alpha channel, if any, is dropped.
QImage opaque(const QImage& image) {
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

// A copy of `source` (RGB32) in which the key pixels are fully transparent,
// for targets whose pixels cannot be written directly.
QImage maskedCopy(const QImage& source, QRgb key) {
    QImage masked = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((row[x] | kOpaque) == key) row[x] = 0;
        }
    }
    return masked;
}

}  // namespace

QColor toQColor(Color color) {
    // The one system colour the program uses is the button face; any other
    // value with a top byte is read by its low 24 bits like a plain colour.
    if (color == kButtonFaceColor) return QGuiApplication::palette().color(QPalette::Button);
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

QRgb toRgb(Color color) {
    if (color == kButtonFaceColor) return toQColor(color).rgb();
    return qRgb(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

Color fromQColor(const QColor& color) {
    const QRgb rgb = color.rgb();
    return Color(qRed(rgb)) | Color(qGreen(rgb)) << 8 | Color(qBlue(rgb)) << 16;
}

namespace {

QFont arialBoldEm(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

int cellOf(int pixelSize) {
    const QFontMetrics metrics(arialBoldEm(pixelSize));
    return metrics.ascent() + metrics.descent();
}

// The largest em size whose cell still fits `cellHeight`. The cell grows
// with the em (about 1.12 em for Arial's metrics) but in rounded steps, so
// it is searched rather than divided out; never below 1 pixel.
int emForCell(int cellHeight) {
    int low = 1, high = std::max(cellHeight, 1);
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (cellOf(middle) <= cellHeight) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

}  // namespace

QFont arialBold(int cellHeight) {
    // A frame draws dozens of clue numbers; the metrics are asked once per height.
    static std::map<int, int> emByCell;
    auto found = emByCell.find(cellHeight);
    if (found == emByCell.end()) found = emByCell.emplace(cellHeight, emForCell(cellHeight)).first;
    return arialBoldEm(found->second);
}

QImage makeSurface(int width, int height) {
    if (width <= 0 || height <= 0) return QImage();
    QImage surface(width, height, QImage::Format_RGB32);
    if (!surface.isNull()) surface.fill(toRgb(kButtonFaceColor));
    return surface;
}

Canvas::Canvas(QImage& target) : target_(target) {
    if (target_.isNull()) return;
    painter_.begin(&target_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void Canvas::fillRect(int left, int top, int right, int bottom, Color color) {
    if (!painter_.isActive()) return;
    const auto area = clip(left, top, right, bottom, target_.size());
    if (!area) return;
    if (!isDirect32(target_.format())) {
        painter_.fillRect(*area, toQColor(color));
        return;
    }
    // A frame fills a thousand small squares; writing the pixels directly
    // costs a fraction of a trip through the paint engine.
    const QRgb pixel = toRgb(color);
    const qsizetype stride = target_.bytesPerLine();
    uchar* row = target_.scanLine(area->top()) + qsizetype(area->left()) * 4;
    for (int y = 0; y < area->height(); ++y, row += stride) {
        std::fill_n(reinterpret_cast<QRgb*>(row), area->width(), pixel);
    }
}

void Canvas::line(int x1, int y1, int x2, int y2, Color color) {
    // Lines run from A towards B and stop one pixel short of B; a line of
    // length zero draws nothing.
    if (y1 == y2) {
        if (x1 < x2) fillRect(x1, y1, x2, y1 + 1, color);
        if (x1 > x2) fillRect(x2 + 1, y1, x1 + 1, y1 + 1, color);
    } else if (x1 == x2) {
        if (y1 < y2) fillRect(x1, y1, x1 + 1, y2, color);
        if (y1 > y2) fillRect(x1, y2 + 1, x1 + 1, y1 + 1, color);
    } else {
        diagonalLine(x1, y1, x2, y2, color);
    }
}

void Canvas::diagonalLine(int x1, int y1, int x2, int y2, Color color) {
    // Nothing in the program draws slanted lines; Qt's own line is used, and
    // the end point is put back as it was, whatever Qt did with it.
    if (!painter_.isActive()) return;
    const bool endOnTarget = target_.rect().contains(x2, y2);
    const QRgb endPixel = endOnTarget ? target_.pixel(x2, y2) : 0;
    painter_.setPen(QPen(toQColor(color), 1, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(x1, y1, x2, y2);
    if (endOnTarget) target_.setPixel(x2, y2, endPixel);
}

void Canvas::text(int x, int y, const QString& text, const QFont& font, Color color) {
    if (!painter_.isActive() || text.isEmpty()) return;
    painter_.setFont(font);
    painter_.setPen(toQColor(color));
    painter_.drawText(QRectF(x, y, kTextRoom, kTextRoom),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void Canvas::drawImage(int x, int y, const QImage& image) {
    if (!painter_.isActive() || image.isNull()) return;
    painter_.drawImage(QPoint(x, y), opaque(image));
}

void Canvas::drawImage(int x, int y, const QImage& image, const QRect& area) {
    if (!painter_.isActive() || image.isNull()) return;
    const QRect drawn = QRect(QPoint(x, y), image.size()) & area;
    if (drawn.isEmpty()) return;
    painter_.drawImage(drawn.topLeft(), opaque(image), drawn.translated(-x, -y));
}

void Canvas::drawImageKeyed(int x, int y, const QImage& image, QRgb transparent) {
    if (!painter_.isActive() || image.isNull()) return;
    const QImage source = opaque(image);
    const QRgb key = transparent | kOpaque;
    if (!isDirect32(target_.format())) {
        painter_.drawImage(QPoint(x, y), maskedCopy(source, key));
        return;
    }
    const auto area = clip(x, y, qint64(x) + source.width(), qint64(y) + source.height(), target_.size());
    if (!area) return;
    const int sourceLeft = area->left() - x;
    for (int row = area->top(); row <= area->bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row - y)) + sourceLeft;
        auto* to = reinterpret_cast<QRgb*>(target_.scanLine(row)) + area->left();
        for (int i = 0; i < area->width(); ++i) {
            const QRgb pixel = from[i] | kOpaque;
            if (pixel != key) to[i] = pixel;
        }
    }
}

void Canvas::drawStretched(const QRect& target, const QImage& image, const QRect& source) {
    if (!painter_.isActive() || image.isNull() || target.isEmpty() || source.isEmpty()) return;
    painter_.drawImage(QRectF(target), opaque(image), QRectF(source));
}

}  // namespace mosarin
