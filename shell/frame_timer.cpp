#include "shell/frame_timer.h"

#include <utility>

namespace mosarin {

FrameTimer::FrameTimer(QTimer& timer, std::function<bool()> frameDue)
    : timer_(timer), frameDue_(std::move(frameDue)) {}

void FrameTimer::settle() {
    const bool due = frameDue_ && frameDue_();
    if (due && !timer_.isActive()) timer_.start();
    if (!due && timer_.isActive()) timer_.stop();
}

void FrameTimer::onTick(std::function<void()> tick) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, tick = std::move(tick)] {
        if (ticking_) return;
        ticking_ = true;
        tick();
        ticking_ = false;
    });
}

}  // namespace mosarin
