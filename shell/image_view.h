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

    // Shows `frame` at the next paint. Only the part that differs from the
    // frame shown before is taken over into the control's own copy and
    // repainted: the controls lying over the rest of the surface are left
    // alone, and the caller's image stays unshared, so composing the next
    // frame into it costs no fresh allocation.
    void setFrame(const QImage& frame);
    // The frame on show.
    const QImage& frame() const { return frame_; }

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
    QImage frame_;
};

// A window that treats presses on itself as presses on its surface gets, as
// well, the presses its child controls do not take (a label, a panel's empty
// area), passed up in the window's coordinates. Only a press with no child
// under the pointer is one on the window's own surface.
bool isOwnSurfacePress(const QWidget& window, const QPoint& at);

}  // namespace mosarin
