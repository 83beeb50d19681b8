// Opening image files: the "Cannot open file" message with the absolute path;
// JPEG files decoded by libjpeg, with its message codes for bad ones, greyscale
// in the library's grey levels; Windows bitmaps read with their format forced,
// whatever the file holds; refusal of hostile files of either kind; the guide
// image, JPEG or bitmap by its name.
#include <gtest/gtest.h>

#include <QDir>
#include <QtEndian>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <set>
#include <sys/stat.h>
#include <tuple>
#include <jpeglib.h>
#include <jerror.h>

#include "shell/file_bytes.h"
#include "shell/image_files.h"
#include "shell/jpeg_decoder.h"
#include "shell/large_image.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

const QRgb kRed = qRgb(200, 30, 40);
const QRgb kBlue = qRgb(30, 60, 200);

bool near(QRgb a, QRgb b, int tolerance) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) <=
           tolerance;
}

TEST(JpegDecoding, DecodesEveryFileAtFullSizeKeepingItsColours) {
    // Width, height, progressive; 1500 x 1000 has pixels in a mapping of their own.
    const std::tuple<int, int, bool> cases[] = {{1, 1, false},   {17, 9, false},   {8, 300, false},
                                                {781, 556, false}, {1500, 1000, false}, {64, 32, true}};
    for (const auto& [width, height, progressive] : cases) {
        SCOPED_TRACE(::testing::Message() << width << "x" << height << " progressive " << progressive);
        TempFolder folder;
        writeFile(folder / "a.jpg", encodeJpeg(twoHalves(width, height, kRed, kBlue), {.progressive = progressive}));
        for (auto [load, format] : {std::pair<ImageLoader, QImage::Format>{loadJpegFile, QImage::Format_RGB32},
                                    {loadGuideImage, QImage::Format_BGR888}}) {
            const QImage image = load(pathOf(folder / "a.jpg"));
            ASSERT_EQ(image.size(), QSize(width, height));
            EXPECT_EQ(image.format(), format);
            if (width < 64) continue;
            // Away from the edge between the halves, where colours bleed.
            for (QPoint p : {QPoint(4, 0), QPoint(width - 5, height / 2), QPoint(4, height - 1)}) {
                EXPECT_TRUE(near(image.pixel(p), p.x() < width / 2 ? kRed : kBlue, 12)) << std::hex << image.pixel(p);
            }
        }
    }
}

TEST(JpegDecoding, BadAndHostileFilesFailWithAClearMessage) {
    const QByteArray good = encodeJpeg(twoHalves(32, 16, kRed, kBlue));
    const QByteArray progressive = encodeJpeg(twoHalves(32, 16, kRed, kBlue), {.progressive = true});
    const qsizetype scan = good.indexOf("\xFF\xDA");
    const auto code = [](int messageCode) { return "JPEG error #" + std::to_string(messageCode); };
    const std::tuple<const char*, QByteArray, std::string> cases[] = {
        {"0-byte file", QByteArray(), code(JERR_INPUT_EMPTY)},
        {"text named .jpg", "hello, world\r\n", code(JERR_NO_SOI)},
        {"bitmap named .jpg", encodeBmp(twoHalves(8, 8, kRed, kBlue)), code(JERR_NO_SOI)},
        {"cut inside the headers", good.left(40), code(JERR_NO_IMAGE)},
        {"cut before the scan", good.left(scan), code(JERR_SOF_NO_SOS)},
        {"zero width", withJpegSize(good, 0, 16), code(JERR_EMPTY_IMAGE)},
        {"huge header", withJpegSize(good, 60000, 60000), "The JPEG image is too large: 60000 x 60000 pixels."},
        {"endlessly repeated scans", withRepeatedLastScan(progressive, kMaxJpegScans + 10),
         "JPEG image has too many scans"},
        // Each repeat of the last scan (luminance, two thirds of the blocks)
        // is one more pass over a 16-megapixel image: refused after about 8,
        // long before the scan count limit.
        {"a tiny file asking for many passes over a large image",
         withRepeatedLastScan(withJpegSize(progressive, 4096, 4096), 12), "JPEG image has too many scans"},
        // Neither is an error: a few repeated scans are legal, and running out
        // of pixel data is only a warning to libjpeg (the rest comes out grey).
        {"a few repeated scans", withRepeatedLastScan(progressive, 5), ""},
        {"cut inside the pixel data", good.left(scan + (good.size() - scan) / 2), ""},
    };
    // The guide image decodes a file named .jpg as it reads it, in pieces.
    for (ImageLoader load : {loadJpegFile, loadGuideImage}) {
        for (const auto& [name, bytes, message] : cases) EXPECT_EQ(failureOfBytes(load, bytes), message) << name;
    }
}

TEST(JpegDecoding, GreyscaleComesOutGreyInTheLibrarysOwnLevels) {
    QImage ramp(256, 16, QImage::Format_Grayscale8);  // 0..255 across every row
    for (int y = 0; y < 16; ++y) std::iota(ramp.scanLine(y), ramp.scanLine(y) + 256, uchar(0));
    TempFolder folder;
    writeFile(folder / "grey.jpg", encodeJpeg(ramp, {.greyscale = true}));
    const QImage image = loadJpegFile(pathOf(folder / "grey.jpg"));
    ASSERT_EQ(image.size(), QSize(256, 16));
    std::set<int> seen, levels;
    for (int i = 0; i < 256 * 16; ++i) {
        const QRgb pixel = image.pixel(i % 256, i / 256);
        ASSERT_EQ(pixel, qRgb(qRed(pixel), qRed(pixel), qRed(pixel))) << i;
        seen.insert(qRed(pixel));
    }
    // The quantiser's 236 levels, round(j * 255 / 235): a smooth ramp uses every one.
    for (int j = 0; j < kJpegGreyLevels; ++j) levels.insert((j * 255 + 117) / 235);
    EXPECT_EQ(seen, levels);
    EXPECT_EQ(loadGuideImage(pathOf(folder / "grey.jpg")), image.convertToFormat(QImage::Format_BGR888));
}

// Pixels in a mapping of their own: rows laid out as Qt lays them, copied when shared.
TEST(LargeImages, AreOrdinaryImagesWhateverTheirSize) {
    for (auto [width, height, format] :
         {std::tuple{1201, 1200, QImage::Format_BGR888}, {4097, 1100, QImage::Format_Grayscale8}}) {
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

TEST(ImageFiles, FilesThatCannotBeOpenedAreNamedByAbsolutePathWithTheReason) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "dir.jpg");
    ASSERT_EQ(::mkfifo((folder / "pipe.jpg").c_str(), 0600), 0);
    // Sparse: no disk space taken, yet too large to read.
    writeFile(folder / "big.jpg", "");
    std::filesystem::resize_file(folder / "big.jpg", std::uintmax_t(kMaxImageFileBytes) + 1);
    const std::string absolute = std::filesystem::canonical(folder.path()).string() + "/";
    const std::pair<const char*, std::string> cases[] = {
        {"images/back.jpg", "Cannot open file \"" + absolute + "images/back.jpg\". No such file or directory"},
        {"dir.jpg", "Cannot open file \"" + absolute + "dir.jpg\". Is a directory"},
        // Refused without waiting for a writer.
        {"pipe.jpg", "Cannot open file \"" + absolute + "pipe.jpg\". Not a regular file"},
        {"big.jpg", "File \"" + absolute + "big.jpg\" is too large"},
    };
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(pathOf(folder.path())));
    for (ImageLoader load : {loadJpegFile, loadBmpFile, loadGuideImage}) {
        for (const auto& [name, message] : cases) EXPECT_EQ(failureOfFile(load, QString::fromLatin1(name)), message);
    }
    QDir::setCurrent(previous);
}

// A valid bitmap is read pixel for pixel: see the game's overlay in the asset tests.
TEST(BitmapFiles, AnythingButAValidBitmapOfSaneSizeIsRefused) {
    const QImage picture = twoHalves(16, 8, kRed, kBlue);
    const QByteArray bmp = encodeBmp(picture);
    const std::string invalid = "Bitmap image is not valid";
    const std::tuple<const char*, QByteArray, std::string> cases[] = {
        {"a JPEG named .bmp", encodeJpeg(picture), invalid},
        {"0-byte file", QByteArray(), invalid},
        {"text", "BM but not really a bitmap", invalid},
        {"the file header alone", bmp.left(14), invalid},
        {"zero width", withBmpSize(bmp, 0, 8), invalid},
        {"sides beyond what the reader accepts", withBmpSize(bmp, 60000, 60000), invalid},
        {"too many pixels", withBmpSize(bmp, 9000, 9000), "The bitmap image is too large: 9000 x 9000 pixels."},
        {"too tall", withBmpSize(bmp, 16, 5000000), "The bitmap image is too large: 16 x 5000000 pixels."},
    };
    for (const auto& [name, bytes, message] : cases) EXPECT_EQ(failureOfBytes(loadBmpFile, bytes), message) << name;
}

// A negative height stores the rows top row first; other programs write such
// files, and they are as valid as the usual bottom-up ones.
TEST(BitmapFiles, ATopDownBitmapIsReadWithItsRowsInOrder) {
    QImage picture(5, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgb(40 * y, 10 * x, 200 - 40 * y));
    const QByteArray bottomUp = encodeBmp(picture);
    const auto field = [&](int at) { return qFromLittleEndian<qint32>(bottomUp.constData() + at); };
    ASSERT_EQ(field(28) & 0xFFFF, 24) << "a 24-bit bitmap";
    const int dataStart = field(10), stride = (5 * 3 + 3) / 4 * 4;
    QByteArray topDown = withBmpSize(bottomUp, 5, -4);
    for (int row = 0; row < 4; ++row) topDown.replace(dataStart + row * stride, stride, bottomUp.mid(dataStart + (3 - row) * stride, stride));
    TempFolder folder;
    writeFile(folder / "top-down.bmp", topDown);
    EXPECT_EQ(loadBmpFile(pathOf(folder / "top-down.bmp")), picture);
}

// The last three letters alone choose: a JPEG named .jpeg is read as a bitmap.
TEST(GuideImageFiles, AreReadAsJpegOrBitmapByTheLastThreeLettersOfTheirName) {
    const QImage picture = twoHalves(64, 32, kRed, kBlue), bitmap = picture.convertToFormat(QImage::Format_BGR888);
    const QByteArray jpeg = encodeJpeg(picture), bmp = encodeBmp(picture);
    // Two 64 KiB comments, which the decoder skips across its 64 KiB reads.
    const QByteArray comment = QByteArray("\xFF\xFE\xFF\xFF") + QByteArray(65533, 'c');
    const auto decoded = [](const QByteArray& jpeg) { return decodeJpeg(jpeg).convertToFormat(QImage::Format_BGR888); };
    // File name, bytes, the image read (null: "Bitmap image is not valid").
    const std::tuple<const char*, QByteArray, QImage> cases[] = {
        {"comments.jpg", jpeg.left(2) + comment + comment + jpeg.mid(2), decoded(jpeg)},
        {"a.JPG", jpeg, decoded(jpeg)},
        {"a.Jpg", jpeg, decoded(jpeg)},
        {"ajpg", jpeg, decoded(jpeg)},  // three characters, not an extension
        {"a.bmp", bmp, bitmap},
        {"a.png", bmp, bitmap},
        {"a.jpeg", jpeg, QImage()},
    };
    for (const auto& [name, bytes, expected] : cases) {
        TempFolder folder;
        writeFile(folder / name, bytes);
        if (expected.isNull()) {
            EXPECT_EQ(failureOfFile(loadGuideImage, pathOf(folder / name)), "Bitmap image is not valid") << name;
        } else {
            EXPECT_EQ(loadGuideImage(pathOf(folder / name)), expected) << name;
        }
    }
}

}  // namespace
}  // namespace mosarin::testing
