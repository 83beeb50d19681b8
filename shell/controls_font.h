#pragma once
// The font of both windows' controls.

#include <QFont>

namespace mosarin {

// "MS Sans Serif" at 8 points: an em of 11 pixels. Where that family is
// missing, Liberation Sans (Arial's widths, close to its own) stands in, so
// that captions fit the small buttons the layouts give them; a wider
// desktop font would spill "<<<" over its 25 pixels.
QFont controlsFont();

}  // namespace mosarin
