// Loading the four pictures of the game: each failure reported once, in
// order, and the others still loaded.
#include <QString>
#include <filesystem>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>

#include "shell/game_assets.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

const QRgb kOverlayKey = qRgb(255, 0, 255);

void writeFile(const std::filesystem::path& path, const QByteArray& bytes) {
    writeBytes(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}

QImage overlayPicture() {
    QImage overlay = twoHalves(12, 6, kOverlayKey, qRgb(250, 220, 0));
    overlay.setPixel(1, 1, qRgb(0, 0, 0));
    return overlay;
}

// A program folder with an images/ folder holding all four assets, each of its own size.
class AssetFolder {
public:
    AssetFolder() {
        std::filesystem::create_directories(images());
        writeFile(images() / "back.jpg", encodeJpeg(twoHalves(40, 30, qRgb(10, 20, 30), qRgb(90, 90, 90))));
        writeFile(images() / "end2.jpg", encodeJpeg(twoHalves(24, 16, qRgb(200, 0, 0), qRgb(0, 0, 200))));
        writeFile(images() / "end1.bmp", encodeBmp(overlayPicture()));
        writeFile(images() / "init.jpg", encodeJpeg(twoHalves(8, 8, qRgb(0, 0, 0), qRgb(255, 255, 255))));
    }
    std::filesystem::path images() const { return folder_ / "images"; }
    QString programFolder() const { return QString::fromStdString(folder_.path().string()) + QLatin1Char('/'); }
    QString imagePath(const char* name) const { return programFolder() + QStringLiteral("images/") + QLatin1String(name); }
    GameAssets load(FakePlatform& platform) const { return loadGameAssets(programFolder(), platform); }

private:
    TempFolder folder_;
};

QString missingMessage(const QString& path) {
    return QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path);
}

TEST(GameAssets, AllFourLoadAtTheirOwnSizesAndTheOverlayKeyIsItsTopLeftPixel) {
    AssetFolder assets;
    FakePlatform platform;
    const GameAssets loaded = assets.load(platform);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(loaded.backImage.size(), QSize(40, 30));
    EXPECT_EQ(loaded.endImage.size(), QSize(24, 16));
    EXPECT_EQ(loaded.endOverlay, overlayPicture());
    EXPECT_EQ(loaded.startImage.size(), QSize(8, 8));
    EXPECT_EQ(loaded.overlayKey, kOverlayKey);
}

TEST(GameAssets, AMissingBackgroundIsReportedOnceAndTheOthersStillLoad) {
    AssetFolder assets;
    std::filesystem::remove(assets.images() / "back.jpg");
    FakePlatform platform;
    const GameAssets loaded = assets.load(platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::ErrorBox);
    EXPECT_EQ(platform.messages[0].text, missingMessage(assets.imagePath("back.jpg")));
    EXPECT_TRUE(loaded.backImage.isNull());
    EXPECT_FALSE(loaded.endImage.isNull());
    EXPECT_FALSE(loaded.endOverlay.isNull());
    EXPECT_FALSE(loaded.startImage.isNull());
    EXPECT_EQ(loaded.overlayKey, kOverlayKey);
}

TEST(GameAssets, WithNoImagesFourBoxesComeInLoadingOrder) {
    AssetFolder assets;
    std::filesystem::remove_all(assets.images());
    FakePlatform platform;
    const GameAssets loaded = assets.load(platform);
    const QStringList expected = {missingMessage(assets.imagePath("back.jpg")),
                                  missingMessage(assets.imagePath("end2.jpg")),
                                  missingMessage(assets.imagePath("end1.bmp")),
                                  missingMessage(assets.imagePath("init.jpg"))};
    EXPECT_EQ(platform.texts(), expected);
    EXPECT_TRUE(loaded.backImage.isNull() && loaded.endImage.isNull() && loaded.endOverlay.isNull() &&
                loaded.startImage.isNull());
    EXPECT_EQ(loaded.overlayKey, 0u);
}

TEST(GameAssets, TheFileTypeIsFixedByTheNameNotTheContent) {
    AssetFolder assets;
    // Swap the contents: a bitmap where a JPEG belongs and the other way round.
    const std::string bitmap = readBytes(assets.images() / "end1.bmp");
    writeBytes(assets.images() / "end1.bmp", readBytes(assets.images() / "init.jpg"));
    writeBytes(assets.images() / "init.jpg", bitmap);
    FakePlatform platform;
    const GameAssets loaded = assets.load(platform);
    const QStringList expected = {QStringLiteral("Bitmap image is not valid."),
                                  QStringLiteral("JPEG error #%1.").arg(int(JERR_NO_SOI))};
    EXPECT_EQ(platform.texts(), expected);
    EXPECT_TRUE(loaded.endOverlay.isNull());
    EXPECT_TRUE(loaded.startImage.isNull());
    EXPECT_EQ(loaded.overlayKey, 0u);
    EXPECT_FALSE(loaded.backImage.isNull());
}

}  // namespace
}  // namespace mosarin::testing
