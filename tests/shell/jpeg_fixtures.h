#pragma once
// JPEG and bitmap files made by the tests themselves: encoded with libjpeg,
// or taken apart and patched to play a damaged or hostile file.

#include <QByteArray>
#include <QImage>

namespace mosarin::testing {

struct JpegOptions {
    int quality = 95;
    bool greyscale = false;
    bool progressive = false;
};

// `image` encoded as a JPEG stream.
QByteArray encodeJpeg(const QImage& image, const JpegOptions& options = {});

// `image` written by Qt as a Windows bitmap.
QByteArray encodeBmp(const QImage& image);

// A copy of `jpeg` whose frame header (SOF) claims the given size.
QByteArray withJpegSize(const QByteArray& jpeg, int width, int height);

// A copy of `jpeg` (progressive) with its last scan repeated `extra` more
// times before the end marker.
QByteArray withRepeatedLastScan(const QByteArray& jpeg, int extra);

// A copy of a Windows bitmap whose info header claims the given size.
QByteArray withBmpSize(const QByteArray& bmp, int width, int height);

// An image of two halves: left `left`, right `right`.
QImage twoHalves(int width, int height, QRgb left, QRgb right);

}  // namespace mosarin::testing
