#pragma once
// Image files made by the tests themselves: JPEG and bitmap streams written
// by Qt, copies patched to play damaged or hostile files, and what a loader
// makes of them.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <filesystem>
#include <string>

namespace mosarin::testing {

using ImageLoader = QImage (*)(const QString&);

struct JpegOptions {
    bool greyscale = false;  // one component
    bool progressive = false;
};

QByteArray encodeJpeg(const QImage& image, JpegOptions options = {});
QByteArray encodeBmp(const QImage& image);

// A copy of `jpeg` whose frame header claims the given size.
QByteArray withJpegSize(const QByteArray& jpeg, int width, int height);
// A copy of a progressive `jpeg` with its last scan repeated `extra` more times.
QByteArray withRepeatedLastScan(const QByteArray& jpeg, int extra);
// A copy of a Windows bitmap whose info header claims the given size.
QByteArray withBmpSize(const QByteArray& bmp, int width, int height);

// An image of two halves: left `left`, right `right`.
QImage twoHalves(int width, int height, QRgb left, QRgb right);

QString pathOf(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const QByteArray& bytes);
// The message `load` throws for the file, or "" when it loads.
std::string failureOfFile(ImageLoader load, const QString& path);
// The same for a file named .jpg in a fresh folder holding `bytes`.
std::string failureOfBytes(ImageLoader load, const QByteArray& bytes);

}  // namespace mosarin::testing
