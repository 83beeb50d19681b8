// The image control repaints only what changed between two frames, so that
// the controls lying over the surface are not repainted with every frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include "shell/changed_area.h"
#include "shell/frame_timer.h"
#include "shell/image_view.h"

namespace mosarin::testing {
namespace {

QImage frameOf(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QImage withPixels(QImage image, std::initializer_list<QPoint> points, QRgb colour) {
    for (const QPoint p : points) image.setPixel(p, colour);
    return image;
}

TEST(ChangedArea, IsTheSmallestRectangleHoldingEveryChangedPixel) {
    const QImage base = frameOf(40, 30, qRgb(9, 9, 9));
    const QRgb ink = qRgb(200, 10, 10);
    const struct {
        const char* name;
        QImage before, after;
        QRect expected;
    } cases[] = {
        {"equal frames", base, base.copy(), QRect()},
        {"one pixel", base, withPixels(base, {{7, 5}}, ink), QRect(7, 5, 1, 1)},
        {"corners", base, withPixels(base, {{0, 0}, {39, 29}}, ink), QRect(0, 0, 40, 30)},
        // The second row's change lies left of the first one's: found too.
        {"widened by a later row", base, withPixels(base, {{20, 3}, {30, 4}, {2, 9}}, ink), QRect(2, 3, 29, 7)},
        {"first frame", QImage(), base, QRect(0, 0, 40, 30)},
        {"larger frame", base, frameOf(50, 20, ink), QRect(0, 0, 50, 30)},
        {"other format", base, base.convertToFormat(QImage::Format_RGB888), QRect(0, 0, 40, 30)},
    };
    for (const auto& c : cases) EXPECT_EQ(changedArea(c.before, c.after), c.expected) << c.name;
}

// Counts the paint events a widget receives and the area they cover.
class PaintCounter final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted |= static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    void reset() {
        paints = 0;
        painted = QRegion();
    }
    int paints = 0;
    QRegion painted;
};

TEST(ImageView, RepaintsOnlyTheChangedPartAndLeavesControlsOverTheRestAlone) {
    QWidget window;
    window.resize(200, 100);
    auto* view = new ImageView(&window);
    view->setGeometry(0, 0, 200, 100);
    auto* button = new QPushButton(QStringLiteral("New Game"), &window);   // lies over the surface's right strip
    button->setGeometry(150, 20, 40, 30);
    PaintCounter viewPaints, buttonPaints;
    view->installEventFilter(&viewPaints);
    button->installEventFilter(&buttonPaints);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QImage frame = frameOf(200, 100, qRgb(20, 40, 60));
    view->setFrame(frame);
    QApplication::processEvents();
    const int buttonPaintsBefore = buttonPaints.paints;
    viewPaints.reset();

    // The next frame changes a rectangle away from the button.
    for (int y = 30; y < 60; ++y) {
        for (int x = 10; x < 70; ++x) frame.setPixel(x, y, qRgb(x, y, 200));
    }
    view->setFrame(frame);
    EXPECT_TRUE(frame.isDetached()) << "the caller's frame is not kept shared";
    QApplication::processEvents();
    EXPECT_EQ(viewPaints.painted, QRegion(10, 30, 60, 30));
    EXPECT_EQ(buttonPaints.paints, buttonPaintsBefore);
    EXPECT_EQ(view->frame(), frame) << "the control shows the whole new frame";
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, frame);

    // The same frame again asks for no paint at all.
    viewPaints.reset();
    view->setFrame(frame);
    QApplication::processEvents();
    EXPECT_EQ(viewPaints.paints, 0);
}

// A 24-bit frame shown again is copied whole: copying the changed part row
// by row assumes 4 bytes a pixel and would write past the end of the copy
// (a fault the sanitizer build reports).
TEST(ImageView, AFrameOfAnotherDepthIsCopiedWhole) {
    ImageView view;
    QImage frame = frameOf(200, 100, qRgb(20, 40, 60), QImage::Format_RGB888);
    view.setFrame(frame);
    frame.setPixel(199, 99, qRgb(250, 1, 2));
    view.setFrame(frame);
    EXPECT_EQ(view.frame(), frame);
}

// Told what changed, the control repaints exactly that, straight from the
// caller's frame as it stands; another image is repainted whole.
TEST(ImageView, ShowsTheCallersFrameRepaintingExactlyTheAreaItIsTold) {
    QWidget window;
    window.resize(200, 100);
    auto* view = new ImageView(&window);
    view->setGeometry(0, 0, 200, 100);
    PaintCounter paints;
    view->installEventFilter(&paints);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QImage frame = frameOf(200, 100, qRgb(20, 40, 60));
    view->showFrame(frame, QRect());
    QApplication::processEvents();
    EXPECT_EQ(paints.painted, QRegion(0, 0, 200, 100)) << "a first frame is painted whole";

    paints.reset();
    for (int y = 30; y < 60; ++y) {
        for (int x = 10; x < 70; ++x) frame.setPixel(x, y, qRgb(x, y, 200));
    }
    view->showFrame(frame, QRect(10, 30, 60, 30));
    QApplication::processEvents();
    EXPECT_EQ(paints.painted, QRegion(10, 30, 60, 30));
    EXPECT_EQ(view->frame().constBits(), frame.constBits()) << "no copy of its own";
    EXPECT_EQ(view->grab().toImage().convertToFormat(QImage::Format_RGB32), frame);

    paints.reset();
    const QImage other = frameOf(200, 100, qRgb(90, 10, 10));
    view->showFrame(other, QRect(0, 0, 1, 1));
    QApplication::processEvents();
    EXPECT_EQ(paints.painted, QRegion(0, 0, 200, 100));
    EXPECT_EQ(view->grab().toImage().convertToFormat(QImage::Format_RGB32), other);
}

TEST(FrameTimer, RunsExactlyWhileAFrameIsDue) {
    const struct {
        bool runningBefore, due, runningAfter;
    } cases[] = {{false, false, false}, {false, true, true}, {true, false, false}, {true, true, true}};
    for (const auto& c : cases) {
        QTimer timer;
        timer.setInterval(40);
        if (c.runningBefore) timer.start();
        bool due = c.due;
        FrameTimer(timer, [&] { return due; }).settle();
        EXPECT_EQ(timer.isActive(), c.runningAfter) << c.runningBefore << " " << c.due;
        EXPECT_EQ(timer.interval(), 40);
    }
}

}  // namespace
}  // namespace mosarin::testing
