#include "shell/jpeg_file_source.h"

#include <jerror.h>
#include <unistd.h>

#include <cerrno>

namespace mosarin {

namespace {

JpegFileSource& sourceOf(j_decompress_ptr info) { return *reinterpret_cast<JpegFileSource*>(info->src); }

void startReading(j_decompress_ptr info) { sourceOf(info).startOfFile = true; }

boolean fillBuffer(j_decompress_ptr info) {
    JpegFileSource& source = sourceOf(info);
    ssize_t count;
    do {
        count = ::read(source.descriptor, source.buffer, sizeof source.buffer);
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        source.readError = errno;
        ERREXIT(info, JERR_FILE_READ);
    }
    if (count == 0) {
        if (source.startOfFile) ERREXIT(info, JERR_INPUT_EMPTY);
        // The data ended early: the rest of the picture comes out grey, as
        // the library does with data in memory.
        WARNMS(info, JWRN_JPEG_EOF);
        source.buffer[0] = 0xFF;
        source.buffer[1] = JPEG_EOI;
        count = 2;
    }
    source.manager.next_input_byte = source.buffer;
    source.manager.bytes_in_buffer = std::size_t(count);
    source.startOfFile = false;
    return TRUE;
}

void skipData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    jpeg_source_mgr& manager = sourceOf(info).manager;
    while (count > long(manager.bytes_in_buffer)) {
        count -= long(manager.bytes_in_buffer);
        fillBuffer(info);
    }
    manager.next_input_byte += count;
    manager.bytes_in_buffer -= std::size_t(count);
}

void stopReading(j_decompress_ptr) {}

}  // namespace

void useJpegFileSource(j_decompress_ptr info, JpegFileSource* source, int descriptor) {
    source->descriptor = descriptor;
    source->readError = 0;
    source->manager.init_source = startReading;
    source->manager.fill_input_buffer = fillBuffer;
    source->manager.skip_input_data = skipData;
    source->manager.resync_to_restart = jpeg_resync_to_restart;
    source->manager.term_source = stopReading;
    source->manager.next_input_byte = nullptr;
    source->manager.bytes_in_buffer = 0;
    info->src = &source->manager;
}

}  // namespace mosarin
