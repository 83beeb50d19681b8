// The marker survey against libjpeg itself: for any stream libjpeg reads to
// its end without a fatal error, the survey must not count a scan libjpeg
// did not read, since the survey's count is what refuses a file ("JPEG image
// has too many scans") before decoding. Fewer is allowed: where the survey
// cannot follow a stream, the decoder's own count while decoding takes over.
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include "shell/jpeg_scan_survey.h"

namespace {

struct Reader {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    std::jmp_buf jump;
};

void stopReading(j_common_ptr info) { std::longjmp(static_cast<Reader*>(info->client_data)->jump, 1); }
void quiet(j_common_ptr, int) {}

// The scans libjpeg reads to the end of the image, or -1 when it stops on a
// fatal error or the frame is over a megapixel (large frames only slow the
// search; their limits are the unit tests'). No object with a destructor
// lives in this frame: the error handler jumps back into it.
int libjpegScans(Reader* reader, const std::uint8_t* data, std::size_t size) {
    jpeg_decompress_struct* info = &reader->info;
    volatile int scans = -1;
    if (setjmp(reader->jump) != 0) return -1;
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    if (static_cast<std::uint64_t>(info->image_width) * info->image_height > (1u << 20)) return -1;
    info->buffered_image = TRUE;
    jpeg_start_decompress(info);
    scans = 1;   // the header reading stopped at the first scan's header
    for (;;) {
        const int status = jpeg_consume_input(info);
        if (status == JPEG_REACHED_SOS) scans = scans + 1;
        if (status == JPEG_REACHED_EOI) return scans;
        if (status == JPEG_SUSPENDED) return -1;   // the data ended first
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    auto* reader = static_cast<Reader*>(std::calloc(1, sizeof(Reader)));
    reader->info.err = jpeg_std_error(&reader->errors);
    reader->errors.error_exit = stopReading;
    reader->errors.emit_message = quiet;
    reader->info.client_data = reader;
    jpeg_create_decompress(&reader->info);
    const int read = libjpegScans(reader, data, size);
    jpeg_destroy_decompress(&reader->info);
    std::free(reader);
    if (read < 0) return 0;

    mosarin::JpegScanSurvey survey;
    survey.feed(data, size);
    if (survey.scans() > read) {
        std::fprintf(stderr, "the survey counted %d scans, libjpeg read %d\n", survey.scans(), read);
        std::abort();
    }
    return 0;
}
