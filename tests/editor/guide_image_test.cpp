// The guide image's scaling and enlargement, pixel for pixel, and the same
// rules on the window's QImage bitmaps.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>
#include <limits>
#include <tuple>

#include "editor/guide_bitmap.h"
#include "editor/guide_image.h"

namespace mosarin {
namespace {

Bgr grey(int v) { return {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}; }
// A distinct colour for every pixel, so that a pixel taken from the wrong place shows.
Bgr colourAt(int x, int y) { return {std::uint8_t(x * 7 + 1), std::uint8_t(y * 11 + 2), std::uint8_t(x * 3 + y * 5)}; }

template <typename Colour>
Bgr24Image imageOf(int width, int height, Colour colour) {
    Bgr24Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, colour(x, y));
    return image;
}

Bgr24Image scaled(const Bgr24Image& source, int width, int height) {
    Bgr24Image target(width, height);
    EXPECT_TRUE(ResizeImage(source.view(), target.view()));
    return target;
}

TEST(MulDiv, RoundsTheExactProductToTheNearestHalvesAwayFromZero) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {1, 65536, 15, 4369}, {1, 65536, 600, 109}, {1, 65536, 450, 146}, {3999, 65536, 600, 436797},
        {5, 1, 2, 3},         {3, 1, 2, 2},         {1, 1, 3, 0},         {2, 1, 3, 1},
        {-5, 1, 2, -3},       {5, -1, 2, -3},       {max, max, max, max}, {max, 2, 1, -1},
        {7, 1, 0, -1},
    };
    for (const auto& [a, b, c, expected] : cases) EXPECT_EQ(mulDiv(a, b, c), expected) << a << "*" << b << "/" << c;
    // The scaling's shortcut for weights agrees with the general one.
    for (std::uint32_t a : {0u, 1u, 32767u, 32768u, 61166u, 65535u, 65536u})
        for (std::uint32_t b : {0u, 1u, 2u, 32768u, 65536u, 65537u}) EXPECT_EQ(mulDiv65536(a, b), mulDiv(a, b, 65536));
}

TEST(ResizeImage, BlendsTwoByTwoSourcesWithTheFixedPointSteps) {
    const auto leftToRight = [](int x, int) { return grey(255 * x); };
    const auto topToBottom = [](int, int y) { return grey(255 * y); };
    const int across[] = {0, 16, 33, 50, 67, 84, 101, 118, 136, 153, 170, 187, 204, 221, 238};
    const int down[] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238};
    const Bgr24Image horizontal = scaled(imageOf(2, 2, leftToRight), 15, 15);
    const Bgr24Image vertical = scaled(imageOf(2, 2, topToBottom), 15, 15);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(horizontal.pixel(i, 0), grey(across[i])) << "x " << i;
        EXPECT_EQ(vertical.pixel(0, i), grey(down[i])) << "y " << i;
    }
    // To 600 x 450: xstep 109 leaves the last column at x0 = 0, fx = 65291,
    // just short of white; ystep 146 carries the last row onto the bottom row.
    const Bgr24Image wide = scaled(imageOf(2, 2, leftToRight), 600, 450);
    const Bgr24Image tall = scaled(imageOf(2, 2, topToBottom), 600, 450);
    EXPECT_EQ(wide.pixel(300, 0), grey(127));
    EXPECT_EQ(wide.pixel(599, 0), grey(254));
    EXPECT_EQ(tall.pixel(0, 448), grey(254));
    EXPECT_EQ(tall.pixel(0, 449), grey(255));
}

TEST(ResizeImage, KeepsWhatDoesNotVaryAndCopiesAnExactSize) {
    const Bgr colour{7, 128, 255};
    for (auto [sw, sh, dw, dh] : {std::tuple{3, 2, 600, 450}, {123, 77, 15, 15}, {640, 480, 600, 450}}) {
        const Bgr24Image target = scaled(Bgr24Image(sw, sh, colour), dw, dh);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x) ASSERT_EQ(target.pixel(x, y), colour) << sw << "x" << sh << " at " << x << "," << y;
    }
    // One pixel wide: every column is that column; one pixel high: every row is that row.
    const Bgr24Image tall = scaled(imageOf(1, 5, colourAt), 30, 45), wide = scaled(imageOf(5, 1, colourAt), 45, 30);
    for (int a = 0; a < 45; ++a) {
        for (int b = 0; b < 30; ++b) {
            ASSERT_EQ(tall.pixel(b, a), tall.pixel(0, a)) << b << "," << a;
            ASSERT_EQ(wide.pixel(a, b), wide.pixel(a, 0)) << a << "," << b;
        }
    }
    EXPECT_EQ(tall.pixel(0, 0), colourAt(0, 0));
    EXPECT_NE(tall.pixel(0, 44), tall.pixel(0, 0));
    EXPECT_NE(wide.pixel(44, 0), wide.pixel(0, 0));
    const Bgr24Image exact = imageOf(30, 15, colourAt), copy = scaled(exact, 30, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(copy.pixel(x, y), colourAt(x, y)) << x << "," << y;
    // Nothing to scale: the target is left alone.
    Bgr24Image untouched(15, 15, Bgr{1, 2, 3}), none(0, 15);
    EXPECT_FALSE(ResizeImage(Bgr24Image().view(), untouched.view()));
    EXPECT_FALSE(ResizeImage(exact.view(), none.view()));
    EXPECT_EQ(untouched.pixel(14, 14), (Bgr{1, 2, 3}));
}

TEST(EnlargeSelection, RepeatsTheSelectedPixelsOverTheWholeTarget) {
    const Bgr24Image source = imageOf(4, 4, colourAt);
    const Bgr mark{9, 9, 9};
    const std::tuple<PixelRect, bool, int, int> cases[] = {   // selection, applied, source of the top-left block
        {{1, 1, 3, 3}, true, 1, 1},   {{2, 2, 40, 40}, true, 2, 2},   // reaching beyond the source: clipped
        {{1, 1, 1, 3}, false, 0, 0},  {{1, 2, 3, 2}, false, 0, 0},  {{5, 5, 9, 9}, false, 0, 0},
    };
    for (const auto& [selection, applied, left, top] : cases) {
        Bgr24Image target(4, 4, mark);
        EXPECT_EQ(enlargeSelection(source.view(), selection, target.view()), applied);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                EXPECT_EQ(target.pixel(x, y), applied ? colourAt(left + x / 2, top + y / 2) : mark)
                    << selection.left << "," << selection.top << " at " << x << "," << y;
    }
}

// The window's bitmaps have padded rows (15 pixels: 45 bytes in 48) and any
// source format; with nothing to scale the scaled bitmap draws nothing.
TEST(GuideBitmaps, ScaleTheWindowsImagesInPlace) {
    QImage source(2, 2, QImage::Format_RGB32), scaled, none;
    source.fill(qRgb(255, 128, 2));
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(0, 1, qRgb(0, 0, 0));
    scaleGuideImage(source, scaled, 15, 30);
    EXPECT_EQ(source.format(), QImage::Format_BGR888);
    ASSERT_EQ(scaled.size(), QSize(15, 30));
    EXPECT_EQ(scaled.pixel(0, 29), qRgb(0, 0, 0));
    EXPECT_EQ(scaled.pixel(14, 29), qRgb(238, 119, 1));   // 61167 / 65536 of the right-hand colour
    EXPECT_EQ(scaled.constScanLine(29)[14 * 3], 1);        // stored blue first
    scaleGuideImage(source, scaled, 0, 30);
    EXPECT_TRUE(scaled.isNull());
    scaleGuideImage(none, scaled, 600, 450);
    EXPECT_TRUE(scaled.isNull());
}

}  // namespace
}  // namespace mosarin
