// Draws Mosarin's four pictures: back.jpg, init.jpg, end2.jpg, end1.bmp;
// or, with --icons, the program's icon at 48 and 256 pixels and as SVG.
//   make_art OUTPUT_FOLDER [--mockups MOCKUP_FOLDER]
//   make_art --icons ICON_FOLDER
// Everything is drawn from fixed seeds, so a rerun gives the same pictures.

#include "art.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 92;

bool saveJpeg(const QImage& image, const QString& path) {
    return image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", kJpegQuality);
}

// The game reads the overlay as a plain Windows bitmap; keep it 24-bit.
bool saveBitmap(const QImage& image, const QString& path) {
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(30);
    const int bitCount = header.size() == 30 ? quint8(header[28]) | quint8(header[29]) << 8 : 0;
    if (bitCount != 24)
        std::fprintf(stderr, "%s: expected 24 bits per pixel, got %d\n", qPrintable(path), bitCount);
    return bitCount == 24;
}

bool writeAll(const art::ArtSet& set, const QDir& out) {
    return saveJpeg(set.background, out.filePath("back.jpg")) && saveJpeg(set.title, out.filePath("init.jpg")) &&
           saveJpeg(set.endFrame, out.filePath("end2.jpg")) && saveBitmap(set.overlay, out.filePath("end1.bmp"));
}

bool writeIcons(const QDir& out) {
    QFile svg(out.filePath("mosarin.svg"));
    return art::makeIcon(48).save(out.filePath("mosarin-48.png"), "PNG") &&
           art::makeIcon(256).save(out.filePath("mosarin-256.png"), "PNG") && svg.open(QIODevice::WriteOnly) &&
           svg.write(art::makeIconSvg()) > 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--icons")) {
        QDir().mkpath(args[2]);
        if (writeIcons(QDir(args[2])))
            return 0;
        std::fprintf(stderr, "could not write the icons into %s\n", qPrintable(args[2]));
        return 1;
    }
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--mockups"))) {
        std::fprintf(stderr, "usage: make_art OUTPUT_FOLDER [--mockups MOCKUP_FOLDER] | make_art --icons ICON_FOLDER\n");
        return 2;
    }
    art::ArtSet set;
    set.background = art::makeBackground();
    set.title = art::makeTitle(set.background);
    set.endFrame = art::makeEndFrame(set.background);
    set.overlay = art::makeOverlay();
    QDir().mkpath(args[1]);
    if (!writeAll(set, QDir(args[1]))) {
        std::fprintf(stderr, "could not write the pictures into %s\n", qPrintable(args[1]));
        return 1;
    }
    if (args.size() == 4 && !art::writeMockups(set, args[3])) {
        std::fprintf(stderr, "could not write the mock-ups into %s\n", qPrintable(args[3]));
        return 1;
    }
    return 0;
}
