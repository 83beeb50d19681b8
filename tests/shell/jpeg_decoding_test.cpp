// Decoding JPEG files: sizes and colours of good files, libjpeg's message
// codes for bad ones, and refusal of hostile ones.
#include <QBuffer>
#include <QDir>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>

#include "shell/app_info.h"
#include "shell/image_files.h"
#include "shell/jpeg_decoder.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

QString pathOf(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

void writeFile(const std::filesystem::path& path, const QByteArray& bytes) {
    writeBytes(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}

// The message loadJpegFile throws for `bytes`, or "" when it decodes.
std::string jpegFailure(const QByteArray& bytes) {
    TempFolder folder;
    writeFile(folder / "picture.jpg", bytes);
    try {
        loadJpegFile(pathOf(folder / "picture.jpg"));
    } catch (const MosarinError& e) {
        return e.what();
    }
    return "";
}

std::string jpegError(int code) { return "JPEG error #" + std::to_string(code); }

bool near(int a, int b, int tolerance) { return std::abs(a - b) <= tolerance; }

void expectNearColour(QRgb actual, QRgb expected, int tolerance) {
    EXPECT_TRUE(near(qRed(actual), qRed(expected), tolerance) && near(qGreen(actual), qGreen(expected), tolerance) &&
                near(qBlue(actual), qBlue(expected), tolerance))
        << std::hex << "actual " << actual << " expected " << expected;
}

const QRgb kRed = qRgb(200, 30, 40);
const QRgb kBlue = qRgb(30, 60, 200);

TEST(JpegDecoding, DecodesEverySizeAtFullSize) {
    for (const QSize size : {QSize(1, 1), QSize(17, 9), QSize(8, 300), QSize(781, 556)}) {
        TempFolder folder;
        writeFile(folder / "a.jpg", encodeJpeg(twoHalves(size.width(), size.height(), kRed, kBlue)));
        const QImage image = loadJpegFile(pathOf(folder / "a.jpg"));
        EXPECT_EQ(image.size(), size);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
    }
}

TEST(JpegDecoding, KeepsTheColoursOfBaselineAndProgressiveFiles) {
    for (bool progressive : {false, true}) {
        TempFolder folder;
        writeFile(folder / "a.jpg", encodeJpeg(twoHalves(64, 32, kRed, kBlue), {95, false, progressive}));
        const QImage image = loadJpegFile(pathOf(folder / "a.jpg"));
        ASSERT_EQ(image.size(), QSize(64, 32)) << progressive;
        // Away from the edge between the halves, where colours bleed.
        for (int y : {0, 15, 31}) {
            expectNearColour(image.pixel(4, y), kRed, 12);
            expectNearColour(image.pixel(59, y), kBlue, 12);
            EXPECT_EQ(qAlpha(image.pixel(4, y)), 255);
        }
    }
}

TEST(JpegDecoding, GreyscaleFilesGiveGreyPixels) {
    QImage ramp(64, 16, QImage::Format_RGB32);
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 16; ++y) ramp.setPixel(x, y, qRgb(4 * x, 4 * x, 4 * x));
    }
    TempFolder folder;
    writeFile(folder / "grey.jpg", encodeJpeg(ramp, {95, true, false}));
    const QImage image = loadJpegFile(pathOf(folder / "grey.jpg"));
    ASSERT_EQ(image.size(), ramp.size());
    for (int x = 0; x < 64; ++x) {
        const QRgb pixel = image.pixel(x, 8);
        EXPECT_EQ(qRed(pixel), qGreen(pixel));
        EXPECT_EQ(qGreen(pixel), qBlue(pixel));
        EXPECT_TRUE(near(qRed(pixel), 4 * x, 8)) << x << ": " << qRed(pixel);
    }
}

QByteArray goodJpeg() { return encodeJpeg(twoHalves(32, 16, kRed, kBlue)); }

struct BadStream {
    const char* name;
    QByteArray (*bytes)();
    int code;
};

const BadStream kBadStreams[] = {
    {"empty file", [] { return QByteArray(); }, JERR_INPUT_EMPTY},
    {"text", [] { return QByteArray("hello, world\r\n"); }, JERR_NO_SOI},
    {"bitmap", [] { return encodeBmp(twoHalves(8, 8, kRed, kBlue)); }, JERR_NO_SOI},
    {"png",
     [] {
         QByteArray png;
         QBuffer buffer(&png);
         buffer.open(QIODevice::WriteOnly);
         twoHalves(8, 8, kRed, kBlue).save(&buffer, "PNG");
         return png;
     },
     JERR_NO_SOI},
    {"start marker only", [] { return goodJpeg().left(2); }, JERR_NO_IMAGE},
    {"cut inside the headers", [] { return goodJpeg().left(40); }, JERR_NO_IMAGE},
    {"cut before the scan",
     [] {
         const QByteArray whole = goodJpeg();
         return whole.left(whole.indexOf(QByteArray("\xFF\xDA", 2)));
     },
     JERR_SOF_NO_SOS},
    {"zero width", [] { return withJpegSize(goodJpeg(), 0, 16); }, JERR_EMPTY_IMAGE},
};

TEST(JpegDecoding, BadStreamsFailWithLibjpegsMessageCode) {
    for (const BadStream& bad : kBadStreams) {
        EXPECT_EQ(jpegFailure(bad.bytes()), jpegError(bad.code)) << bad.name;
    }
}

TEST(JpegDecoding, AFileCutInsideItsPixelDataStillDecodesAtFullSize) {
    // Running out of data is only a warning to libjpeg: the rest comes out grey.
    const QByteArray whole = encodeJpeg(twoHalves(64, 64, kRed, kBlue));
    const qsizetype scanStart = whole.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(scanStart, 0);
    TempFolder folder;
    writeFile(folder / "cut.jpg", whole.left(scanStart + (whole.size() - scanStart) / 2));
    EXPECT_EQ(loadJpegFile(pathOf(folder / "cut.jpg")).size(), QSize(64, 64));
}

TEST(JpegDecoding, HugeSizesAreRefusedBeforeDecoding) {
    const QByteArray small = goodJpeg();
    EXPECT_EQ(jpegFailure(withJpegSize(small, 60000, 60000)), "JPEG image too large (60000 x 60000)");
    EXPECT_EQ(jpegFailure(withJpegSize(small, 9000, 9000)), "JPEG image too large (9000 x 9000)");
    const QByteArray progressive = encodeJpeg(twoHalves(32, 16, kRed, kBlue), {95, false, true});
    EXPECT_EQ(jpegFailure(withJpegSize(progressive, 65000, 1200)), "JPEG image too large (65000 x 1200)");
}

TEST(JpegDecoding, EndlesslyRepeatedScansAreRefused) {
    const QByteArray progressive = encodeJpeg(twoHalves(32, 16, kRed, kBlue), {95, false, true});
    EXPECT_EQ(jpegFailure(withRepeatedLastScan(progressive, 20)), "");
    EXPECT_EQ(jpegFailure(withRepeatedLastScan(progressive, kMaxJpegScans + 10)), "JPEG image has too many scans");
}

TEST(JpegDecoding, DecodesFromMemoryAlike) {
    EXPECT_EQ(decodeJpeg(goodJpeg()).size(), QSize(32, 16));
    try {
        decodeJpeg(QByteArray("\xFF\xD8\xFF", 3));
        ADD_FAILURE() << "a three-byte stream decoded";
    } catch (const MosarinError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("JPEG error #", 0), 0u) << e.what();
    }
}

}  // namespace
}  // namespace mosarin::testing
