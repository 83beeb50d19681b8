// The window's guide-image bitmaps, scaled and enlarged in place.
#include <gtest/gtest.h>

#include <QImage>

#include "editor/guide_bitmap.h"

namespace mosarin {
namespace {

// The window's two bitmaps, whose rows are padded (15 pixels: 45 bytes in 48):
// scaled from any source format, a selection enlarged from the image as
// shown, and nothing drawn when there is nothing to scale.
TEST(GuideBitmaps, ScaleAndEnlargeTheWindowsImagesInPlace) {
    QImage source(2, 2, QImage::Format_RGB32), scaled;
    source.fill(qRgb(255, 128, 2));
    source.setPixel(0, 0, qRgb(0, 0, 0));
    source.setPixel(0, 1, qRgb(0, 0, 0));
    scaleGuideImage(source, scaled, 15, 30);
    EXPECT_EQ(source.format(), QImage::Format_BGR888);
    ASSERT_EQ(scaled.size(), QSize(15, 30));
    EXPECT_EQ(scaled.pixel(0, 29), qRgb(0, 0, 0));
    EXPECT_EQ(scaled.pixel(14, 29), qRgb(238, 119, 1));  // 61167 / 65536 of the right-hand colour
    EXPECT_EQ(scaled.constScanLine(29)[14 * 3], 1);       // stored blue first

    const QImage shown = scaled;
    QImage black(15, 30, QImage::Format_BGR888);
    black.fill(Qt::black);
    enlargeGuideSelection(source, scaled, {0, 0, 1, 1});
    EXPECT_EQ(source, shown);
    EXPECT_EQ(scaled, black);
    enlargeGuideSelection(source, scaled, {14, 29, 14, 29});  // empty: the guide image stays as shown
    EXPECT_EQ(source, black);
    EXPECT_EQ(scaled, black);

    scaleGuideImage(source, scaled, 0, 30);
    EXPECT_TRUE(scaled.isNull());
    QImage none;
    scaleGuideImage(none, scaled, 600, 450);
    EXPECT_TRUE(scaled.isNull());
}

}  // namespace
}  // namespace mosarin
