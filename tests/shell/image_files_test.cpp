// Opening image files: the "Cannot open file" message, and Windows bitmaps
// read with their format forced, whatever the file really holds.
#include <QDir>
#include <QString>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/app_info.h"
#include "shell/image_files.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

using Loader = QImage (*)(const QString&);

QString pathOf(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

void writeFile(const std::filesystem::path& path, const QByteArray& bytes) {
    writeBytes(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}

std::string failureOf(Loader load, const QString& path) {
    try {
        load(path);
    } catch (const MosarinError& e) {
        return e.what();
    }
    return "";
}

std::string bmpFailure(const QByteArray& bytes) {
    TempFolder folder;
    writeFile(folder / "picture.bmp", bytes);
    return failureOf(loadBmpFile, pathOf(folder / "picture.bmp"));
}

// Puts the working directory back however the test ends.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

const Loader kLoaders[] = {loadJpegFile, loadBmpFile};

TEST(ImageFiles, AMissingFileNamesItsFullPathAndTheSystemsReason) {
    for (Loader load : kLoaders) {
        TempFolder folder;
        const std::string path = (folder / "absent.jpg").string();
        EXPECT_EQ(failureOf(load, QString::fromStdString(path)),
                  "Cannot open file \"" + path + "\". No such file or directory");
    }
}

TEST(ImageFiles, ARelativePathIsReportedAbsolute) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "images");
    WorkingDirectory inFolder(pathOf(folder.path()));
    const std::string absolute = std::filesystem::canonical(folder.path()).string() + "/images/back.jpg";
    for (Loader load : kLoaders) {
        EXPECT_EQ(failureOf(load, QStringLiteral("images/back.jpg")),
                  "Cannot open file \"" + absolute + "\". No such file or directory");
    }
}

TEST(ImageFiles, AFolderCannotBeOpenedAsAnImage) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "dir.jpg");
    for (Loader load : kLoaders) {
        EXPECT_EQ(failureOf(load, pathOf(folder / "dir.jpg")),
                  "Cannot open file \"" + (folder / "dir.jpg").string() + "\". Is a directory");
    }
}

TEST(ImageFiles, APipeIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const std::string pipe = (folder / "pipe.jpg").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (Loader load : kLoaders) {
        EXPECT_EQ(failureOf(load, QString::fromStdString(pipe)), "Cannot open file \"" + pipe + "\". Not a regular file");
    }
}

TEST(ImageFiles, AnUnreadableFileGivesTheSystemsReason) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    TempFolder folder;
    writeFile(folder / "locked.bmp", encodeBmp(twoHalves(4, 4, qRgb(1, 2, 3), qRgb(4, 5, 6))));
    std::filesystem::permissions(folder / "locked.bmp", std::filesystem::perms::none);
    EXPECT_EQ(failureOf(loadBmpFile, pathOf(folder / "locked.bmp")),
              "Cannot open file \"" + (folder / "locked.bmp").string() + "\". Permission denied");
}

TEST(ImageFiles, CannotOpenMessageTrimsTheSystemsWording) {
    const QString message = cannotOpenMessage(QStringLiteral("/x/y.jpg"), EACCES);
    EXPECT_EQ(message, QStringLiteral("Cannot open file \"/x/y.jpg\". Permission denied"));
    EXPECT_EQ(withFullStop(message), message + QLatin1Char('.'));
}

TEST(BitmapFiles, ReadsEveryPixelExactly) {
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgb(40 * x, 80 * y, 7 + x + y));
    }
    TempFolder folder;
    writeFile(folder / "p.bmp", encodeBmp(picture));
    const QImage image = loadBmpFile(pathOf(folder / "p.bmp"));
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image, picture);
}

TEST(BitmapFiles, AnythingButAValidBitmapIsRefused) {
    const QImage picture = twoHalves(16, 8, qRgb(200, 30, 40), qRgb(30, 60, 200));
    const QByteArray bmp = encodeBmp(picture);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"a JPEG named .bmp", encodeJpeg(picture)},
        {"an empty file", QByteArray()},
        {"text", QByteArray("BM but not really a bitmap")},
        {"the file header alone", bmp.left(14)},
        {"zero width", withBmpSize(bmp, 0, 8)},
    };
    for (const auto& bad : cases) EXPECT_EQ(bmpFailure(bad.bytes), "Bitmap image is not valid") << bad.name;
}

TEST(BitmapFiles, HugeSizesAreRefusedBeforeReading) {
    const QByteArray bmp = encodeBmp(twoHalves(16, 8, qRgb(200, 30, 40), qRgb(30, 60, 200)));
    EXPECT_EQ(bmpFailure(withBmpSize(bmp, 9000, 9000)), "Bitmap image too large (9000 x 9000)");
    EXPECT_EQ(bmpFailure(withBmpSize(bmp, 16, 5000000)), "Bitmap image too large (16 x 5000000)");
    // Sides beyond what Qt's reader accepts at all make the header invalid.
    EXPECT_EQ(bmpFailure(withBmpSize(bmp, 60000, 60000)), "Bitmap image is not valid");
}

}  // namespace
}  // namespace mosarin::testing
