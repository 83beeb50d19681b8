#include "shell/changed_area.h"

#include <algorithm>
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
    int top = -1, bottom = -1;
    int left = width, right = -1;   // the columns found so far, left..right
    // Pixels [from, to) of a row differ somewhere; memcmp stops at the first difference.
    const auto differs = [](const QRgb* was, const QRgb* now, int from, int to) {
        return from < to && std::memcmp(was + from, now + from, size_t(to - from) * sizeof(QRgb)) != 0;
    };
    for (int y = 0; y < after.height(); ++y) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        // Columns outside those already found are scanned pixel by pixel
        // only when they hold a change, so once the rectangle's width is
        // known a row costs a comparison that mostly ends early.
        bool changed = false;
        if (differs(was, now, 0, left)) {
            int x = 0;
            while (was[x] == now[x]) ++x;
            left = x;
            changed = true;
        }
        if (differs(was, now, std::max(right + 1, left), width)) {
            int x = width - 1;
            while (was[x] == now[x]) --x;
            right = x;
            changed = true;
        }
        if (!changed) changed = differs(was, now, left, right + 1);
        if (!changed) continue;
        if (top < 0) top = y;
        bottom = y;
    }
    if (top < 0) return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace mosarin
