#include "shell/changed_area.h"

#include <cstring>

namespace mosarin {

QRect changedArea(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.format() != after.format() || after.depth() != 32 ||
        before.isNull()) {
        return before.rect() | after.rect();
    }
    // Images that share their pixels cannot differ: writing to either one
    // would have given it pixels of its own first.
    if (before.constBits() == after.constBits()) return QRect();

    const int width = after.width();
    const size_t rowBytes = size_t(width) * sizeof(QRgb);
    int top = -1, bottom = -1;
    int left = width, right = -1;   // the columns found so far, left..right
    for (int y = 0; y < after.height(); ++y) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        if (std::memcmp(was, now, rowBytes) == 0) continue;
        if (top < 0) top = y;
        bottom = y;
        // Only the columns outside those already found can widen the rectangle.
        for (int x = 0; x < left; ++x) {
            if (was[x] != now[x]) {
                left = x;
                break;
            }
        }
        for (int x = width - 1; x > right; --x) {
            if (was[x] != now[x]) {
                right = x;
                break;
            }
        }
    }
    if (top < 0) return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace mosarin
