#include "shell/jpeg_decoder.h"

#include <unistd.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include "shell/app_info.h"
#include "shell/file_bytes.h"
#include "shell/image_files.h"
#include "shell/jpeg_file_source.h"
#include "shell/jpeg_scan_survey.h"
#include "shell/large_image.h"

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
    // Blocks visited by the scans begun so far, and how many may be.
    qint64 blockVisits = 0;
    qint64 blockVisitBudget = 0;
    int scansCounted = 0;
    // The stream: bytes in memory, or else a file read as it is decoded.
    const QByteArray* bytes = nullptr;
    int fileDescriptor = -1;
    JpegFileSource fileSource;
    // Stop once the header has been read and the size accepted.
    bool headerOnly = false;
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

qint64 blocksOf(const jpeg_component_info& component) {
    return qint64(component.width_in_blocks) * qint64(component.height_in_blocks);
}

// The budget is known once the frame header has been read.
void setWorkBudget(Decoder& decoder) {
    qint64 blocks = 0;
    for (int c = 0; c < decoder.info.num_components; ++c) blocks += blocksOf(decoder.info.comp_info[c]);
    decoder.blockVisitBudget = blocks * kMaxJpegBlockVisits;
}

// The library calls this before each row of blocks it reads, so a scan is
// counted when its first row is about to be decoded; one that would pass
// the limits stops the decoding there.
void limitScans(j_common_ptr common) {
    Decoder& decoder = decoderOf(common);
    const j_decompress_ptr info = &decoder.info;
    if (info->input_scan_number == decoder.scansCounted) return;
    decoder.scansCounted = info->input_scan_number;
    for (int c = 0; c < info->comps_in_scan; ++c) decoder.blockVisits += blocksOf(*info->cur_comp_info[c]);
    if (info->input_scan_number <= kMaxJpegScans && decoder.blockVisits <= decoder.blockVisitBudget) return;
    decoder.outcome = Outcome::TooManyScans;
    std::longjmp(decoder.jump, 1);
}

// A greyscale row comes out as indices into the quantiser's grey levels.
void copyGreyRow(const JSAMPLE* from, const JSAMPLE* levels, uchar* to, int width, QImage::Format format) {
    if (format == QImage::Format_BGR888) {
        for (int x = 0; x < width; ++x, to += 3) to[0] = to[1] = to[2] = levels[from[x]];
    } else {
        QRgb* pixels = reinterpret_cast<QRgb*>(to);
        for (int x = 0; x < width; ++x) pixels[x] = qRgb(levels[from[x]], levels[from[x]], levels[from[x]]);
    }
}

// Ink to light: one channel of a CMYK pixel as red, green or blue. Adobe's
// writers (Photoshop, most print workflows) store CMYK inverted, 255 meaning
// no ink, and mark the file with their APP14 segment; other files store ink.
inline uchar lightOf(int colour, int black, bool inverted) {
    if (!inverted) {
        colour = 255 - colour;
        black = 255 - black;
    }
    return uchar((colour * black + 127) / 255);
}

// A CMYK row (what libjpeg gives for CMYK and YCCK streams) as RGB.
void copyCmykRow(const JSAMPLE* from, uchar* to, int width, QImage::Format format, bool inverted) {
    for (int x = 0; x < width; ++x, from += 4) {
        const uchar red = lightOf(from[0], from[3], inverted), green = lightOf(from[1], from[3], inverted),
                    blue = lightOf(from[2], from[3], inverted);
        if (format == QImage::Format_BGR888) {
            to[3 * x] = blue;
            to[3 * x + 1] = green;
            to[3 * x + 2] = red;
        } else {
            reinterpret_cast<QRgb*>(to)[x] = qRgb(red, green, blue);
        }
    }
}

// Greyscale streams are quantised by the library to at most kJpegGreyLevels
// levels; colour streams come out as three bytes a pixel in the order the
// target image keeps them, so that BGR888 rows are written in place.
// QImage's RGB32 pixel as the library writes it: in this byte order the
// decoder fills the image's rows itself, with the fourth byte 0xFF, so no
// row is decoded aside and copied (a copy that touched every pixel twice).
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE kRgb32Space = JCS_EXT_ARGB;
#endif

void chooseOutput(j_decompress_ptr info, QImage::Format format) {
    if (info->num_components == 1) {
        info->quantize_colors = TRUE;
        info->desired_number_of_colors = kJpegGreyLevels;
    } else if (info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK) {
        // libjpeg turns neither into RGB itself; it gives CMYK, converted below.
        info->out_color_space = JCS_CMYK;
    } else {
        info->out_color_space = format == QImage::Format_BGR888 ? JCS_EXT_BGR : kRgb32Space;
    }
}

// The one frame that calls setjmp. A fatal error jumps back here from inside
// the library; no object with a destructor may be alive in this frame or in
// the frames jumped over, so the image is owned by the caller and every
// temporary ends within its statement.
void runDecoder(Decoder* decoder, QImage* image, QImage::Format format) {
    if (setjmp(decoder->jump) != 0) return;
    j_decompress_ptr info = &decoder->info;
    jpeg_create_decompress(info);
    info->mem->max_memory_to_use = kMaxDecoderMemory;
    decoder->progress.progress_monitor = limitScans;
    info->progress = &decoder->progress;

    if (decoder->bytes) {
        jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(decoder->bytes->constData()),
                     static_cast<unsigned long>(decoder->bytes->size()));
    } else {
        useJpegFileSource(info, &decoder->fileSource, decoder->fileDescriptor);
    }
    jpeg_read_header(info, TRUE);
    if (qint64(info->image_width) * qint64(info->image_height) > kMaxImagePixels) {
        decoder->outcome = Outcome::TooLarge;
        return;
    }
    if (decoder->headerOnly) return;
    setWorkBudget(*decoder);
    chooseOutput(info, format);
    jpeg_start_decompress(info);

    *image = newLargeImage(int(info->output_width), int(info->output_height), format);
    if (image->isNull()) {
        decoder->outcome = Outcome::OutOfMemory;
        return;
    }
    // RGB rows are decoded straight into the image; grey levels come out as
    // the quantiser's indices and CMYK as four bytes a pixel, both converted
    // row by row.
    const bool inPlace = !info->quantize_colors && info->out_color_space != JCS_CMYK;
    JSAMPARRAY row = inPlace ? nullptr
                             : (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                                          info->output_width * info->output_components, 1);
    while (info->output_scanline < info->output_height) {
        uchar* line = image->scanLine(int(info->output_scanline));
        JSAMPROW target[1] = {inPlace ? line : row[0]};
        if (jpeg_read_scanlines(info, target, 1) != 1) break;
        if (info->quantize_colors) {
            copyGreyRow(row[0], info->colormap[0], line, image->width(), format);
        } else if (info->out_color_space == JCS_CMYK) {
            copyCmykRow(row[0], line, image->width(), format, info->saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(info);
}

// The scans' work read from the markers before anything is decoded, so that
// a tiny stream asking for many passes over a large frame costs one quick
// read, not the decoding of the scans the budget allows. The decoder still
// counts scans as it goes (limitScans) for streams this survey cannot follow.
JpegScanSurvey surveyOf(const QByteArray* bytes, int descriptor) {
    JpegScanSurvey survey;
    if (bytes) {
        survey.feed(reinterpret_cast<const std::uint8_t*>(bytes->constData()), std::size_t(bytes->size()));
        return survey;
    }
    std::vector<std::uint8_t> buffer(std::size_t(64) * 1024);
    off_t offset = 0;
    while (!survey.finished()) {
        const ssize_t count = ::pread(descriptor, buffer.data(), buffer.size(), offset);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;   // a read error is reported by the decoder's own reading
        survey.feed(buffer.data(), std::size_t(count));
        offset += count;
    }
    return survey;
}

bool asksTooMuchWork(const JpegScanSurvey& survey) {
    // A frame too large is refused by the decoder with its own message.
    if (qint64(survey.frameWidth()) * survey.frameHeight() > kMaxImagePixels) return false;
    return survey.scans() > kMaxJpegScans || survey.blockVisits() > survey.frameBlocks() * kMaxJpegBlockVisits;
}

// Decodes from `bytes` or, when it is null, from the open file `descriptor`
// named `path`.
QImage decodeAs(const QByteArray* bytes, int descriptor, const QString& path, QImage::Format format,
               bool headerOnly = false) {
    if (asksTooMuchWork(surveyOf(bytes, descriptor))) throw MosarinError(QStringLiteral("JPEG image has too many scans"));
    auto decoder = std::make_unique<Decoder>();
    decoder->info.err = jpeg_std_error(&decoder->errors);
    decoder->errors.error_exit = stopOnError;
    decoder->errors.emit_message = ignoreMessage;
    decoder->errors.output_message = ignoreOutput;
    decoder->info.client_data = decoder.get();
    decoder->bytes = bytes;
    decoder->fileDescriptor = descriptor;
    decoder->headerOnly = headerOnly;

    QImage image;
    runDecoder(decoder.get(), &image, format);
    const unsigned width = decoder->info.image_width, height = decoder->info.image_height;
    jpeg_destroy_decompress(&decoder->info);

    switch (decoder->outcome) {
    case Outcome::Decoded: return image;
    case Outcome::LibraryError:
        if (decoder->fileSource.readError != 0) {
            throw MosarinError(cannotOpenMessage(path, decoder->fileSource.readError));
        }
        throw MosarinError(QString::asprintf("JPEG error #%d", decoder->messageCode));
    case Outcome::TooLarge:
        throw MosarinError(QString::asprintf("The JPEG image is too large: %u x %u pixels.", width, height));
    case Outcome::TooManyScans: throw MosarinError(QStringLiteral("JPEG image has too many scans"));
    case Outcome::OutOfMemory:
        throw MosarinError(QString::asprintf("Not enough memory for a %u x %u image", width, height));
    }
    return QImage();
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes) { return decodeAs(&bytes, -1, QString(), QImage::Format_RGB32); }

void checkJpegHeader(const QByteArray& bytes) { decodeAs(&bytes, -1, QString(), QImage::Format_RGB32, true); }

QImage decodeJpegFileBgr888(const QString& path) {
    const ReadableFile file(path);
    return decodeAs(nullptr, file.descriptor(), path, QImage::Format_BGR888);
}

}  // namespace mosarin
