#pragma once
// A window's repaint timer that sleeps while no frame is due. The window
// keeps its own QTimer (interval and timeout handler as before); this piece
// only starts and stops it, so that an idle window is never woken 25 times a
// second for ticks that draw nothing.
//
// Use: after every handler that may ask for a frame (mouse, buttons, the
// tick itself; the window's one error guard is the natural place) call
// settle(). A frame due starts a stopped timer, so it is drawn within one
// tick; nothing due stops it. A window that draws at every tick (an
// animation) reports a frame due for as long as it runs.

#include <QTimer>
#include <functional>

namespace mosarin {

class FrameTimer {
public:
    // `timer` belongs to the window and outlives this object; its interval
    // is already set. `frameDue` says whether the next tick would draw.
    FrameTimer(QTimer& timer, std::function<bool()> frameDue);

    // Starts the timer when a frame is due and it is stopped; stops it when
    // none is due. A running timer is left alone while a frame is due: a
    // restart would put the tick off, and a stream of pointer moves could
    // then hold a frame back for as long as it lasts.
    void settle();

    // Runs `tick` at every timeout of the timer, one at a time: an error box
    // shown from a tick runs a nested event loop in which the timer keeps
    // firing, and one box at a time is enough.
    void onTick(std::function<void()> tick);

private:
    QTimer& timer_;
    std::function<bool()> frameDue_;
    bool ticking_ = false;
};

}  // namespace mosarin
