// Loading the four pictures of the game: each failure reported once, in
// order, and the others still loaded.
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>
#include <vector>
#include <jpeglib.h>
#include <jerror.h>

#include "shell/game_assets.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

const QRgb kOverlayKey = qRgb(255, 0, 255);

// Read back exactly, as every bitmap must be.
QImage overlayPicture() {
    QImage overlay = twoHalves(12, 6, kOverlayKey, qRgb(250, 220, 0));
    overlay.setPixel(1, 1, qRgb(0, 0, 0));
    return overlay;
}

// All four assets, each of its own size.
void writeAssets(const std::filesystem::path& images) {
    std::filesystem::remove_all(images);
    std::filesystem::create_directories(images);
    writeFile(images / "back.jpg", encodeJpeg(twoHalves(40, 30, qRgb(10, 20, 30), qRgb(90, 90, 90))));
    writeFile(images / "end2.jpg", encodeJpeg(twoHalves(24, 16, qRgb(200, 0, 0), qRgb(0, 0, 200))));
    writeFile(images / "end1.bmp", encodeBmp(overlayPicture()));
    writeFile(images / "init.jpg", encodeJpeg(twoHalves(8, 8, qRgb(0, 0, 0), qRgb(255, 255, 255))));
}

TEST(GameAssets, EachFailureShowsOneBoxInLoadingOrderAndTheOthersStillLoad) {
    TempFolder folder;
    const std::filesystem::path images = folder / "images";
    const auto missing = [&](const char* name) {
        return QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(pathOf(images / name));
    };
    // Name, files removed, whether the bitmap and a JPEG swap contents, the
    // assets that load (Back, End, Overlay, Start), the boxes shown.
    const std::tuple<const char*, std::vector<const char*>, bool, QString, QStringList> cases[] = {
        {"all present", {}, false, "BEOS", {}},
        {"background missing", {"back.jpg"}, false, "EOS", {missing("back.jpg")}},
        {"all missing", {"back.jpg", "end2.jpg", "end1.bmp", "init.jpg"}, false, "",
         {missing("back.jpg"), missing("end2.jpg"), missing("end1.bmp"), missing("init.jpg")}},
        {"the name, not the content, decides the type", {}, true, "BE",
         {QStringLiteral("Bitmap image is not valid."), QStringLiteral("JPEG error #%1.").arg(JERR_NO_SOI)}},
    };
    for (const auto& [name, removed, swapped, loaded, boxes] : cases) {
        SCOPED_TRACE(name);
        writeAssets(images);
        for (const char* file : removed) std::filesystem::remove(images / file);
        if (swapped) {
            const std::string bitmap = readBytes(images / "end1.bmp");
            writeBytes(images / "end1.bmp", readBytes(images / "init.jpg"));
            writeBytes(images / "init.jpg", bitmap);
        }
        FakePlatform platform;
        const GameAssets assets = loadGameAssets(pathOf(folder.path()) + QLatin1Char('/'), platform);
        EXPECT_EQ(platform.texts(), boxes);
        for (const ShownMessage& shown : platform.messages) EXPECT_EQ(shown.kind, ShownMessage::ErrorBox);
        EXPECT_EQ(assets.backImage.size(), loaded.contains('B') ? QSize(40, 30) : QSize(0, 0));
        EXPECT_EQ(assets.endImage.size(), loaded.contains('E') ? QSize(24, 16) : QSize(0, 0));
        EXPECT_EQ(assets.endOverlay, loaded.contains('O') ? overlayPicture() : QImage());
        EXPECT_EQ(assets.startImage.size(), loaded.contains('S') ? QSize(8, 8) : QSize(0, 0));
        EXPECT_EQ(assets.overlayKey, loaded.contains('O') ? kOverlayKey : 0u);
    }
}

}  // namespace
}  // namespace mosarin::testing
