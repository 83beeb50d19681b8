#pragma once
// The outline of the cell under the cross while the arrows move it: a
// colour that stands out against both a filled and an empty cell.

#include <cstdint>

namespace mosarin {

// The contrast ratio of two 0xRRGGBB colours, from their relative
// luminance: 1 for equal colours, 21 for black against white.
double contrastRatio(std::uint32_t first, std::uint32_t second);

// The grey (0xRRGGBB) whose lesser contrast against `filled` and `empty`
// (both 0xRRGGBB) is the greatest. For almost every pair it is 3:1 or more
// against each; for a few (a dark and a mid-light colour) no colour reaches
// that against both, and this is the nearest.
std::uint32_t cursorOutlineColor(std::uint32_t filled, std::uint32_t empty);

}  // namespace mosarin
