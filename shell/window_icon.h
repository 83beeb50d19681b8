#pragma once
// The windows' icon, built from plain RGBA pixels rather than decoded from a
// PNG file: reading a PNG through Qt loads every image-format plugin to ask
// whether one of them claims the file, and with libpng's decoding that kept
// some 600 KB of the program's memory resident for a 48-pixel picture.

#include <QIcon>

namespace mosarin {

// The icon's side in pixels: the largest a window shows.
constexpr int kWindowIconSide = 48;

// An icon of one kWindowIconSide-pixel square picture whose rows, top first,
// are `size` bytes of R, G, B, A (unpremultiplied) at `pixels`, which must
// outlive the icon's first use (a resource built into the program does). A
// size that is not exactly one such square gives a null icon: the window then
// shows the system's own, as it would for a missing picture.
QIcon iconFromRgbaPixels(const unsigned char* pixels, qsizetype size);

}  // namespace mosarin
