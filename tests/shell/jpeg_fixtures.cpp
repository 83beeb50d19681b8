#include "tests/shell/jpeg_fixtures.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>
#include <stdexcept>

#include "shell/app_info.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {

namespace {

QByteArray written(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image)) throw std::runtime_error("cannot write " + writer.errorString().toStdString());
    return bytes;
}

// Where the frame header (SOF0 or, progressive, SOF2) starts. The writer puts
// nothing before it that could look like one: quantisation values at this
// quality are far below 0xFF.
qsizetype frameHeader(const QByteArray& jpeg) {
    const qsizetype baseline = jpeg.indexOf("\xFF\xC0");
    return baseline >= 0 ? baseline : jpeg.indexOf("\xFF\xC2");
}

}  // namespace

QByteArray encodeJpeg(const QImage& image, JpegOptions options) {
    const QImage source = options.greyscale ? image.convertToFormat(QImage::Format_Grayscale8) : image;
    const QByteArray jpeg = written(source, "jpeg", options.progressive);
    // The frame header's component count, after length, precision and sizes.
    if (uchar(jpeg[frameHeader(jpeg) + 9]) != (options.greyscale ? 1 : 3)) throw std::runtime_error("wrong components");
    return jpeg;
}

QByteArray encodeBmp(const QImage& image) { return written(image, "bmp"); }

QByteArray withJpegSize(const QByteArray& jpeg, int width, int height) {
    QByteArray patched = jpeg;
    // After the marker: length (2), precision (1), height (2), width (2).
    qToBigEndian(quint16(height), patched.data() + frameHeader(jpeg) + 5);
    qToBigEndian(quint16(width), patched.data() + frameHeader(jpeg) + 7);
    return patched;
}

QByteArray withRepeatedLastScan(const QByteArray& jpeg, int extra) {
    // A scan runs from its marker (FF DA) to the next marker; coded data never
    // holds one, as every FF in it is stuffed. The last scan ends at the end marker.
    const qsizetype last = jpeg.lastIndexOf("\xFF\xDA"), end = jpeg.size() - 2;
    return jpeg.left(end) + jpeg.mid(last, end - last).repeated(extra) + jpeg.right(2);
}

QByteArray withBmpSize(const QByteArray& bmp, int width, int height) {
    QByteArray patched = bmp;
    // The 14-byte file header, then the info header: its own size, width, height.
    qToLittleEndian(qint32(width), patched.data() + 18);
    qToLittleEndian(qint32(height), patched.data() + 22);
    return patched;
}

QImage twoHalves(int width, int height, QRgb left, QRgb right) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < height; ++y) std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), width / 2, left);
    return image;
}

QString pathOf(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

void writeFile(const std::filesystem::path& path, const QByteArray& bytes) {
    writeBytes(path, std::string_view(bytes.constData(), size_t(bytes.size())));
}

std::string failureOfFile(ImageLoader load, const QString& path) {
    try {
        load(path);
    } catch (const MosarinError& e) {
        return e.what();
    }
    return "";
}

std::string failureOfBytes(ImageLoader load, const QByteArray& bytes) {
    TempFolder folder;
    writeFile(folder / "picture.jpg", bytes);
    return failureOfFile(load, pathOf(folder / "picture.jpg"));
}

}  // namespace mosarin::testing
