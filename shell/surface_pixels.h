#pragma once
// Direct pixel work on the 32-bit frame: the copy of the static layer and the
// small solid squares drawn over it every frame. Going through QPainter for
// some 1200 squares a frame costs more than the whole frame may.

#include <QImage>
#include <span>

namespace mosarin {

// Makes `target` a pixel copy of `source`, reusing target's buffer when the
// size and format already match. The result is always a 32-bit image.
void copyPixels(QImage& target, const QImage& source);

// Fills left <= x < right, top <= y < bottom with `pixel`, clipped to the
// image. Precondition: a 32-bit image (RGB32 or ARGB32); others are left alone.
void fillBlock(QImage& image, int left, int top, int right, int bottom, QRgb pixel);

// The frame of a size x size square at (left, top), `thickness` pixels
// wide, its middle left alone. Clipped; the same preconditions as fillBlock.
void fillFrame(QImage& image, int left, int top, int size, int thickness, QRgb pixel);

// Squares of one size side by side along a line of the image: square i
// has its top-left corner at (left + i * pitch, top) and is filled with
// colors[i]; an entry of 0 (no alpha: no opaque pixel is 0) leaves its
// place alone. Written scan line by scan line across all of them, so that
// the writes run along memory instead of down it, a new page every line.
// Clipped; the same preconditions as fillBlock; pitch >= size.
void fillSquaresAlong(QImage& image, int left, int top, int pitch, int size, std::span<const QRgb> colors);

}  // namespace mosarin
