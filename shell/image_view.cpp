#include "shell/image_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace mosarin {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    // Moves without a button held drive the highlight of the row and column.
    setMouseTracking(true);
}

void ImageView::setFrame(const QImage& frame) {
    frame_ = frame;
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    if (frame_.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
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
