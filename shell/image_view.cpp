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

void ImageView::setFrame(const QImage& frame) {
    const QRect changed = changedArea(frame_, frame);
    if (changed.isEmpty()) return;
    if (changed.size() != frame.size() || !frame_.isDetached()) {
        // A first frame, a new size or format: a copy of its own.
        frame_ = frame.copy();
    } else {
        const qsizetype rowBytes = qsizetype(changed.width()) * 4;   // changedArea compares 32-bit frames only
        for (int y = changed.top(); y <= changed.bottom(); ++y) {
            std::memcpy(frame_.scanLine(y) + qsizetype(changed.left()) * 4,
                        frame.constScanLine(y) + qsizetype(changed.left()) * 4, size_t(rowBytes));
        }
    }
    update(changed);
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    // Beyond the frame (or before the first one) the control shows the
    // window's own background, as it would without a frame.
    const QRegion uncovered = QRegion(area) - QRegion(frame_.rect());
    for (const QRect& part : uncovered) painter.fillRect(part, palette().window());
    const QRect shown = area & frame_.rect();
    if (!shown.isEmpty()) painter.drawImage(shown.topLeft(), frame_, shown);
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
