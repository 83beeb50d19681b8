#include "shell/surface_pixels.h"

#include <algorithm>
#include <cstring>

namespace mosarin {

namespace {
bool isPlain32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}
}  // namespace

void copyPixels(QImage& target, const QImage& source) {
    if (!isPlain32Bit(source.format())) {
        target = source.convertToFormat(QImage::Format_RGB32);
        return;
    }
    // A target still shared with the image control would first be copied
    // whole on write and then overwritten: take a fresh copy instead.
    if (target.size() != source.size() || target.format() != source.format() ||
        target.bytesPerLine() != source.bytesPerLine() || !target.isDetached()) {
        target = source.copy();
        return;
    }
    std::memcpy(target.bits(), source.constBits(), static_cast<size_t>(source.sizeInBytes()));
}

void fillBlock(QImage& image, int left, int top, int right, int bottom, QRgb pixel) {
    if (!isPlain32Bit(image.format())) return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, image.width());
    bottom = std::min(bottom, image.height());
    if (left >= right || top >= bottom) return;
    // bits() once: scanLine() checks for sharing on every call, which costs
    // more than filling the few pixels of a cell's row.
    const qsizetype stride = image.bytesPerLine();
    uchar* row = image.bits() + stride * top;
    for (int y = top; y < bottom; ++y, row += stride) {
        QRgb* line = reinterpret_cast<QRgb*>(row);
        std::fill(line + left, line + right, pixel);
    }
}

void fillRingedSquare(QImage& image, int left, int top, int size, QRgb ring, QRgb inner) {
    const int right = left + size, bottom = top + size;
    if (size <= 2) {
        fillBlock(image, left, top, right, bottom, ring);
        return;
    }
    fillBlock(image, left, top, right, top + 1, ring);
    fillBlock(image, left, bottom - 1, right, bottom, ring);
    fillBlock(image, left, top + 1, left + 1, bottom - 1, ring);
    fillBlock(image, right - 1, top + 1, right, bottom - 1, ring);
    fillBlock(image, left + 1, top + 1, right - 1, bottom - 1, inner);
}

}  // namespace mosarin
