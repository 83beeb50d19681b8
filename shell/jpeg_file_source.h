#pragma once
// A libjpeg data source that reads an open file in pieces as the decoder asks
// for them, so that no copy of the whole file is ever held. It behaves as the
// library's own in-memory source at the end of the data: an empty file is
// JERR_INPUT_EMPTY, and data that ends early is completed with an end marker
// after a warning.

#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace mosarin {

struct JpegFileSource {
    jpeg_source_mgr manager{};
    int descriptor = -1;
    // errno of a failed read; the decoder then stops with JERR_FILE_READ.
    int readError = 0;
    bool startOfFile = true;
    JOCTET buffer[64 * 1024]{};
};

// Makes `source` the data source of `info`. `source` must outlive the
// decoding; `descriptor` stays owned by the caller.
void useJpegFileSource(j_decompress_ptr info, JpegFileSource* source, int descriptor);

}  // namespace mosarin
