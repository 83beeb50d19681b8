#pragma once
// What both windows share of their look and place: the controls' font, the
// button-face background, and centring on the screen.

#include <QFont>

class QWidget;

namespace mosarin {

// "MS Sans Serif" at 8 points: an em of 11 pixels. Where that family is
// missing, Liberation Sans (Arial's widths, close to its own) stands in, so
// that captions fit the small buttons the layouts give them; a wider
// desktop font would spill "<<<" over its 25 pixels.
QFont controlsFont();

// The controls' font and the button-face colour as the window's background,
// like the boards' default fill, so that a surface and the window around it
// match.
void dressWindow(QWidget& window);

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

// Moves `window`, whose outer size is given, to the centre of its screen.
void centreOnScreen(QWidget& window, int outerWidth, int outerHeight);

}  // namespace mosarin
