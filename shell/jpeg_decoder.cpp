#include "shell/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "shell/app_info.h"

namespace mosarin {

namespace {

// libjpeg's memory pools may use this much; above it the library reports an
// error instead of asking the system for more.
constexpr long kMaxDecoderMemory = 1024L * 1024 * 1024;

enum class Outcome { Decoded, LibraryError, TooLarge, TooManyScans, OutOfMemory };

// Everything the library and its callbacks share. It lives on the heap,
// outside the frame that calls setjmp, so nothing it holds is left
// indeterminate by a jump back.
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    Outcome outcome = Outcome::Decoded;
    int messageCode = 0;
};

Decoder& decoderOf(j_common_ptr info) { return *static_cast<Decoder*>(info->client_data); }

// A fatal error: remember libjpeg's message code and leave the library.
void stopOnError(j_common_ptr info) {
    Decoder& decoder = decoderOf(info);
    decoder.outcome = Outcome::LibraryError;
    decoder.messageCode = info->err->msg_code;
    std::longjmp(decoder.jump, 1);
}

// Warnings and trace messages are of no interest to the user.
void ignoreMessage(j_common_ptr, int) {}
void ignoreOutput(j_common_ptr) {}

void limitScans(j_common_ptr info) {
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number <= kMaxJpegScans) return;
    Decoder& decoder = decoderOf(info);
    decoder.outcome = Outcome::TooManyScans;
    std::longjmp(decoder.jump, 1);
}

void copyRgbRow(const JSAMPLE* from, QRgb* to, int width) {
    for (int x = 0; x < width; ++x, from += 3) to[x] = qRgb(from[0], from[1], from[2]);
}

// The one frame that calls setjmp. A fatal error jumps back here from inside
// the library; no object with a destructor may be alive in this frame or in
// the frames jumped over, so the image is owned by the caller and every
// temporary ends within its statement.
void runDecoder(Decoder* decoder, const QByteArray* bytes, QImage* image) {
    if (setjmp(decoder->jump) != 0) return;
    j_decompress_ptr info = &decoder->info;
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = kMaxDecoderMemory;
    decoder->progress.progress_monitor = limitScans;
    info->progress = &decoder->progress;

    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes->constData()),
                 static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(info, TRUE);
    if (qint64(info->image_width) * qint64(info->image_height) > kMaxImagePixels) {
        decoder->outcome = Outcome::TooLarge;
        return;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);

    *image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB32);
    if (image->isNull()) {
        decoder->outcome = Outcome::OutOfMemory;
        return;
    }
    JSAMPARRAY row = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                info->output_width * 3, 1);
    while (info->output_scanline < info->output_height) {
        const int y = int(info->output_scanline);
        if (jpeg_read_scanlines(info, row, 1) != 1) break;
        copyRgbRow(row[0], reinterpret_cast<QRgb*>(image->scanLine(y)), image->width());
    }
    jpeg_finish_decompress(info);
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes) {
    auto decoder = std::make_unique<Decoder>();
    decoder->info.err = jpeg_std_error(&decoder->errors);
    decoder->errors.error_exit = stopOnError;
    decoder->errors.emit_message = ignoreMessage;
    decoder->errors.output_message = ignoreOutput;
    decoder->info.client_data = decoder.get();

    QImage image;
    runDecoder(decoder.get(), &bytes, &image);
    const unsigned width = decoder->info.image_width, height = decoder->info.image_height;
    jpeg_destroy_decompress(&decoder->info);

    switch (decoder->outcome) {
    case Outcome::Decoded: return image;
    case Outcome::LibraryError: throw MosarinError(QString::asprintf("JPEG error #%d", decoder->messageCode));
    case Outcome::TooLarge: throw MosarinError(QString::asprintf("JPEG image too large (%u x %u)", width, height));
    case Outcome::TooManyScans: throw MosarinError(QStringLiteral("JPEG image has too many scans"));
    case Outcome::OutOfMemory:
        throw MosarinError(QString::asprintf("Not enough memory for a %u x %u image", width, height));
    }
    return QImage();
}

}  // namespace mosarin
