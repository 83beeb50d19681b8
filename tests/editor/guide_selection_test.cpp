// The resize selection on the editor board, press by press and move by move.
#include <gtest/gtest.h>

#include <QImage>

#include "editor/guide_bitmap.h"
#include "editor/guide_selection.h"

namespace mosarin {
namespace {

TEST(ResizeSelection, FirstCornerOnTheBoardThenOnlyRightOfAndBelowIt) {
    enum Action { Press, Move };
    struct Step {
        Action action;
        int x, y;
        int expected;  // a ResizePress for a press, whether the corner moved for a move
        ResizeSelection after;
    };
    const ResizeSelection unset;
    // On a 40 x 30 board: 600 x 450 pixels from (20, 20).
    const Step steps[] = {
        {Move, 100, 100, false, unset},
        {Press, 19, 60, int(ResizePress::Ignored), unset},
        {Press, 50, 470, int(ResizePress::Ignored), unset},
        {Press, 620, 60, int(ResizePress::Ignored), unset},
        {Press, 50, 60, int(ResizePress::CornerSet), {30, 40, 30, 40}},
        {Move, 49, 120, false, {30, 40, 30, 40}},   // left of the first corner
        {Move, 50, 120, false, {30, 40, 30, 40}},   // on its column
        {Move, 220, 60, false, {30, 40, 30, 40}},   // on its row
        {Move, 220, 120, true, {30, 40, 200, 100}},
        {Move, 620, 200, false, {30, 40, 200, 100}},  // right of the board
        {Move, 619, 469, true, {30, 40, 599, 449}},
        {Move, 100, 470, false, {30, 40, 599, 449}},  // below the board
        {Press, 5, 5, int(ResizePress::Finish), {30, 40, 599, 449}},
    };
    ResizeSelection selection;
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << (step.action == Press ? "press " : "move ") << step.x << "," << step.y);
        const int result = step.action == Press ? int(pressResizeSelection(selection, step.x, step.y, 40, 30))
                                                : int(moveResizeSelection(selection, step.x, step.y, 40, 30));
        EXPECT_EQ(result, step.expected);
        EXPECT_TRUE(selection == step.after) << selection.selStartX << "," << selection.selStartY << " "
                                             << selection.selEndX << "," << selection.selEndY;
    }
    EXPECT_EQ(selection.rect().width(), 569);
    EXPECT_EQ(selection.rect().height(), 409);
}

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
