#pragma once
// Direct pixel work on the 32-bit frame: the copy of the static layer and the
// small solid squares drawn over it every frame. Going through QPainter for
// some 1200 squares a frame costs more than the whole frame may.

#include <QImage>

namespace mosarin {

// Makes `target` a pixel copy of `source`, reusing target's buffer when the
// size and format already match. The result is always a 32-bit image.
void copyPixels(QImage& target, const QImage& source);

// Fills left <= x < right, top <= y < bottom with `pixel`, clipped to the
// image. Precondition: a 32-bit image (RGB32 or ARGB32); others are left alone.
void fillBlock(QImage& image, int left, int top, int right, int bottom, QRgb pixel);

// A size x size square at (left, top): a 1-pixel ring of `ring` around a
// solid middle of `inner`, each pixel written once. Clipped to the image;
// the same preconditions as fillBlock.
void fillRingedSquare(QImage& image, int left, int top, int size, QRgb ring, QRgb inner);

}  // namespace mosarin
