// The direct pixel writers against a plain pixel-by-pixel reference, with
// runs of every length around the eight pixels written at once and shapes
// reaching past each edge of the image.
#include <gtest/gtest.h>

#include <vector>

#include "shell/surface_pixels.h"

namespace mosarin {
namespace {

constexpr QRgb kGround = 0xFF102030u;

QImage ground() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kGround);
    return image;
}

// The reference: one pixel at a time, only those on the image.
void paint(QImage& image, int left, int top, int right, int bottom, QRgb pixel) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (image.rect().contains(x, y)) image.setPixel(x, y, pixel);
        }
    }
}

TEST(SurfacePixels, FillBlockWritesRunsOfEveryLengthAndClipsAtEveryEdge) {
    struct Block {
        int left, top, right, bottom;
    };
    std::vector<Block> blocks;
    for (int length = 0; length <= 19; ++length) blocks.push_back({3, 4, 3 + length, 6});
    blocks.insert(blocks.end(), {{-5, -3, 4, 2}, {35, 27, 50, 40}, {-10, 10, 60, 11}, {5, 5, 2, 9}});
    for (const Block& b : blocks) {
        SCOPED_TRACE(::testing::Message() << b.left << ", " << b.top << " to " << b.right << ", " << b.bottom);
        QImage actual = ground(), expected = ground();
        fillBlock(actual, b.left, b.top, b.right, b.bottom, 0xFFFF0000u);
        paint(expected, b.left, b.top, b.right, b.bottom, 0xFFFF0000u);
        EXPECT_EQ(actual, expected);
    }
}

TEST(SurfacePixels, SquaresAlongALineAndFramesSkipWhatTheyShouldAndClip) {
    const std::vector<QRgb> colors = {0xFF0000FFu, 0, 0xFF00FF00u, 0xFFFFFFFFu};
    struct Shape {
        int left, top, pitch, size, thickness;
    };
    const Shape shapes[] = {
        {2, 3, 11, 9, 1}, {-6, 2, 10, 9, 2}, {8, -4, 12, 12, 3}, {14, 24, 9, 9, 1}, {3, 3, 5, 5, 4}, {3, 3, 6, 0, 1},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(::testing::Message() << "at " << s.left << ", " << s.top << ", size " << s.size);
        QImage actual = ground(), expected = ground();
        fillSquaresAlong(actual, s.left, s.top, s.pitch, s.size, colors);
        for (size_t i = 0; i < colors.size(); ++i) {
            const int x = s.left + int(i) * s.pitch;
            if (colors[i] != 0) paint(expected, x, s.top, x + s.size, s.top + s.size, colors[i]);
        }
        EXPECT_EQ(actual, expected);

        // A frame `thickness` wide, its middle (if any) left alone.
        QImage framed = ground(), reference = ground();
        fillFrame(framed, s.left, s.top, s.size, s.thickness, 0xFF000000u);
        paint(reference, s.left, s.top, s.left + s.size, s.top + s.size, 0xFF000000u);
        const int inner = s.size - 2 * s.thickness;
        if (inner > 0) {
            for (int y = 0; y < inner; ++y) {
                for (int x = 0; x < inner; ++x) {
                    const QPoint at(s.left + s.thickness + x, s.top + s.thickness + y);
                    if (reference.rect().contains(at)) reference.setPixel(at, kGround);
                }
            }
        }
        EXPECT_EQ(framed, reference);
    }
}

}  // namespace
}  // namespace mosarin
