#include "editor/guide_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace mosarin {

namespace {

// Where a destination column samples the source: the byte offsets of its two
// source columns and the fraction between them. The same on every row, so it
// is worked out once per scaling.
struct ColumnSample {
    std::ptrdiff_t left = 0, right = 0;
    std::uint32_t fraction = 0;
};

std::vector<ColumnSample> columnSamples(int sourceWidth, int targetWidth, std::uint32_t xstep) {
    std::vector<ColumnSample> columns(static_cast<std::size_t>(targetWidth));
    std::uint32_t xacc = 0;
    for (ColumnSample& column : columns) {
        // The clamp never changes a position inside the source; it only keeps
        // a wrapped accumulator (sources over 65536 pixels wide) from reading
        // beyond the row.
        const int x0 = std::min(int(xacc >> 16), sourceWidth - 1);
        const int x1 = x0 < sourceWidth - 1 ? x0 + 1 : x0;
        column = {std::ptrdiff_t(x0) * 3, std::ptrdiff_t(x1) * 3, xacc & 0xFFFF};
        xacc += xstep;
    }
    return columns;
}

void copyPixels(Bgr24ConstView source, Bgr24View target) {
    for (int y = 0; y < target.height; ++y) std::memcpy(target.row(y), source.row(y), std::size_t(target.width) * 3);
}

}  // namespace

std::int32_t mulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = std::int64_t(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::uint64_t magnitude = std::uint64_t(std::llabs(product));
    const std::uint64_t divisor = std::uint64_t(std::llabs(denominator));
    // floor(p / d + 1/2): the nearest integer, halves away from zero.
    const std::uint64_t rounded = (2 * magnitude + divisor) / (2 * divisor);
    if (rounded > std::uint64_t(std::numeric_limits<std::int32_t>::max())) return -1;
    return negative ? -std::int32_t(rounded) : std::int32_t(rounded);
}

bool ResizeImage(Bgr24ConstView source, Bgr24View target) {
    if (source.empty() || target.empty()) return false;
    const int sw = source.width, sh = source.height, dw = target.width, dh = target.height;
    if (sw == dw && sh == dh) {
        copyPixels(source, target);
        return true;
    }
    const std::uint32_t xstep = std::uint32_t(mulDiv(sw - 1, 65536, dw));
    const std::uint32_t ystep = std::uint32_t(mulDiv(sh - 1, 65536, dh));
    const std::vector<ColumnSample> columns = columnSamples(sw, dw, xstep);

    std::uint32_t yacc = 0;
    for (int j = 0; j < dh; ++j, yacc += ystep) {
        const int y0 = std::min(int(yacc >> 16), sh - 1);
        const int y1 = y0 < sh - 1 ? y0 + 1 : y0;
        const std::uint32_t fy = yacc & 0xFFFF;
        // The four weights of a pixel add up to 65537, not 65536: the bottom
        // weight is one more than the fraction.
        const std::uint32_t wt = 65536 - fy, wb = fy + 1;
        const std::uint8_t* top = source.row(y0);
        const std::uint8_t* bottom = source.row(y1);
        std::uint8_t* out = target.row(j);
        for (const ColumnSample& column : columns) {
            const std::uint32_t wTR = mulDiv65536(column.fraction, wt), wTL = wt - wTR;
            const std::uint32_t wBR = mulDiv65536(column.fraction, wb), wBL = wb - wBR;
            const std::uint8_t* tl = top + column.left;
            const std::uint8_t* tr = top + column.right;
            const std::uint8_t* bl = bottom + column.left;
            const std::uint8_t* br = bottom + column.right;
            // At most 255 * 65537: the sum fits 32 bits and the result 8.
            for (int c = 0; c < 3; ++c) {
                out[c] = std::uint8_t((tl[c] * wTL + tr[c] * wTR + bl[c] * wBL + br[c] * wBR) >> 16);
            }
            out += 3;
        }
    }
    return true;
}

bool enlargeSelection(Bgr24ConstView source, PixelRect selection, Bgr24View target) {
    if (source.empty() || target.empty()) return false;
    selection.left = std::max(selection.left, 0);
    selection.top = std::max(selection.top, 0);
    selection.right = std::min(selection.right, source.width);
    selection.bottom = std::min(selection.bottom, source.height);
    if (selection.width() <= 0 || selection.height() <= 0) return false;

    std::vector<std::ptrdiff_t> columns(static_cast<std::size_t>(target.width));
    for (int dx = 0; dx < target.width; ++dx) {
        columns[std::size_t(dx)] =
            (selection.left + std::int64_t(dx) * selection.width() / target.width) * 3;
    }
    for (int dy = 0; dy < target.height; ++dy) {
        const int sy = selection.top + int(std::int64_t(dy) * selection.height() / target.height);
        const std::uint8_t* from = source.row(sy);
        std::uint8_t* to = target.row(dy);
        for (std::ptrdiff_t column : columns) {
            std::memcpy(to, from + column, 3);
            to += 3;
        }
    }
    return true;
}

}  // namespace mosarin
