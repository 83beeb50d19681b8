// The survey of a JPEG stream's scans, read from its markers: the frame's
// blocks as libjpeg itself lays them out, every scan header and the blocks it
// visits, wherever the bytes are cut, and nothing after the end of the image.
#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

#include "shell/jpeg_scan_survey.h"
#include "tests/shell/jpeg_fixtures.h"

namespace mosarin::testing {
namespace {

// The blocks libjpeg's own frame header reading gives the stream.
std::int64_t libjpegBlocks(const QByteArray& jpeg) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_calc_output_dimensions(&info);
    std::int64_t blocks = 0;
    for (int c = 0; c < info.num_components; ++c)
        blocks += std::int64_t(info.comp_info[c].width_in_blocks) * info.comp_info[c].height_in_blocks;
    jpeg_destroy_decompress(&info);
    return blocks;
}

JpegScanSurvey survey(const QByteArray& jpeg, std::size_t piece) {
    JpegScanSurvey result;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(jpeg.constData());
    for (std::size_t at = 0; at < std::size_t(jpeg.size()); at += piece)
        result.feed(bytes + at, std::min(piece, std::size_t(jpeg.size()) - at));
    return result;
}

TEST(JpegScanSurvey, CountsTheScansAndTheBlocksTheyVisit) {
    const QImage image = twoHalves(45, 21, qRgb(200, 30, 30), qRgb(20, 40, 220));
    const QByteArray baseline = encodeJpeg(image);
    const QByteArray progressive = encodeJpeg(image, {.progressive = true});
    const QByteArray grey = encodeJpeg(image, {.greyscale = true, .progressive = true});
    const int progressiveScans = int(progressive.count("\xFF\xDA"));
    ASSERT_GT(progressiveScans, 5);
    const struct {
        const char* name;
        QByteArray jpeg;
        int scans;
        std::int64_t visitsAtLeast, visitsAtMost;   // in frames' worth of blocks
    } cases[] = {
        {"baseline: one scan over every block", baseline, 1, 1, 1},
        {"progressive", progressive, progressiveScans, 2, 10},
        {"greyscale progressive", grey, int(grey.count("\xFF\xDA")), 2, 10},
        {"repeated last scan", withRepeatedLastScan(progressive, 40), progressiveScans + 40, 11, 60},
        // A second image after the end marker is not read.
        {"bytes after the end", baseline + progressive, 1, 1, 1},
    };
    for (const auto& c : cases) {
        const std::int64_t blocks = libjpegBlocks(c.jpeg);
        for (std::size_t piece : {std::size_t(1), std::size_t(7), std::size_t(c.jpeg.size())}) {
            const JpegScanSurvey s = survey(c.jpeg, piece);
            EXPECT_TRUE(s.finished()) << c.name << " in pieces of " << piece;
            EXPECT_EQ(s.frameWidth(), 45) << c.name;
            EXPECT_EQ(s.frameHeight(), 21) << c.name;
            EXPECT_EQ(s.frameBlocks(), blocks) << c.name << " in pieces of " << piece;
            EXPECT_EQ(s.scans(), c.scans) << c.name << " in pieces of " << piece;
            EXPECT_GE(s.blockVisits(), c.visitsAtLeast * blocks) << c.name;
            EXPECT_LE(s.blockVisits(), c.visitsAtMost * blocks) << c.name;
        }
    }
    // Not a stream: nothing is counted, and the survey stops at once.
    const JpegScanSurvey text = survey("hello, world\r\n", 3);
    EXPECT_TRUE(text.finished());
    EXPECT_EQ(text.scans(), 0);
    EXPECT_EQ(text.frameBlocks(), 0);
}

// The scans libjpeg itself reads from the stream (warnings ignored).
int libjpegScans(const QByteArray& jpeg) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);   // up to the first scan's header
    info.buffered_image = TRUE;
    jpeg_start_decompress(&info);
    int scans = 1;
    for (int status = jpeg_consume_input(&info); status != JPEG_REACHED_EOI && status != JPEG_SUSPENDED;
         status = jpeg_consume_input(&info)) {
        if (status == JPEG_REACHED_SOS) ++scans;
    }
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    return scans;
}

TEST(JpegScanSurvey, FollowsTheStreamAsLibjpegDoes) {
    const QByteArray progressive = encodeJpeg(twoHalves(45, 21, qRgb(200, 30, 30), qRgb(20, 40, 220)), {.progressive = true});
    QByteArray filled = progressive;
    // FF 00 between two segments is garbage to libjpeg, skipped with a warning.
    filled.replace(QByteArray("\xFF\xDA", 2), QByteArray("\xFF\x00\xFF\xDA", 4));
    ASSERT_GT(filled.size(), progressive.size());
    for (const QByteArray& jpeg : {progressive, filled}) {
        const int scans = libjpegScans(jpeg);
        ASSERT_GT(scans, 5);
        for (std::size_t piece : {std::size_t(1), std::size_t(jpeg.size())}) {
            EXPECT_EQ(survey(jpeg, piece).scans(), scans) << (jpeg == filled ? "filled" : "plain") << " in pieces of " << piece;
        }
    }
}

}  // namespace
}  // namespace mosarin::testing
