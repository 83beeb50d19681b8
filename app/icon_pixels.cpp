// Build step: unpacks the window icon's PNG into the plain RGBA bytes the
// program shows (shell/window_icon.h), so the program itself needs no image
// decoder for it.
//
//   icon_pixels input.png output.rgba
#include <QImage>
#include <QSaveFile>
#include <cstdio>

#include "shell/window_icon.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_pixels input.png output.rgba\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]), "PNG").convertToFormat(QImage::Format_RGBA8888);
    if (image.width() != mosarin::kWindowIconSide || image.height() != mosarin::kWindowIconSide) {
        std::fprintf(stderr, "icon_pixels: %s is not a %d-pixel square PNG\n", argv[1], mosarin::kWindowIconSide);
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    bool written = output.open(QIODevice::WriteOnly);
    for (int y = 0; written && y < image.height(); ++y) {
        const qint64 rowBytes = qint64(image.width()) * 4;
        written = output.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) == rowBytes;
    }
    if (!written || !output.commit()) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
