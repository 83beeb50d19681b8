#include "shell/image_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>

#include "shell/changed_area.h"

namespace mosarin {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    // Moves without a button held drive the highlight of the row and column.
    setMouseTracking(true);
    // Every pixel is painted here, so the window need not fill its
    // background under the surface first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::showFrame(const QImage& frame, const QRect& changed) {
    if (&frame != shown_ || frame.size() != shownSize_) {
        update(QRect(QPoint(0, 0), shownSize_) | frame.rect());
    } else {
        const QRect area = changed & frame.rect();
        if (!area.isEmpty()) update(area);
    }
    shown_ = &frame;
    shownSize_ = frame.size();
}

void ImageView::setFrame(const QImage& frame) {
    const QRect changed = changedArea(copy_, frame);
    if (changed.isEmpty() && shown_ == &copy_) return;
    if (copy_.size() != frame.size() || copy_.format() != frame.format() || frame.depth() != 32 ||
        !copy_.isDetached()) {
        // A first frame, a new size or format: a copy of its own. So is a
        // frame of another depth than 32 bits, whose rows the part-copy
        // below would overrun.
        copy_ = frame.copy();
    } else {
        const qsizetype rowBytes = qsizetype(changed.width()) * 4;   // changedArea compares 32-bit frames only
        for (int y = changed.top(); y <= changed.bottom(); ++y) {
            std::memcpy(copy_.scanLine(y) + qsizetype(changed.left()) * 4,
                        frame.constScanLine(y) + qsizetype(changed.left()) * 4, size_t(rowBytes));
        }
    }
    showFrame(copy_, changed);
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    const QImage& shown = frame();
    // Beyond the frame (or before the first one) the control shows the
    // window's own background, as it would without a frame.
    const QRegion uncovered = QRegion(area) - QRegion(shown.rect());
    for (const QRect& part : uncovered) painter.fillRect(part, palette().window());
    const QRect drawn = area & shown.rect();
    // A plain copy: the frame is opaque, so nothing beneath it need be read.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!drawn.isEmpty()) painter.drawImage(drawn.topLeft(), shown, drawn);
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    if (onPress) {
        const QPoint at = event->position().toPoint();
        onPress(event->button(), at.x(), at.y());
    }
    event->accept();
}

// A double click is a second press like any other: a quick second click on a
// cell flips it again.
void ImageView::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) {
        const QPoint at = event->position().toPoint();
        onMove(at.x(), at.y());
    }
    event->accept();
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease();
    event->accept();
}

bool isOwnSurfacePress(const QWidget& window, const QPoint& at) { return window.childAt(at) == nullptr; }

}  // namespace mosarin
