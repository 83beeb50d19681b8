#include "shell/window_icon.h"

#include <QImage>
#include <QPixmap>

namespace mosarin {

QIcon iconFromRgbaPixels(const unsigned char* pixels, qsizetype size) {
    constexpr qsizetype kRowBytes = qsizetype(kWindowIconSide) * 4;
    if (pixels == nullptr || size != kRowBytes * kWindowIconSide) return QIcon();
    // The pixmap copies the pixels (premultiplied, as a PNG's would be), so
    // the image may read them in place.
    const QImage image(pixels, kWindowIconSide, kWindowIconSide, kRowBytes, QImage::Format_RGBA8888);
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace mosarin
