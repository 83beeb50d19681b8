#pragma once
// The guide image's pixel rules applied to the editor window's two bitmaps,
// `guideSource` and `guideScaled`, kept as QImages in Format_BGR888 so that
// the rules read and write their rows in place, without copies.

#include <QImage>

#include "editor/guide_image.h"

namespace mosarin {

// A view of a Format_BGR888 image's rows; a null image gives an empty view.
inline Bgr24ConstView bgr24View(const QImage& image) {
    if (image.isNull() || image.format() != QImage::Format_BGR888) return {};
    return {image.constBits(), image.width(), image.height(), image.bytesPerLine()};
}

// The same for writing; the image gets rows of its own first if it shares them.
inline Bgr24View writableBgr24View(QImage& image) {
    if (image.isNull() || image.format() != QImage::Format_BGR888) return {};
    return {image.bits(), image.width(), image.height(), image.bytesPerLine()};
}

// The window's ResizeImage: `source` becomes its 24-bit self (untouched when
// it already is) and `scaled` the picture scaled to `width` x `height`.
// With nothing to scale (an empty source, or a board of no pixels) `scaled`
// becomes a null image, which draws nothing.
inline void scaleGuideImage(QImage& source, QImage& scaled, int width, int height) {
    if (!source.isNull() && source.format() != QImage::Format_BGR888) {
        source = source.convertToFormat(QImage::Format_BGR888);
    }
    if (source.isNull() || width <= 0 || height <= 0) {
        scaled = QImage();
        return;
    }
    scaled = QImage(width, height, QImage::Format_BGR888);
    if (!ResizeImage(bgr24View(source), writableBgr24View(scaled))) scaled = QImage();
}

// finredim's pixels: `source` becomes the guide image as shown, and the
// selected rectangle of it is stretched over the whole of `scaled`, which
// keeps its size. An empty selection leaves `scaled` as it was.
inline void enlargeGuideSelection(QImage& source, QImage& scaled, PixelRect selection) {
    source = scaled;  // shares the rows; writing `scaled` below gives it its own
    Bgr24View target = writableBgr24View(scaled);
    enlargeSelection(bgr24View(source), selection, target);
}

}  // namespace mosarin
