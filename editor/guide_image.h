#pragma once
// The guide image's pixel work, free of any toolkit: the bilinear scaling to
// board size and the enlargement of a selected rectangle by pixel repetition.
// The editor window calls these with views over its two bitmaps.

#include <cstdint>

#include "editor/bgr24_image.h"

namespace mosarin {

// number * numerator / denominator from the exact 64-bit product, rounded to
// the nearest integer, halves away from zero (up, for non-negative values).
// A zero denominator or a result outside 32 bits gives -1.
std::int32_t mulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

// mulDiv(a, b, 65536) for 0 <= a, b <= 65537, without a division: the
// scaling needs two of these per destination pixel.
inline std::uint32_t mulDiv65536(std::uint32_t a, std::uint32_t b) {
    return std::uint32_t((std::uint64_t(a) * b + 32768) >> 16);
}

// Scales `source` bilinearly to the size of `target` in 16.16 fixed point
// and writes every pixel of `target`. The first destination pixel of each row
// and column samples the source's first pixel exactly; positions advance by
// (sw - 1) / dw and (sh - 1) / dh source pixels in 32-bit accumulators, and
// the bottom weight is fy + 1, so the vertical blend runs slightly ahead of
// the horizontal one. A source of the target's size is copied unchanged.
// Only the sampled source rows and columns are read.
// An empty source or target scales nothing: false is returned and `target`
// is left as it was (the caller shows no guide image then).
// Precondition: the two views do not overlap.
bool ResizeImage(Bgr24ConstView source, Bgr24View target);

// The rectangle left <= x < right, top <= y < bottom.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Stretches `selection` of `source` over the whole of `target` by pixel
// repetition: destination pixel (dx, dy) takes source pixel
// (left + dx * width / target width, top + dy * height / target height).
// The selection is first clipped to the source (a board made larger while
// the guide image was hidden reaches beyond it); when nothing is left of it,
// `target` is left unchanged and false is returned.
// Precondition: the two views do not overlap.
bool enlargeSelection(Bgr24ConstView source, PixelRect selection, Bgr24View target);

}  // namespace mosarin
