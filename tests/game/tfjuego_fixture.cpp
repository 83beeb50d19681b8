#include "tests/game/tfjuego_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <stdexcept>

#include "game/game_state.h"
#include "picture/library_file.h"
#include "tests/game/rules_fixtures.h"

namespace mosarin::testing {

namespace {

void saveSolid(const std::filesystem::path& file, int width, int height, QRgb color, const char* format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    if (!image.save(QString::fromStdString(file.string()), format, 100)) {
        throw std::runtime_error("cannot write test asset " + file.string());
    }
}

}  // namespace

GameFolder::GameFolder(const std::vector<TPictureRecord>& library) {
    std::filesystem::create_directories(temp_ / "files");
    std::filesystem::create_directories(temp_ / "images");
    saveSolid(temp_ / "images/back.jpg", kSurfaceWidth, kSurfaceHeight, kBackAsset, "JPG");
    saveSolid(temp_ / "images/init.jpg", 120, 60, kStartAsset, "JPG");
    saveSolid(temp_ / "images/end2.jpg", 100, 100, 0xFF30A030u, "JPG");
    saveSolid(temp_ / "images/end1.bmp", 40, 20, 0xFF00FF00u, "BMP");
    if (!library.empty()) writeLibrary(library);
}

QString GameFolder::programFolder() const { return QString::fromStdString(temp_.path().string()) + QLatin1Char('/'); }

std::filesystem::path GameFolder::libraryFile() const { return temp_ / "files/pictures.txt"; }

void GameFolder::writeLibrary(const std::vector<TPictureRecord>& pictures) const {
    std::string text;
    for (const TPictureRecord& picture : pictures) text += formatPictureLine(picture);
    writeBytes(libraryFile(), text);
}

std::vector<TPictureRecord> twelvePictures() {
    std::vector<TPictureRecord> pictures = {pictureSized(5, 5), pictureSized(12, 7), pictureSized(40, 30)};
    pictures.resize(12, pictureOf({"##.", "...", ".#."}));
    return pictures;
}

GameWindowTest::GameWindowTest()
    : library(twelvePictures()), folder(library), game(platform, folder.programFolder()) {
    game.Timer1->stop();
    EXPECT_TRUE(activate(game));
}

void playPicture(Tfjuego& game, int number) {
    game.Button1Click();
    game.cb1->setCurrentIndex(number - 1);
    game.Button4Click();
    game.Timer1Timer();
}

bool activate(Tfjuego& game) {
    game.show();
    QApplication::setActiveWindow(&game);
    return QTest::qWaitForWindowActive(&game);
}

QPoint cellCentre(int column, int row) {
    return {kBoardLeft + kCellPitch * column + kCellPitch / 2, kBoardTop + kCellPitch * row + kCellPitch / 2};
}

bool nearColor(QRgb actual, QRgb expected, int tolerance) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

int textLines(const QImage& image) {
    int lines = 0;
    bool inLine = false;
    // Skip the outer rows and columns: the button's frame is dark too.
    for (int y = 3; y < image.height() - 3; ++y) {
        bool ink = false;
        for (int x = 3; x < image.width() - 3 && !ink; ++x) ink = qGray(image.pixel(x, y)) < 110;
        if (ink && !inLine) ++lines;
        inLine = ink;
    }
    return lines;
}

}  // namespace mosarin::testing
