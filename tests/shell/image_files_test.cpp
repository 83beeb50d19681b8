// Opening image files: the "Cannot open file" message with the absolute path;
// JPEG files decoded by libjpeg, with its message codes for bad ones; Windows
// bitmaps read with their format forced, whatever the file holds; and
// refusal of hostile files of either kind.
#include <gtest/gtest.h>

#include <QDir>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <tuple>
#include <jpeglib.h>
#include <jerror.h>

#include "shell/file_bytes.h"
#include "shell/image_files.h"
#include "shell/jpeg_decoder.h"
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
    const std::tuple<int, int, bool, bool> cases[] = {
        // Width, height, progressive, greyscale (one component).
        {1, 1, false, false},   {17, 9, false, false},  {8, 300, false, false}, {781, 556, false, false},
        {64, 32, false, false}, {64, 32, true, false},  {64, 16, false, true},
    };
    for (const auto& [width, height, progressive, greyscale] : cases) {
        SCOPED_TRACE(::testing::Message()
                     << width << "x" << height << " progressive " << progressive << " grey " << greyscale);
        const QRgb left = greyscale ? qRgb(60, 60, 60) : kRed, right = greyscale ? qRgb(200, 200, 200) : kBlue;
        TempFolder folder;
        writeFile(folder / "a.jpg", encodeJpeg(twoHalves(width, height, left, right), {greyscale, progressive}));
        const QImage image = loadJpegFile(pathOf(folder / "a.jpg"));
        ASSERT_EQ(image.size(), QSize(width, height));
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        if (width < 64) continue;
        // Away from the edge between the halves, where colours bleed.
        for (QPoint p : {QPoint(4, 0), QPoint(width - 5, height / 2), QPoint(4, height - 1)}) {
            const QRgb pixel = image.pixel(p), expected = p.x() < width / 2 ? left : right;
            EXPECT_TRUE(near(pixel, expected, 12)) << std::hex << pixel;
            EXPECT_TRUE(!greyscale || (qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)))
                << std::hex << pixel;
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
        // Neither is an error: a few repeated scans are legal, and running out
        // of pixel data is only a warning to libjpeg (the rest comes out grey).
        {"a few repeated scans", withRepeatedLastScan(progressive, 20), ""},
        {"cut inside the pixel data", good.left(scan + (good.size() - scan) / 2), ""},
    };
    for (const auto& [name, bytes, message] : cases) EXPECT_EQ(failureOfBytes(loadJpegFile, bytes), message) << name;
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

}  // namespace
}  // namespace mosarin::testing
