#pragma once
// The game window's sizes; centredOrigin places it on the screen.

#include "shell/window_look.h"

namespace mosarin {

// The window's outer size, frame included.
constexpr int kGameOuterWidth = 790;
constexpr int kGameOuterHeight = 590;
// Its client area: the outer size less a sizeable frame of 4 pixels on each
// side and a 19-pixel caption. It holds the 780 x 555 play surface.
constexpr int kGameClientWidth = 782;
constexpr int kGameClientHeight = 563;

}  // namespace mosarin
