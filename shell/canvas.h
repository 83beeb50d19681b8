#pragma once
// The drawing rules on top of QPainter, to the pixel:
// - a filled rectangle (l, t, r, b) covers l <= x < r and t <= y < b;
// - a line from A to B covers A and not B (horizontal and vertical lines only);
// - text is placed by the top-left of its box, without background;
// - bitmaps are drawn opaque and unscaled, or with one colour left out.
// All drawing of the windows goes through this class.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include "picture/picture_record.h"

namespace mosarin {

// 0x00BBGGRR (or the button-face system colour 0xFF00000F) to a Qt colour.
QColor toQColor(Color color);
// The opaque 32-bit pixel value an image shows for that colour.
QRgb toRgb(Color color);
// A Qt colour back to 0x00BBGGRR (alpha dropped).
Color fromQColor(const QColor& color);

// "Arial" bold whose character cell (ascent + descent) is `cellHeight`
// pixels tall: the surfaces' texts are sized by their cell, not by the em
// that QFont::setPixelSize sets, which would draw them about 12 % too large.
// Liberation Sans stands in where Arial is absent. Needs the application's
// font database (a QGuiApplication).
QFont arialBold(int cellHeight);

// A new off-screen image of the given size, RGB32, filled with the window background.
QImage makeSurface(int width, int height);

class Canvas {
public:
    explicit Canvas(QImage& target);

    void fillRect(int left, int top, int right, int bottom, Color color);
    // Horizontal or vertical 1-pixel line, the end point left out.
    void line(int x1, int y1, int x2, int y2, Color color);
    void text(int x, int y, const QString& text, const QFont& font, Color color);
    // Opaque and unscaled; a null image draws nothing.
    void drawImage(int x, int y, const QImage& image);
    // Only the part of that drawing which falls inside `area` of the target.
    void drawImage(int x, int y, const QImage& image, const QRect& area);
    // Every pixel exactly equal to `transparent` is left out; a null image draws nothing.
    void drawImageKeyed(int x, int y, const QImage& image, QRgb transparent);
    // Copies `source` stretched into `target` (both in pixels, right and bottom exclusive).
    void drawStretched(const QRect& target, const QImage& image, const QRect& source);

    QImage& image() { return target_; }

private:
    void diagonalLine(int x1, int y1, int x2, int y2, Color color);

    QImage& target_;
    QPainter painter_;
};

}  // namespace mosarin
