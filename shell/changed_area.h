#pragma once
// The part of a picture that differs between two frames, so that a window
// repaints only that: a whole-surface repaint also repaints every control
// lying over the surface and sends the whole surface to the display.

#include <QImage>
#include <QRect>

namespace mosarin {

// The smallest rectangle holding every pixel that differs between `before`
// and `after`; empty when they are equal. Frames of different size or format
// (or not 32 bits a pixel) count as wholly changed: the union of both rectangles.
QRect changedArea(const QImage& before, const QImage& after);

}  // namespace mosarin
