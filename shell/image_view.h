#pragma once
// A window's image control: shows the last composed frame unscaled from its
// top-left corner and reports the mouse to whoever owns it. It never draws
// anything of its own, so every pixel the user sees came from a frame.

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>

namespace mosarin {

class ImageView final : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    // Shows `frame`, which stays the caller's: the control paints straight
    // from it, with no copy of its own, so a paint always shows the frame
    // as it stands. `changed` holds every pixel that differs from the frame
    // shown before (the composer knows what it drew); only that part is
    // repainted, and the controls lying over the rest of the surface are
    // left alone. Another image, or a new size, is repainted whole.
    // Precondition: `frame` outlives the control, or another frame is
    // shown in its place first.
    void showFrame(const QImage& frame, const QRect& changed);
    // Shows a copy of `frame`, for a caller that does not say what changed:
    // only the part that differs from the frame shown before is copied and
    // repainted, and the caller's image stays unshared, so composing the
    // next frame into it costs no fresh allocation.
    void setFrame(const QImage& frame);
    // The frame on show (a null image before the first one).
    const QImage& frame() const { return shown_ != nullptr ? *shown_ : copy_; }

    // Called with the pressed button and the point in the control's pixels.
    std::function<void(Qt::MouseButton, int, int)> onPress;
    // Called for every pointer move, with or without a button held.
    std::function<void(int, int)> onMove;
    std::function<void()> onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* shown_ = nullptr;   // the frame painted from
    QSize shownSize_;                 // its size when it was last shown
    QImage copy_;                     // what setFrame shows
};

// A window that treats presses on itself as presses on its surface gets, as
// well, the presses its child controls do not take (a label, a panel's empty
// area), passed up in the window's coordinates. Only a press with no child
// under the pointer is one on the window's own surface.
bool isOwnSurfacePress(const QWidget& window, const QPoint& at);

}  // namespace mosarin
