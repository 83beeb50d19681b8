// The drawing rules and colours, checked pixel by pixel on small off-screen images.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <climits>
#include <functional>
#include <tuple>

#include "shell/canvas.h"

namespace mosarin::testing {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const Color kInk = 0x0022A3B9u;  // red 185, green 163, blue 34

QImage filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

// `image` after `draw` ran on a canvas over it, the canvas gone.
QImage drawnOn(QImage image, const std::function<void(Canvas&)>& draw) {
    {
        Canvas canvas(image);
        draw(canvas);
    }
    return image;
}

bool containsPixel(const QImage& image, QRgb colour) {
    for (int i = 0; i < image.width() * image.height(); ++i) {
        if (image.pixel(i % image.width(), i / image.width()) == colour) return true;
    }
    return false;
}

void expectPixels(const QImage& image, const std::function<QRgb(qint64 x, qint64 y)>& expected, const char* name) {
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const int x = i % image.width(), y = i / image.width();
        ASSERT_EQ(image.pixel(x, y), expected(x, y)) << name << " at " << x << "," << y;
    }
}

using Draw = std::function<void(Canvas&)>;
Draw fill(int l, int t, int r, int b) { return [=](Canvas& canvas) { canvas.fillRect(l, t, r, b, kInk); }; }
Draw line(int x1, int y1, int x2, int y2) { return [=](Canvas& canvas) { canvas.line(x1, y1, x2, y2, kInk); }; }

TEST(Canvas, FillsLeaveOutRightAndBottomAndLinesLeaveOutTheirEnd) {
    // What each must cover: left <= x < right and top <= y < bottom.
    const std::tuple<const char*, Draw, std::array<qint64, 4>> cases[] = {
        {"fill inside", fill(2, 3, 7, 6), {2, 3, 7, 6}},
        {"fill over the top-left corner", fill(-5, -5, 3, 2), {-5, -5, 3, 2}},
        {"fill over the bottom-right corner", fill(10, 8, 20, 20), {10, 8, 20, 20}},
        {"fill everything", fill(INT_MIN, INT_MIN, INT_MAX, INT_MAX), {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
        {"inverted fill", fill(7, 2, 3, 8), {0, 0, 0, 0}},
        {"fill wholly off", fill(100, 100, 200, 200), {0, 0, 0, 0}},
        {"line rightwards", line(2, 4, 7, 4), {2, 4, 7, 5}},
        {"line leftwards", line(7, 4, 2, 4), {3, 4, 8, 5}},
        {"line downwards", line(3, 1, 3, 6), {3, 1, 4, 6}},
        {"line upwards", line(3, 6, 3, 1), {3, 2, 4, 7}},
        {"line of zero length", line(5, 5, 5, 5), {0, 0, 0, 0}},
        {"line to off the bottom", line(1, 3, 1, 50), {1, 3, 2, 10}},
    };
    for (const auto& test : cases) {
        const char* name = std::get<0>(test);
        // Not a structured binding: a lambda may not capture one in C++20
        // (clang holds to that).
        const std::array<qint64, 4>& box = std::get<2>(test);
        expectPixels(drawnOn(filled(12, 10, kWhite), std::get<1>(test)), [&box](qint64 x, qint64 y) {
            return box[0] <= x && x < box[2] && box[1] <= y && y < box[3] ? toRgb(kInk) : kWhite;
        }, name);
    }
    // Slanted lines are never drawn by the program, but keep the rule too.
    expectPixels(drawnOn(filled(8, 8, kWhite), line(0, 0, 5, 5)),
                 [](qint64 x, qint64 y) { return x == y && x < 5 ? toRgb(kInk) : kWhite; }, "slanted line");
}

// The bounding box of every pixel that is not `background`.
QRect inkBox(const QImage& image, QRgb background) {
    QRect ink;
    for (int i = 0; i < image.width() * image.height(); ++i) {
        const QPoint p(i % image.width(), i / image.width());
        if (image.pixel(p) != background) ink |= QRect(p, QSize(1, 1));
    }
    return ink;
}

// Heights are character cells (ascent + descent), not em sizes. A digit of
// Arial is about 0.64 of the cell tall and stands on the baseline at about
// 0.81 of it; antialiasing may add one faint row above. An em-sized font
// (the cell 12 % taller) puts the bottom row one to two rows lower.
TEST(Canvas, TextCellIsTheGivenHeightAndItsBoxTopLeftIsThePoint) {
    const struct {
        int cell;
        int inkTop, inkBottom;   // the rows "8" inks, below the text's top y
    } cases[] = {{11, 1, 8}, {17, 2, 13}, {27, 5, 21}};
    const QRgb background = qRgb(10, 120, 10);
    const int x = 20, y = 30;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cell << " px cell");
        const QFont font = arialBold(c.cell);
        const QFontMetrics metrics(font);
        EXPECT_EQ(metrics.ascent() + metrics.descent(), c.cell);
        const QFontInfo info(font);
        EXPECT_TRUE(info.bold() && (info.family() == "Arial" || info.family() == "Liberation Sans"))
            << info.family().toStdString();
        // "12\n34" stays one line, as tall as the single digit.
        for (const char* text : {"8", "12\n34"}) {
            const QImage image = drawnOn(filled(240, 90, background), [&](Canvas& canvas) {
                canvas.text(x, y, QString::fromLatin1(text), font, kInk);
            });
            const QRect ink = inkBox(image, background);
            EXPECT_EQ(ink.top() - y, c.inkTop) << text;
            EXPECT_EQ(ink.bottom() - y, c.inkBottom) << text;
            EXPECT_TRUE(ink.left() >= x && ink.left() <= x + 1) << text << ": " << ink.left();
        }
    }
    // Text is drawn without background: only the glyphs change pixels, and
    // large ones hold pixels of exactly the text colour.
    const QImage big = drawnOn(filled(240, 90, background), [&](Canvas& canvas) {
        canvas.text(x, y, QStringLiteral("Mosarin"), arialBold(27), kInk);
    });
    EXPECT_EQ(big.pixel(x, y), background);
    EXPECT_TRUE(containsPixel(big, toRgb(kInk)));
}

TEST(Canvas, ImagesAreDrawnOpaqueUnscaledAndClippedWithTheKeyLeftOutExactly) {
    const QRgb key = qRgb(255, 0, 255);
    // 4 x 3: the key in a corner, in the middle and along the bottom row, a
    // colour one step from the key, and a translucent pixel drawn opaque.
    QImage source(4, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) source.setPixel(x, y, qRgb(30 * x + 20, 40 * y + 10, 99));
    }
    for (QPoint p : {QPoint(0, 0), QPoint(2, 1), QPoint(0, 2), QPoint(1, 2), QPoint(3, 2)}) source.setPixel(p, key);
    source.setPixel(1, 0, qRgb(255, 0, 254));
    source.setPixel(3, 0, qRgba(50, 100, 7, 128));
    const QPoint positions[] = {{2, 2},  {-2, -1}, {8, 7},       {-4, 0},  {10, 0},
                                {0, 9},  {-3, -2}, {INT_MIN, 3}, {INT_MAX - 1, INT_MAX - 1}};
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        for (bool keyed : {false, true}) {
            for (QPoint at : positions) {
                const QImage target = drawnOn(filled(10, 9, kWhite, format), [&](Canvas& canvas) {
                    keyed ? canvas.drawImageKeyed(at.x(), at.y(), source, key)
                          : canvas.drawImage(at.x(), at.y(), source);
                });
                const auto expected = [&](qint64 x, qint64 y) {
                    const qint64 sx = x - at.x(), sy = y - at.y();
                    if (sx < 0 || sy < 0 || sx >= 4 || sy >= 3) return kWhite;
                    const QRgb pixel = source.pixel(int(sx), int(sy)) | 0xFF000000u;
                    return keyed && pixel == key ? kWhite : pixel;
                };
                SCOPED_TRACE(::testing::Message() << "format " << format << (keyed ? ", keyed" : "") << ", at "
                                                  << at.x() << "," << at.y());
                expectPixels(target, expected, "image");
            }
        }
    }
}

TEST(Canvas, StretchesOnlyTheSourceRectangleOverTheTarget) {
    QImage source(4, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) source.setPixel(x, y, qRgb(60 * x, 100 * y, 9));
    }
    const QImage target = drawnOn(filled(6, 6, kWhite), [&](Canvas& canvas) {
        canvas.drawStretched(QRect(1, 1, 4, 4), source, QRect(2, 0, 2, 2));
    });
    expectPixels(target, [&](qint64 x, qint64 y) {
        return x >= 1 && x < 5 && y >= 1 && y < 5 ? source.pixel(2 + int(x - 1) / 2, int(y - 1) / 2) : kWhite;
    }, "stretched");
}

TEST(Canvas, NullImagesAndNullTargetsDrawNothing) {
    const QImage target = drawnOn(filled(4, 4, kWhite), [](Canvas& canvas) {
        canvas.drawImage(0, 0, QImage());
        canvas.drawImageKeyed(0, 0, QImage(), kWhite);
        canvas.drawStretched(QRect(0, 0, 4, 4), QImage(), QRect(0, 0, 1, 1));
    });
    EXPECT_EQ(target, filled(4, 4, kWhite));
    const QImage nothing = drawnOn(QImage(), [](Canvas& canvas) {
        canvas.fillRect(0, 0, 5, 5, kInk);
        canvas.line(0, 0, 5, 5, kInk);
        canvas.text(0, 0, QStringLiteral("x"), arialBold(11), kInk);
        canvas.drawImageKeyed(0, 0, filled(2, 2, kWhite), 0);
    });
    EXPECT_TRUE(nothing.isNull());
}

TEST(Colours, LowByteIsRedAndTheButtonFaceComesFromThePalette) {
    const std::tuple<Color, int, int, int> cases[] = {
        {0x0022A3B9u, 185, 163, 34}, {0x000000FFu, 255, 0, 0}, {0x0000FF00u, 0, 255, 0},
        {0x00FF0000u, 0, 0, 255},    {0x00000000u, 0, 0, 0},   {0x007D8373u, 115, 131, 125},
    };
    for (const auto& [color, red, green, blue] : cases) {
        EXPECT_EQ(toQColor(color), QColor(red, green, blue)) << std::hex << color;
        EXPECT_EQ(toRgb(color), qRgb(red, green, blue)) << std::hex << color;
        EXPECT_EQ(fromQColor(QColor(red, green, blue)), color) << std::hex << color;
    }
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    EXPECT_EQ(toQColor(kButtonFaceColor), face);
    EXPECT_EQ(toRgb(kButtonFaceColor), face.rgb());
    EXPECT_EQ(makeSurface(7, 5), filled(7, 5, face.rgb()));  // RGB32, as the comparison includes the format
    EXPECT_TRUE(makeSurface(0, 5).isNull());
}

}  // namespace
}  // namespace mosarin::testing
