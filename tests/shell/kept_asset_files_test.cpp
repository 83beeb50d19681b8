// The game's pictures are read again, when first decoded, from the files
// checked at set-up, which are kept open rather than held in memory: what is
// decoded is what was checked, even when a file's name has been removed or
// given to another file meanwhile.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/game_assets.h"
#include "shell/image_files.h"
#include "shell/jpeg_decoder.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(KeptAssetFiles, DecodeWhatWasCheckedWhateverHappensToTheNamesSince) {
    const QByteArray back = encodeJpeg(twoHalves(40, 30, qRgb(10, 20, 30), qRgb(90, 90, 90)));
    const QByteArray end = encodeJpeg(twoHalves(24, 16, qRgb(200, 0, 0), qRgb(0, 0, 200)));
    const QByteArray overlay = encodeBmp(twoHalves(12, 6, qRgb(255, 0, 255), qRgb(250, 220, 0)));
    const QByteArray start = encodeJpeg(twoHalves(8, 8, qRgb(0, 0, 0), qRgb(255, 255, 255)));
    const QByteArray other = encodeJpeg(twoHalves(16, 16, qRgb(0, 255, 0), qRgb(0, 0, 0)));
    // What happens to the file's name between set-up and decoding.
    enum class Then { Removed, Replaced };
    for (const Then then : {Then::Removed, Then::Replaced}) {
        SCOPED_TRACE(then == Then::Removed ? "removed" : "replaced");
        TempFolder folder;
        const std::filesystem::path images = folder / "images";
        std::filesystem::create_directories(images);
        writeFile(images / "back.jpg", back);
        writeFile(images / "end2.jpg", end);
        writeFile(images / "end1.bmp", overlay);
        writeFile(images / "init.jpg", start);

        FakePlatform platform;
        GameAssetFiles files = readGameAssetFiles(pathOf(folder.path()) + QLatin1Char('/'), platform);
        ASSERT_TRUE(platform.messages.empty());
        for (const char* name : {"back.jpg", "end2.jpg", "end1.bmp", "init.jpg"}) {
            std::filesystem::remove(images / name);
            if (then == Then::Replaced) {
                writeFile(folder / "new", other);
                std::filesystem::rename(folder / "new", images / name);
            }
        }
        GameAssets assets;
        EXPECT_TRUE(decodeStartScreenAssets(files, assets, platform));
        EXPECT_TRUE(decodeEndScreenAssets(files, assets, platform));
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(assets.backImage, decodeJpeg(back));
        EXPECT_EQ(assets.startImage, decodeJpeg(start));
        EXPECT_EQ(assets.endImage, decodeJpeg(end));
        EXPECT_EQ(assets.endOverlay, decodeBmp(overlay));

        // The start screen's pictures are released between uses and decoded
        // again from the same files.
        assets.backImage = QImage();
        assets.startImage = QImage();
        EXPECT_TRUE(decodeStartScreenAssets(files, assets, platform));
        EXPECT_EQ(assets.backImage, decodeJpeg(back));
        EXPECT_EQ(assets.startImage, decodeJpeg(start));
        EXPECT_TRUE(platform.messages.empty());
    }
}

}  // namespace
}  // namespace mosarin::testing
