// JPEG decoding through our two entries, from memory (RGB32) and from a file
// read in pieces (BGR888, the guide image's path): any stream either decodes
// or throws, and both entries give the same pixels or the same message.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "picture/mosarin_error.h"
#include "shell/jpeg_decoder.h"

namespace {

// Whether any frame header in the stream claims more than a megapixel. Large
// images are legitimate and only slow the search down; their limits are
// covered by the unit tests.
bool claimsLargeFrame(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i + 8 < size; ++i) {
        if (data[i] != 0xFF) continue;
        const std::uint8_t marker = data[i + 1];
        if (marker < 0xC0 || marker > 0xCF || marker == 0xC4 || marker == 0xC8 || marker == 0xCC) continue;
        const long height = data[i + 5] << 8 | data[i + 6], width = data[i + 7] << 8 | data[i + 8];
        if (height * width > (1L << 20)) return true;
    }
    return false;
}

std::string decodeOrMessage(const std::uint8_t* data, std::size_t size, QImage& image, bool fromFile) {
    try {
        if (fromFile) {
            const auto file = mosarin::fuzz::writeScratchFile("guide.jpg", mosarin::fuzz::asText(data, size));
            image = mosarin::decodeJpegFileBgr888(QString::fromStdString(file.string()));
        } else {
            image = mosarin::decodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        }
        return {};
    } catch (const mosarin::MosarinError& error) {
        return error.what();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (claimsLargeFrame(data, size)) return 0;
    QImage inMemory, fromFile;
    const std::string memoryMessage = decodeOrMessage(data, size, inMemory, false);
    const std::string fileMessage = decodeOrMessage(data, size, fromFile, true);
    if (memoryMessage != fileMessage) std::abort();
    if (!memoryMessage.empty()) return 0;
    if (inMemory.isNull() || inMemory.convertToFormat(QImage::Format_BGR888) != fromFile) std::abort();
    return 0;
}
