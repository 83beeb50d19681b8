// The drawing rules, checked pixel by pixel on small off-screen images.
#include <QFontInfo>
#include <climits>
#include <gtest/gtest.h>
#include <optional>

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

bool inside(qint64 x, qint64 y, qint64 left, qint64 top, qint64 right, qint64 bottom) {
    return left <= x && x < right && top <= y && y < bottom;
}

// Every pixel is `ink` inside (left, top)-(right, bottom), right and bottom
// exclusive, and white elsewhere.
void expectOnly(const QImage& image, qint64 left, qint64 top, qint64 right, qint64 bottom, QRgb ink,
                const char* name) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = inside(x, y, left, top, right, bottom) ? ink : kWhite;
            ASSERT_EQ(image.pixel(x, y), expected) << name << " at " << x << "," << y;
        }
    }
}

TEST(CanvasFill, CoversLeftToRightMinusOne) {
    const struct {
        const char* name;
        int left, top, right, bottom;
    } cases[] = {
        {"inside", 2, 3, 7, 6},
        {"over the top-left corner", -5, -5, 3, 2},
        {"over the bottom-right corner", 10, 8, 20, 20},
        {"one pixel", 4, 4, 5, 5},
        {"empty", 5, 5, 5, 9},
        {"inverted", 7, 2, 3, 8},
        {"everything", INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {"wholly off", 100, 100, 200, 200},
    };
    for (const auto& c : cases) {
        QImage image = filled(12, 10, kWhite);
        Canvas(image).fillRect(c.left, c.top, c.right, c.bottom, kInk);
        expectOnly(image, c.left, c.top, c.right, c.bottom, toRgb(kInk), c.name);
    }
}

TEST(CanvasLine, CoversItsStartButNotItsEnd) {
    const struct {
        const char* name;
        int x1, y1, x2, y2;
        int left, top, right, bottom;  // what it covers, right and bottom exclusive
    } cases[] = {
        {"rightwards", 2, 4, 7, 4, 2, 4, 7, 5},
        {"leftwards", 7, 4, 2, 4, 3, 4, 8, 5},
        {"downwards", 3, 1, 3, 6, 3, 1, 4, 6},
        {"upwards", 3, 6, 3, 1, 3, 2, 4, 7},
        {"zero length", 5, 5, 5, 5, 0, 0, 0, 0},
        {"from off the left", -3, 2, 4, 2, 0, 2, 4, 3},
        {"to off the bottom", 1, 3, 1, 50, 1, 3, 2, 10},
    };
    for (const auto& c : cases) {
        QImage image = filled(12, 10, kWhite);
        Canvas(image).line(c.x1, c.y1, c.x2, c.y2, kInk);
        expectOnly(image, c.left, c.top, c.right, c.bottom, toRgb(kInk), c.name);
    }
}

TEST(CanvasLine, ASlantedLineLeavesOutItsEndToo) {
    QImage image = filled(8, 8, kWhite);
    Canvas(image).line(0, 0, 5, 5, kInk);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(image.pixel(x, y), x == y && x < 5 ? toRgb(kInk) : kWhite) << x << "," << y;
        }
    }
}

struct InkBox {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool exactColourSeen = false;
};

InkBox inkOf(const QImage& image, QRgb background, QRgb ink) {
    InkBox box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == background) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
            box.exactColourSeen = box.exactColourSeen || pixel == ink;
        }
    }
    return box;
}

TEST(CanvasText, IsPlacedByTheTopLeftOfItsBoxWithoutBackground) {
    const QRgb background = qRgb(10, 120, 10);
    const int x = 20, y = 30;
    for (int height : {27, 17, 11}) {
        for (const char* text : {"8", "12", "Mosarin"}) {
            QImage image = filled(240, 90, background);
            Canvas(image).text(x, y, QString::fromLatin1(text), arialBold(height), kInk);
            const InkBox ink = inkOf(image, background, toRgb(kInk));
            SCOPED_TRACE(::testing::Message() << text << " at " << height << " px");
            ASSERT_GE(ink.right, 0) << "no ink";
            // The box's top holds the space above capitals and digits.
            EXPECT_GE(ink.top, y);
            EXPECT_LE(ink.top, y + height / 4 + 1);
            EXPECT_GE(ink.left, x - 1);
            EXPECT_LE(ink.left, x + 3);
            EXPECT_LE(ink.bottom, y + height);
            EXPECT_EQ(image.pixel(x, y), background);
            if (height == 27) {
                EXPECT_TRUE(ink.exactColourSeen);
            }
        }
    }
}

TEST(CanvasText, MultiplyDrawnLinesStayOnOneLine) {
    QImage image = filled(200, 60, kWhite);
    Canvas(image).text(5, 5, QStringLiteral("12\n34"), arialBold(11), kInk);
    EXPECT_LE(inkOf(image, kWhite, toRgb(kInk)).bottom, 5 + 11);
}

QImage keyedSource(QRgb key) {
    // 4 x 3, the key in a corner, in the middle and along the bottom row.
    QImage source(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) source.setPixel(x, y, qRgb(30 * x + 20, 40 * y + 10, 99));
    }
    for (QPoint p : {QPoint(0, 0), QPoint(2, 1), QPoint(0, 2), QPoint(1, 2), QPoint(3, 2)}) {
        source.setPixel(p, key);
    }
    return source;
}

// What a keyed draw at (x, y) must leave at each pixel of a white target.
QRgb expectedKeyed(const QImage& source, QRgb key, qint64 x, qint64 y, int px, int py) {
    const qint64 sx = px - x, sy = py - y;
    if (sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height()) return kWhite;
    const QRgb pixel = source.pixel(int(sx), int(sy));
    return pixel == key ? kWhite : pixel;
}

TEST(CanvasKeyed, LeavesOutExactlyTheKeyColourAndClipsAtEveryEdge) {
    const QRgb key = qRgb(255, 0, 255);
    const QImage source = keyedSource(key);
    const QPoint positions[] = {{2, 2},   {-2, -1},      {8, 7},          {-4, 0},
                                {10, 0},  {0, 9},        {INT_MIN, 3},    {INT_MAX - 1, INT_MAX - 1},
                                {-3, -2}, {9, 8}};
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        for (QPoint at : positions) {
            QImage target = filled(10, 9, kWhite, format);
            Canvas(target).drawImageKeyed(at.x(), at.y(), source, key);
            for (int py = 0; py < target.height(); ++py) {
                for (int px = 0; px < target.width(); ++px) {
                    ASSERT_EQ(target.pixel(px, py), expectedKeyed(source, key, at.x(), at.y(), px, py))
                        << "format " << format << ", drawn at " << at.x() << "," << at.y() << ", pixel " << px
                        << "," << py;
                }
            }
        }
    }
}

TEST(CanvasKeyed, AKeyCloseToAPixelColourDoesNotHideIt) {
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(100, 100, 100));
    source.setPixel(1, 0, qRgb(100, 100, 101));
    QImage target = filled(2, 1, kWhite);
    Canvas(target).drawImageKeyed(0, 0, source, qRgb(100, 100, 100));
    EXPECT_EQ(target.pixel(0, 0), kWhite);
    EXPECT_EQ(target.pixel(1, 0), qRgb(100, 100, 101));
}

TEST(CanvasKeyed, AnImageAllOfTheKeyColourDrawsNothing) {
    const QImage source = filled(5, 5, qRgb(1, 2, 3));
    QImage target = filled(6, 6, kWhite);
    Canvas(target).drawImageKeyed(0, 0, source, source.pixel(0, 0));
    EXPECT_EQ(target, filled(6, 6, kWhite));
}

TEST(CanvasImage, IsDrawnOpaqueAndUnscaled) {
    QImage source(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) source.setPixel(x, y, qRgb(50 * x, 100 * y, 7));
    }
    for (QPoint at : {QPoint(1, 1), QPoint(-1, 3), QPoint(3, -1)}) {
        QImage target = filled(5, 5, kWhite);
        Canvas(target).drawImage(at.x(), at.y(), source);
        for (int py = 0; py < 5; ++py) {
            for (int px = 0; px < 5; ++px) {
                const QPoint s(px - at.x(), py - at.y());
                const QRgb expected = source.rect().contains(s) ? source.pixel(s) : kWhite;
                ASSERT_EQ(target.pixel(px, py), expected) << px << "," << py;
            }
        }
    }
}

TEST(CanvasImage, NullImagesAndNullTargetsDrawNothing) {
    QImage target = filled(4, 4, kWhite);
    {
        Canvas canvas(target);
        canvas.drawImage(0, 0, QImage());
        canvas.drawImageKeyed(0, 0, QImage(), kWhite);
        canvas.drawStretched(QRect(0, 0, 4, 4), QImage(), QRect(0, 0, 1, 1));
    }
    EXPECT_EQ(target, filled(4, 4, kWhite));

    QImage nothing;
    Canvas canvas(nothing);
    canvas.fillRect(0, 0, 5, 5, kInk);
    canvas.line(0, 0, 5, 0, kInk);
    canvas.line(0, 0, 5, 5, kInk);
    canvas.text(0, 0, QStringLiteral("x"), arialBold(11), kInk);
    canvas.drawImage(0, 0, filled(2, 2, kWhite));
    canvas.drawImageKeyed(0, 0, filled(2, 2, kWhite), 0);
    EXPECT_TRUE(nothing.isNull());
}

TEST(CanvasStretch, CopiesEachSourcePixelOverItsShareOfTheTarget) {
    QImage source(2, 2, QImage::Format_RGB32);
    const QRgb colours[2][2] = {{qRgb(200, 0, 0), qRgb(0, 200, 0)}, {qRgb(0, 0, 200), qRgb(9, 9, 9)}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) source.setPixel(x, y, colours[y][x]);
    }
    QImage target = filled(6, 6, kWhite);
    Canvas(target).drawStretched(QRect(1, 1, 4, 4), source, QRect(0, 0, 2, 2));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool onTarget = inside(x, y, 1, 1, 5, 5);
            const QRgb expected = onTarget ? colours[(y - 1) / 2][(x - 1) / 2] : kWhite;
            ASSERT_EQ(target.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(CanvasStretch, TakesOnlyTheSourceRectangle) {
    QImage source = filled(4, 1, qRgb(1, 1, 1));
    source.setPixel(2, 0, qRgb(77, 88, 99));
    QImage target = filled(3, 3, kWhite);
    Canvas(target).drawStretched(QRect(0, 0, 3, 3), source, QRect(2, 0, 1, 1));
    EXPECT_EQ(target, filled(3, 3, qRgb(77, 88, 99)));
}

TEST(Surface, IsRgb32FilledWithTheButtonFace) {
    const QImage surface = makeSurface(7, 5);
    ASSERT_EQ(surface.size(), QSize(7, 5));
    EXPECT_EQ(surface.format(), QImage::Format_RGB32);
    EXPECT_EQ(surface, filled(7, 5, toRgb(kButtonFaceColor)));
    EXPECT_TRUE(makeSurface(0, 5).isNull());
}

TEST(Fonts, ArialBoldHasTheAskedPixelSize) {
    for (int height : {27, 17, 11}) {
        const QFont font = arialBold(height);
        const QFontInfo info(font);
        EXPECT_TRUE(info.bold()) << height;
        EXPECT_EQ(info.pixelSize(), height);
        EXPECT_TRUE(info.family() == QStringLiteral("Arial") || info.family() == QStringLiteral("Liberation Sans"))
            << info.family().toStdString();
    }
}

}  // namespace
}  // namespace mosarin::testing
