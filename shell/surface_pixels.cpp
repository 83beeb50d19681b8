#include "shell/surface_pixels.h"

#include <algorithm>
#include <cstring>

namespace mosarin {

namespace {
bool isPlain32Bit(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32;
}

// std::fill over a few dozen pixels compiles to one store a pixel; eight
// at a time in a loop of fixed length the compiler writes with its widest
// stores.
void fillPixels(QRgb* from, QRgb* to, QRgb pixel) {
    for (; to - from >= 8; from += 8) {
        for (int k = 0; k < 8; ++k) from[k] = pixel;
    }
    for (; from < to; ++from) *from = pixel;
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
        fillPixels(line + left, line + right, pixel);
    }
}

void fillFrame(QImage& image, int left, int top, int size, int thickness, QRgb pixel) {
    const int right = left + size, bottom = top + size;
    thickness = std::min(thickness, (size + 1) / 2);
    fillBlock(image, left, top, right, top + thickness, pixel);
    fillBlock(image, left, bottom - thickness, right, bottom, pixel);
    fillBlock(image, left, top + thickness, left + thickness, bottom - thickness, pixel);
    fillBlock(image, right - thickness, top + thickness, right, bottom - thickness, pixel);
}

void fillSquaresAlong(QImage& image, int left, int top, int pitch, int size, std::span<const QRgb> colors) {
    if (!isPlain32Bit(image.format()) || size <= 0) return;
    const int firstY = std::max(top, 0), endY = std::min(top + size, image.height());
    if (firstY >= endY) return;
    const int width = image.width();
    const qsizetype stride = image.bytesPerLine();
    uchar* row = image.bits() + stride * firstY;
    for (int y = firstY; y < endY; ++y, row += stride) {
        QRgb* line = reinterpret_cast<QRgb*>(row);
        for (size_t i = 0; i < colors.size(); ++i) {
            if (colors[i] == 0) continue;
            const int x = left + int(i) * pitch;
            const int from = std::max(x, 0), to = std::min(x + size, width);
            if (from < to) fillPixels(line + from, line + to, colors[i]);
        }
    }
}

}  // namespace mosarin
