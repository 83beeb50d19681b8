// Guide images read as Windows bitmaps, from any file: the loader either gives
// an image of the size its header claims or throws its message.
#include <QBuffer>
#include <QImageReader>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "picture/mosarin_error.h"
#include "shell/image_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Large bitmaps are legitimate and only slow the search down: the size
    // limit itself is covered by the unit tests.
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader header(&buffer, "bmp");
    header.setDecideFormatFromContent(false);
    const QSize claimed = header.size();
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > (qint64(1) << 20)) return 0;

    const auto file = mosarin::fuzz::writeScratchFile("guide.bmp", mosarin::fuzz::asText(data, size));
    try {
        const QImage image = mosarin::loadGuideImage(QString::fromStdString(file.string()));
        if (image.isNull() || image.format() != QImage::Format_BGR888) std::abort();
    } catch (const mosarin::MosarinError&) {
    }
    return 0;
}
