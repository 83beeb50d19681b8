#include "shell/image_files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <cstring>
#include <limits>

#include "shell/app_info.h"
#include "shell/file_bytes.h"
#include "shell/jpeg_decoder.h"

namespace mosarin {

namespace {

// The system's wording ends in all manner of ways; the message supplies its own.
QString trimmedReason(int systemError) {
    QString reason = QString::fromLocal8Bit(std::strerror(systemError));
    while (!reason.isEmpty()) {
        const QChar last = reason.back();
        if (last != u' ' && last != u'\r' && last != u'\n' && last != u'.') break;
        reason.chop(1);
    }
    return reason;
}

[[noreturn]] void failBitmap() { throw MosarinError(QStringLiteral("Bitmap image is not valid")); }

// The header is read first, so a bitmap claiming a huge size is refused
// before its pixels are allocated.
void checkHeader(QImageReader& reader) {
    // A bitmap stored top row first has a negative height field, which
    // Qt's reader reports as it stands; the image itself is as tall.
    QSize size = reader.size();
    if (size.height() < 0 && size.height() != std::numeric_limits<int>::min()) size.setHeight(-size.height());
    if (!size.isValid() || size.isEmpty()) failBitmap();
    if (qint64(size.width()) * qint64(size.height()) > kMaxImagePixels) {
        throw MosarinError(QString::asprintf("The bitmap image is too large: %d x %d pixels.", size.width(),
                                             size.height()));
    }
}

// A Windows bitmap as Qt's reader gives it, the format forced to BMP; or,
// with `headerOnly`, nothing once its header has passed.
QImage readBitmap(QByteArray bytes, bool headerOnly = false) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    // Qt's own reader, asked for by name: with guessing on, the reader loads
    // every image-format plugin to ask whether one claims "bmp" (none does),
    // and they stayed loaded, some 120 KB, from the start-up check on.
    reader.setAutoDetectImageFormat(false);
    checkHeader(reader);
    if (headerOnly) return QImage();
    QImage image;
    if (!reader.read(&image) || image.isNull()) failBitmap();
    return image;
}

}  // namespace

QString cannotOpenMessage(const QString& path, int systemError) {
    return QStringLiteral("Cannot open file \"%1\". %2")
        .arg(QFileInfo(path).absoluteFilePath(), trimmedReason(systemError));
}

QImage loadJpegFile(const QString& path) { return decodeJpeg(readWholeFile(path)); }

QImage loadBmpFile(const QString& path) { return decodeBmp(readWholeFile(path)); }

QImage decodeBmp(const QByteArray& bytes) { return readBitmap(bytes).convertToFormat(QImage::Format_RGB32); }

void checkBmpHeader(const QByteArray& bytes) { readBitmap(bytes, true); }

bool namesJpegFile(const QString& path) {
    QString ending = path.right(3);
    for (QChar& c : ending) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return ending == QLatin1String("JPG");
}

QImage loadGuideImage(const QString& path) {
    if (namesJpegFile(path)) return decodeJpegFileBgr888(path);
    return readBitmap(readWholeFile(path)).convertToFormat(QImage::Format_BGR888);
}

}  // namespace mosarin
