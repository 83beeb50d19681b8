// The game's four pictures read and checked at set-up and decoded when first
// drawn: a file whose fault shows only when its pixels are decoded is told
// then, with the message loading it whole gives, and only then.
#include <gtest/gtest.h>

#include <jerror.h>

#include "shell/game_assets.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

// A JPEG whose header reads well but whose scan asks for Huffman tables the
// file never defines: libjpeg fails only when it starts decoding.
QByteArray withUndefinedScanTables(QByteArray jpeg) {
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    // Marker, length, component count, then the first component's id and
    // its table selectors.
    jpeg[scan + 6] = char(0x33);
    return jpeg;
}

TEST(GameAssetFiles, AFaultInThePixelsIsToldWhenTheAssetIsFirstDecoded) {
    const QByteArray back = encodeJpeg(twoHalves(40, 30, qRgb(10, 20, 30), qRgb(90, 90, 90)));
    const QByteArray end = encodeJpeg(twoHalves(24, 16, qRgb(200, 0, 0), qRgb(0, 0, 200)));
    const QByteArray overlay = encodeBmp(twoHalves(12, 6, qRgb(255, 0, 255), qRgb(250, 220, 0)));
    const QByteArray start = encodeJpeg(twoHalves(8, 8, qRgb(0, 0, 0), qRgb(255, 255, 255)));
    const QString noTable = QStringLiteral("JPEG error #%1.").arg(JERR_NO_HUFF_TABLE);
    const QString badBitmap = QStringLiteral("Bitmap image is not valid.");
    // The damaged file, its damaged bytes; the boxes at reading, at the start
    // screen's decoding and at the end screen's; the assets left null.
    const struct {
        const char* name;
        const char* file;
        QByteArray bytes;
        QStringList atReading, atStart, atEnd;
        const char* nulls;   // B back, E end, O overlay, S start
    } cases[] = {
        {"all sound", "back.jpg", back, {}, {}, {}, ""},
        {"background's scan", "back.jpg", withUndefinedScanTables(back), {}, {noTable}, {}, "B"},
        {"start picture's scan", "init.jpg", withUndefinedScanTables(start), {}, {noTable}, {}, "S"},
        {"end picture's scan", "end2.jpg", withUndefinedScanTables(end), {}, {}, {noTable}, "E"},
        {"overlay's header", "end1.bmp", overlay.left(20), {badBitmap}, {}, {}, "O"},
        {"end picture's header", "end2.jpg", end.left(40), {QStringLiteral("JPEG error #%1.").arg(JERR_NO_IMAGE)}, {}, {}, "E"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        std::filesystem::create_directories(folder / "images");
        writeFile(folder / "images/back.jpg", back);
        writeFile(folder / "images/end2.jpg", end);
        writeFile(folder / "images/end1.bmp", overlay);
        writeFile(folder / "images/init.jpg", start);
        writeFile(folder / "images" / c.file, c.bytes);
        const QString programFolder = pathOf(folder.path()) + QLatin1Char('/');

        FakePlatform platform;
        GameAssetFiles files = readGameAssetFiles(programFolder, platform);
        EXPECT_EQ(platform.texts(), c.atReading);
        GameAssets assets;
        platform.messages.clear();
        EXPECT_TRUE(decodeStartScreenAssets(files, assets, platform));
        EXPECT_EQ(platform.texts(), c.atStart);
        platform.messages.clear();
        decodeEndScreenAssets(files, assets, platform);
        EXPECT_EQ(platform.texts(), c.atEnd);
        // Each is decoded once: nothing more to do, nothing told again.
        platform.messages.clear();
        EXPECT_FALSE(decodeStartScreenAssets(files, assets, platform));
        EXPECT_FALSE(decodeEndScreenAssets(files, assets, platform));
        EXPECT_TRUE(platform.messages.empty());

        const QString nulls = QString::fromLatin1(c.nulls);
        EXPECT_EQ(assets.backImage.isNull(), nulls.contains('B'));
        EXPECT_EQ(assets.endImage.isNull(), nulls.contains('E'));
        EXPECT_EQ(assets.endOverlay.isNull(), nulls.contains('O'));
        EXPECT_EQ(assets.startImage.isNull(), nulls.contains('S'));
        EXPECT_EQ(assets.overlayKey, nulls.contains('O') ? 0u : qRgb(255, 0, 255));

        // Loading all four at once tells the same boxes, in the files' order.
        FakePlatform whole;
        const GameAssets loaded = loadGameAssets(programFolder, whole);
        EXPECT_EQ(whole.texts(), c.atReading + c.atStart + c.atEnd);
        EXPECT_EQ(loaded.backImage, assets.backImage);
        EXPECT_EQ(loaded.endImage, assets.endImage);
        EXPECT_EQ(loaded.endOverlay, assets.endOverlay);
        EXPECT_EQ(loaded.startImage, assets.startImage);
    }
}

}  // namespace
}  // namespace mosarin::testing
