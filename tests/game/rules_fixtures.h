#pragma once
// Small builders for the game's rule and rendering tests: pictures written as
// rows of '#' (filled) and '.' (empty), a state holding them in its library,
// and solid-colour assets so that every pixel expectation is exact.

#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "shell/game_assets.h"

namespace mosarin::testing {

// Distinct, easily told apart working colours (0x00BBGGRR).
constexpr ColorSet kTestColors = {0x2040C0u, 0xE0F0F0u, 0xA0A0A0u, 0x40B0D0u, 0x103060u};

// A record of the given rows; width and height from the notation.
TPictureRecord pictureOf(const std::vector<std::string>& rows, const ColorSet& colors = kTestColors);
// A width x height picture whose first row alone is filled.
TPictureRecord pictureSized(int width, int height);

// A state whose library holds `pictures` in slots 1..n.
GameState stateWith(const std::vector<TPictureRecord>& pictures);
// The same with `picture` started by "Play" and no frame due yet.
GameState playing(const std::vector<std::string>& picture);

// Sets play cells from a notation: '#' filled, 'x' marked, a digit that
// value, anything else empty. Row strings may be shorter than the picture.
void setPlayCells(GameState& state, const std::vector<std::string>& rows);
// Row `row` (1-based), columns 1..length, in the same notation ('#', 'x', '.').
std::string playRow(const GameState& state, int row, int length);

// Whether some pixel, or every pixel, of `area` (clipped to the image) is `color`.
bool containsPixel(const QImage& image, const QRect& area, QRgb color);
bool allPixels(const QImage& image, const QRect& area, QRgb color);

// Pixel colours of the test assets.
constexpr QRgb kBackPixel = 0xFF203040u;
constexpr QRgb kStartPixel = 0xFF506070u;
constexpr QRgb kEndPixel = 0xFF708090u;
constexpr QRgb kOverlayPixel = 0xFFFF00FFu;

// back 780 x 555, start 100 x 50, end 100 x 100, overlay 20 x 10 whose left
// half is the key colour and right half kOverlayPixel.
GameAssets solidAssets();

}  // namespace mosarin::testing
