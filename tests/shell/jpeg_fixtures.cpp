#include "tests/shell/jpeg_fixtures.h"

#include <QBuffer>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>
#include <jpeglib.h>

namespace mosarin::testing {

namespace {

int findMarker(const QByteArray& jpeg, int from, auto isWanted) {
    // Walks the marker segments up to the first scan's data.
    for (int at = from; at + 3 < jpeg.size();) {
        if (uchar(jpeg[at]) != 0xFF) throw std::runtime_error("not at a marker");
        const uchar marker = uchar(jpeg[at + 1]);
        if (isWanted(marker)) return at;
        if (marker == 0xD8) {
            at += 2;
            continue;
        }
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        at += 2 + length;
    }
    throw std::runtime_error("marker not found");
}

void putBigEndian16(QByteArray& bytes, int at, int value) {
    bytes[at] = char((value >> 8) & 0xFF);
    bytes[at + 1] = char(value & 0xFF);
}

void putLittleEndian32(QByteArray& bytes, int at, qint32 value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char((quint32(value) >> (8 * i)) & 0xFF);
}

}  // namespace

QByteArray encodeJpeg(const QImage& image, const JpegOptions& options) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    jpeg_mem_dest(&info, &output, &outputSize);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = options.greyscale ? 1 : 3;
    info.in_color_space = options.greyscale ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, options.quality, TRUE);
    if (options.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(rgb.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const uchar* source = rgb.constScanLine(int(info.next_scanline));
        for (int x = 0; x < rgb.width(); ++x) {
            if (options.greyscale) {
                row[size_t(x)] = source[3 * x];  // the red channel stands for the grey level
            } else {
                for (int c = 0; c < 3; ++c) row[size_t(3 * x + c)] = source[3 * x + c];
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(output), qsizetype(outputSize));
    jpeg_destroy_compress(&info);
    std::free(output);
    return bytes;
}

QByteArray encodeBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) throw std::runtime_error("cannot write a bitmap");
    return bytes;
}

QByteArray withJpegSize(const QByteArray& jpeg, int width, int height) {
    QByteArray patched = jpeg;
    // Baseline (C0), extended (C1) or progressive (C2) frame header:
    // length (2), precision (1), height (2), width (2).
    const int frame = findMarker(jpeg, 0, [](uchar m) { return m == 0xC0 || m == 0xC1 || m == 0xC2; });
    putBigEndian16(patched, frame + 5, height);
    putBigEndian16(patched, frame + 7, width);
    return patched;
}

QByteArray withRepeatedLastScan(const QByteArray& jpeg, int extra) {
    // Scans start at SOS (FF DA); the entropy-coded data after each runs to
    // the next marker that is neither a stuffed FF 00 nor a restart marker.
    int lastScan = -1;
    for (int at = 0; at + 1 < jpeg.size(); ++at) {
        if (uchar(jpeg[at]) == 0xFF && uchar(jpeg[at + 1]) == 0xDA) lastScan = at;
    }
    const int end = int(jpeg.size()) - 2;  // the end marker FF D9
    if (lastScan < 0 || uchar(jpeg[end]) != 0xFF || uchar(jpeg[end + 1]) != 0xD9) {
        throw std::runtime_error("not a complete progressive stream");
    }
    const QByteArray scan = jpeg.mid(lastScan, end - lastScan);
    QByteArray out = jpeg.left(end);
    for (int i = 0; i < extra; ++i) out += scan;
    out += jpeg.right(2);
    return out;
}

QByteArray withBmpSize(const QByteArray& bmp, int width, int height) {
    QByteArray patched = bmp;
    // BITMAPFILEHEADER is 14 bytes; BITMAPINFOHEADER then holds its own size,
    // the width and the height.
    putLittleEndian32(patched, 18, width);
    putLittleEndian32(patched, 22, height);
    return patched;
}

QImage twoHalves(int width, int height, QRgb left, QRgb right) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, x < width / 2 ? left : right);
    }
    return image;
}

}  // namespace mosarin::testing
