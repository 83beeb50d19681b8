// Greyscale JPEG quantisation, and the editor's guide image: its format
// chosen by the last three characters of its name, its pixels as BGR888.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <numeric>
#include <set>
#include <tuple>
#include <jpeglib.h>
#include <jerror.h>

#include "shell/image_files.h"
#include "shell/jpeg_decoder.h"
#include "shell/large_image.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(JpegDecoding, GreyscaleComesOutInTheLibrarysOwnGreyLevels) {
    QImage ramp(256, 16, QImage::Format_Grayscale8);  // 0..255 across every row
    for (int y = 0; y < 16; ++y) std::iota(ramp.scanLine(y), ramp.scanLine(y) + 256, uchar(0));
    const QByteArray jpeg = encodeJpeg(ramp, {.greyscale = true});
    const QImage image = decodeJpeg(jpeg);
    ASSERT_EQ(image.size(), QSize(256, 16));
    // The quantiser's levels for 236 colours: round(j * 255 / 235).
    std::set<int> libraryLevels, seen;
    for (int j = 0; j < kJpegGreyLevels; ++j) libraryLevels.insert((j * 255 + 117) / 235);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)) << x << "," << y;
            ASSERT_EQ(libraryLevels.count(qRed(pixel)), 1u) << qRed(pixel);
            seen.insert(qRed(pixel));
        }
    }
    EXPECT_EQ(seen.size(), 236u);  // a smooth ramp uses every level
    // The BGR888 entry gives the same pixels, grey and colour alike.
    EXPECT_EQ(decodeJpegBgr888(jpeg).convertToFormat(QImage::Format_RGB32), image);
    const QByteArray colour = encodeJpeg(twoHalves(64, 32, qRgb(200, 30, 40), qRgb(30, 60, 200)));
    const QImage bgr = decodeJpegBgr888(colour);
    EXPECT_EQ(bgr.format(), QImage::Format_BGR888);
    EXPECT_EQ(bgr.convertToFormat(QImage::Format_RGB32), decodeJpeg(colour));
}

// Pixels in a mapping of their own behave as any image's: rows laid out as
// Qt lays them, writable, copied when shared.
TEST(LargeImages, AreOrdinaryImagesWhateverTheirSize) {
    for (auto [width, height, format] : {std::tuple{1, 1, QImage::Format_BGR888}, {1201, 1200, QImage::Format_BGR888},
                                         {4097, 1100, QImage::Format_Grayscale8}}) {
        QImage image = newLargeImage(width, height, format);
        ASSERT_EQ(image.size(), QSize(width, height));
        ASSERT_EQ(image.format(), format);
        EXPECT_EQ(image.bytesPerLine(), QImage(width, height, format).bytesPerLine());
        for (int y = 0; y < height; ++y) std::memset(image.scanLine(y), y & 0xFF, size_t(image.bytesPerLine()));
        const QImage shown = image;
        image.scanLine(height - 1)[0] = 0xAB;
        EXPECT_EQ(shown.constScanLine(height - 1)[0], (height - 1) & 0xFF) << width;
        EXPECT_EQ(image.constScanLine(height / 2)[image.bytesPerLine() - 1], (height / 2) & 0xFF) << width;
    }
    EXPECT_TRUE(newLargeImage(0, 5, QImage::Format_BGR888).isNull());
}

TEST(GuideImageFiles, TheLastThreeLettersChooseJpegOrBitmap) {
    const QImage picture = twoHalves(64, 32, qRgb(200, 30, 40), qRgb(30, 60, 200));
    const QByteArray jpeg = encodeJpeg(picture), bmp = encodeBmp(picture);
    const QImage decodedJpeg = decodeJpegBgr888(jpeg);
    // Large enough for the pixels' own huge-page mapping.
    const QByteArray large = encodeJpeg(twoHalves(1500, 1000, qRgb(200, 30, 40), qRgb(30, 60, 200)));
    // Two 64 KiB comments, which the decoder skips across its 64 KiB reads.
    const QByteArray comment = QByteArray("\xFF\xFE\xFF\xFF") + QByteArray(65533, 'c');
    const std::tuple<const char*, QByteArray, QImage> loaded[] = {
        {"large.jpg", large, decodeJpegBgr888(large)},
        {"comments.jpg", jpeg.left(2) + comment + comment + jpeg.mid(2), decodedJpeg},
        {"a.jpg", jpeg, decodedJpeg},
        {"a.JPG", jpeg, decodedJpeg},
        {"a.Jpg", jpeg, decodedJpeg},
        {"ajpg", jpeg, decodedJpeg},  // three characters, not an extension
        {"a.bmp", bmp, picture.convertToFormat(QImage::Format_BGR888)},
        {"a.png", bmp, picture.convertToFormat(QImage::Format_BGR888)},
    };
    for (const auto& [name, bytes, expected] : loaded) {
        TempFolder folder;
        writeFile(folder / name, bytes);
        const QImage image = loadGuideImage(pathOf(folder / name));
        EXPECT_EQ(image.format(), QImage::Format_BGR888) << name;
        EXPECT_EQ(image, expected) << name;
    }

    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const std::string invalid = "Bitmap image is not valid";
    const std::tuple<const char*, QByteArray, std::string> outcomes[] = {
        // Running out of pixel data is only a warning: the rest comes out grey.
        {"a.jpg", jpeg.left(scan + (jpeg.size() - scan) / 2), ""},
        {"a.jpeg", jpeg, invalid},
        {"a.bmp", withBmpSize(bmp, 9000, 9000), "The bitmap image is too large: 9000 x 9000 pixels."},
        {"a.jpg", bmp, "JPEG error #" + std::to_string(JERR_NO_SOI)},
        {"a.jpg", jpeg.left(scan), "JPEG error #" + std::to_string(JERR_SOF_NO_SOS)},
        {"a.jpg", withJpegSize(jpeg, 60000, 60000), "The JPEG image is too large: 60000 x 60000 pixels."},
    };
    for (const auto& [name, bytes, message] : outcomes) {
        TempFolder folder;
        writeFile(folder / name, bytes);
        EXPECT_EQ(failureOfFile(loadGuideImage, pathOf(folder / name)), message) << name;
    }
}

}  // namespace
}  // namespace mosarin::testing
