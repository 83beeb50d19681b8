#pragma once
// What the program sets once, after the application object exists, so that
// an idle program is never woken by Qt's own housekeeping.

namespace mosarin {

// Qt's pixmap cache, once it holds anything (the window icon, the style's
// button pictures), starts a timer that wakes the program 30 s later and
// then every 10 s for as long as it finds something to drop. The few
// controls repaint rarely and draw the same without it, so it is kept empty.
void keepIdleProgramAsleep();

}  // namespace mosarin
