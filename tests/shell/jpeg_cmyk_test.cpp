// CMYK and YCCK JPEG files, as print workflows and some cameras write them:
// libjpeg decodes them to CMYK and the program turns that into RGB, reading
// the ink inverted where the file carries Adobe's marker.
#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include "shell/jpeg_decoder.h"
#include "tests/shell/jpeg_fixtures.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

// Ink for a colour: cyan, magenta, yellow and black, each 0..255.
struct Ink {
    int c, m, y, k;
};

// A 32 x 16 JPEG, left half `left`, right half `right`, written by libjpeg
// in `space` (CMYK or YCCK). With Adobe's marker the ink is stored inverted.
QByteArray cmykJpeg(J_COLOR_SPACE space, bool adobe, Ink left, Ink right) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 32;
    info.image_height = 16;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, space);
    jpeg_set_quality(&info, 95, TRUE);
    info.write_Adobe_marker = adobe;
    jpeg_start_compress(&info, TRUE);
    unsigned char row[32 * 4];
    for (int x = 0; x < 32; ++x) {
        const Ink& ink = x < 16 ? left : right;
        const int values[4] = {ink.c, ink.m, ink.y, ink.k};
        for (int i = 0; i < 4; ++i) row[4 * x + i] = static_cast<unsigned char>(adobe ? 255 - values[i] : values[i]);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    jpeg_destroy_compress(&info);
    std::free(out);
    return bytes;
}

TEST(JpegCmyk, CmykAndYcckFilesShowTheirColoursInverseInkOrNot) {
    const Ink red{0, 255, 255, 0}, darkBlue{255, 255, 0, 128};
    const QRgb redRgb = qRgb(255, 0, 0), darkBlueRgb = qRgb(0, 0, 127);
    const struct {
        const char* name;
        J_COLOR_SPACE space;
        bool adobe;
    } cases[] = {
        {"CMYK with Adobe's marker (inverted)", JCS_CMYK, true},
        {"YCCK with Adobe's marker (inverted)", JCS_YCCK, true},
        {"CMYK without the marker", JCS_CMYK, false},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray jpeg = cmykJpeg(c.space, c.adobe, red, darkBlue);
        writeFile(folder / "cmyk.jpg", jpeg);
        const QImage images[] = {decodeJpeg(jpeg), decodeJpegFileBgr888(pathOf(folder / "cmyk.jpg"))};
        for (const QImage& image : images) {
            ASSERT_EQ(image.size(), QSize(32, 16));
            for (const auto& [x, expected] : {std::pair{4, redRgb}, std::pair{28, darkBlueRgb}}) {
                const QRgb got = image.pixel(x, 8);
                EXPECT_NEAR(qRed(got), qRed(expected), 6) << x;
                EXPECT_NEAR(qGreen(got), qGreen(expected), 6) << x;
                EXPECT_NEAR(qBlue(got), qBlue(expected), 6) << x;
            }
        }
    }
}

}  // namespace
}  // namespace mosarin::testing
