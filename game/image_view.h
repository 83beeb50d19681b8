#pragma once
// The play surface control: shows the last composed frame unscaled from its
// top-left corner and reports the mouse to whoever owns it. It never draws
// anything of its own, so every pixel the player sees came from a frame.

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "game/play_input.h"

namespace mosarin {

class ImageView final : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    // Shows `frame` at the next paint. The image is shared, not copied.
    void setFrame(const QImage& frame);
    const QImage& frame() const { return frame_; }

    // Called with the pressed button and the point in the control's pixels.
    std::function<void(MouseButton, int, int)> onPress;
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

// The game's name for a Qt button; nothing for buttons the game does not use.
std::optional<MouseButton> gameButton(Qt::MouseButton button);

}  // namespace mosarin
