#include "game/keyboard_cursor.h"

#include <algorithm>
#include <cmath>

namespace mosarin {

namespace {

double linear(std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(std::uint32_t rgb) {
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
}

}  // namespace

double contrastRatio(std::uint32_t first, std::uint32_t second) {
    const double a = luminance(first), b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t cursorOutlineColor(std::uint32_t filled, std::uint32_t empty) {
    std::uint32_t best = 0;
    double bestContrast = -1;
    for (std::uint32_t level = 0; level <= 255; ++level) {
        const std::uint32_t grey = level << 16 | level << 8 | level;
        const double contrast = std::min(contrastRatio(grey, filled), contrastRatio(grey, empty));
        if (contrast > bestContrast) {
            bestContrast = contrast;
            best = grey;
        }
    }
    return best;
}

}  // namespace mosarin
