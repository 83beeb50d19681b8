#pragma once
// Where the game window goes on the screen. Plain integers, no widgets.

namespace mosarin {

// The window's outer size, frame included.
constexpr int kGameOuterWidth = 790;
constexpr int kGameOuterHeight = 590;
// Its client area: the outer size less a sizeable frame of 4 pixels on each
// side and a 19-pixel caption. It holds the 780 x 555 play surface.
constexpr int kGameClientWidth = 782;
constexpr int kGameClientHeight = 563;

struct ScreenPoint {
    int x;
    int y;
    bool operator==(const ScreenPoint&) const = default;
};

// The outer top-left corner that centres a window on a screen, by integer
// division truncating toward zero; negative when the screen is smaller.
constexpr ScreenPoint centredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

}  // namespace mosarin
