// The guide image's scaling and enlargement, pixel for pixel.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>
#include <vector>

#include "editor/guide_image.h"

namespace mosarin {
namespace {

const Bgr kBlack{0, 0, 0};
const Bgr kWhite{255, 255, 255};

Bgr grey(int v) { return {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}; }

// A distinct colour for every pixel, so that a pixel taken from the wrong place shows.
Bgr colourAt(int x, int y) { return {std::uint8_t(x * 7 + 1), std::uint8_t(y * 11 + 2), std::uint8_t(x * 3 + y * 5)}; }

TEST(MulDiv, RoundsTheExactProductToTheNearestHalvesAwayFromZero) {
    const std::int32_t max = std::numeric_limits<std::int32_t>::max();
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {1, 65536, 15, 4369},   {1, 65536, 600, 109},  {1, 65536, 450, 146}, {3999, 65536, 600, 436797},
        {5, 1, 2, 3},           {3, 1, 2, 2},          {1, 1, 3, 0},         {2, 1, 3, 1},
        {-5, 1, 2, -3},         {5, -1, 2, -3},        {-7, -1, 2, 4},       {max, max, max, max},  // 62-bit product
        {max, 2, 1, -1},        {7, 1, 0, -1},         {0, 5, 7, 0},
    };
    for (const auto& [a, b, c, expected] : cases) EXPECT_EQ(mulDiv(a, b, c), expected) << a << "*" << b << "/" << c;

    // The scaling's shortcut for weights agrees with the general one.
    const std::uint32_t weights[] = {0, 1, 2, 32767, 32768, 32769, 61166, 65535, 65536, 65537};
    for (std::uint32_t a : weights) {
        for (std::uint32_t b : weights) EXPECT_EQ(mulDiv65536(a, b), std::uint32_t(mulDiv(a, b, 65536))) << a << " " << b;
    }
}

Bgr24Image twoByTwo(Bgr topLeft, Bgr topRight, Bgr bottomLeft, Bgr bottomRight) {
    Bgr24Image image(2, 2);
    image.setPixel(0, 0, topLeft);
    image.setPixel(1, 0, topRight);
    image.setPixel(0, 1, bottomLeft);
    image.setPixel(1, 1, bottomRight);
    return image;
}

TEST(ResizeImage, BlendsTwoByTwoSourcesWithTheFixedPointSteps) {
    // Black left, white right: the top row runs 4369 / 65536 of a pixel a step.
    Bgr24Image target(15, 15);
    ASSERT_TRUE(ResizeImage(twoByTwo(kBlack, kWhite, kBlack, kWhite).view(), target.view()));
    const int acrossTop[] = {0, 16, 33, 50, 67, 84, 101, 118, 136, 153, 170, 187, 204, 221, 238};
    for (int x = 0; x < 15; ++x) EXPECT_EQ(target.pixel(x, 0), grey(acrossTop[x])) << "x " << x;

    // Black top, white bottom: the bottom weight fy + 1 puts the rows ahead.
    ASSERT_TRUE(ResizeImage(twoByTwo(kBlack, kBlack, kWhite, kWhite).view(), target.view()));
    const int downLeft[] = {0, 17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238};
    for (int y = 0; y < 15; ++y) EXPECT_EQ(target.pixel(0, y), grey(downLeft[y])) << "y " << y;

    // To 600 x 450: xstep 109 leaves the last column at x0 = 0, fx = 65291,
    // just short of white; ystep 146 carries the last row onto the bottom row.
    Bgr24Image board(600, 450);
    ASSERT_TRUE(ResizeImage(twoByTwo(kBlack, kWhite, kBlack, kWhite).view(), board.view()));
    EXPECT_EQ(board.pixel(599, 0), grey(254));
    EXPECT_EQ(board.pixel(300, 0), grey(127));
    ASSERT_TRUE(ResizeImage(twoByTwo(kBlack, kBlack, kWhite, kWhite).view(), board.view()));
    EXPECT_EQ(board.pixel(0, 448), grey(254));
    EXPECT_EQ(board.pixel(0, 449), grey(255));
}

TEST(ResizeImage, KeepsWhatDoesNotVaryAndCopiesAnExactSize) {
    // One colour stays exactly that colour at any size, up or down.
    const Bgr colour{7, 128, 255};
    for (auto [sw, sh, dw, dh] : {std::tuple{3, 2, 600, 450}, {123, 77, 15, 15}, {1, 1, 45, 30}, {640, 480, 600, 450}}) {
        Bgr24Image target(dw, dh);
        ASSERT_TRUE(ResizeImage(Bgr24Image(sw, sh, colour).view(), target.view()));
        for (int y = 0; y < dh; ++y) {
            for (int x = 0; x < dw; ++x) ASSERT_EQ(target.pixel(x, y), colour) << sw << "x" << sh << " at " << x << "," << y;
        }
    }

    // One pixel wide: every column is that column; one pixel high: every row is that row.
    Bgr24Image column(1, 5), row(5, 1);
    for (int i = 0; i < 5; ++i) {
        column.setPixel(0, i, colourAt(0, i));
        row.setPixel(i, 0, colourAt(i, 0));
    }
    Bgr24Image tall(30, 45), wide(45, 30);
    ASSERT_TRUE(ResizeImage(column.view(), tall.view()));
    ASSERT_TRUE(ResizeImage(row.view(), wide.view()));
    for (int a = 0; a < 45; ++a) {
        for (int b = 1; b < 30; ++b) {
            EXPECT_EQ(tall.pixel(b, a), tall.pixel(0, a)) << b << "," << a;
            EXPECT_EQ(wide.pixel(a, b), wide.pixel(a, 0)) << a << "," << b;
        }
    }
    EXPECT_EQ(tall.pixel(0, 0), colourAt(0, 0));
    EXPECT_NE(tall.pixel(0, 44), tall.pixel(0, 0));

    // The exact size is copied byte for byte, also from rows with padding.
    const int width = 30, height = 15, stride = width * 3 + 5;
    std::vector<std::uint8_t> padded(std::size_t(stride) * height, 0xEE);
    Bgr24View source{padded.data(), width, height, stride};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Bgr c = colourAt(x, y);
            std::uint8_t* p = source.row(y) + x * 3;
            p[0] = c.blue, p[1] = c.green, p[2] = c.red;
        }
    }
    Bgr24Image copy(width, height);
    ASSERT_TRUE(ResizeImage(source, copy.view()));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) ASSERT_EQ(copy.pixel(x, y), colourAt(x, y)) << x << "," << y;
    }
}

TEST(ResizeImage, NothingToScaleLeavesTheTargetAlone) {
    const Bgr mark{1, 2, 3};
    Bgr24Image source(4, 4, kWhite), target(15, 15, mark), none(0, 15);
    EXPECT_FALSE(ResizeImage(Bgr24Image().view(), target.view()));
    EXPECT_FALSE(ResizeImage(source.view(), none.view()));
    EXPECT_FALSE(ResizeImage(source.view(), Bgr24Image(-15, 15).view()));
    EXPECT_EQ(target.pixel(14, 14), mark);
}

TEST(EnlargeSelection, RepeatsTheSelectedPixelsOverTheWholeTarget) {
    Bgr24Image source(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) source.setPixel(x, y, colourAt(x, y));
    }
    const Bgr mark{9, 9, 9};
    const std::tuple<const char*, PixelRect, bool, int, int> cases[] = {
        // Name, selection, applied, first source column and row of the blocks.
        {"2 x 2 in the middle", {1, 1, 3, 3}, true, 1, 1},
        {"reaching beyond the source", {2, 2, 40, 40}, true, 2, 2},
        {"zero width", {1, 1, 1, 3}, false, 0, 0},
        {"zero height", {1, 2, 3, 2}, false, 0, 0},
        {"wholly outside", {5, 5, 9, 9}, false, 0, 0},
    };
    for (const auto& [name, selection, applied, left, top] : cases) {
        SCOPED_TRACE(name);
        Bgr24Image target(4, 4, mark);
        EXPECT_EQ(enlargeSelection(source.view(), selection, target.view()), applied);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                EXPECT_EQ(target.pixel(x, y), applied ? colourAt(left + x / 2, top + y / 2) : mark) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace mosarin
