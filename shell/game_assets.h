#pragma once
// The four pictures the game draws, read once while the game window is set up.

#include <QImage>
#include <QRgb>

#include "shell/platform.h"

namespace mosarin {

struct GameAssets {
    QImage backImage;    // images/back.jpg, background at (0, 0)
    QImage endImage;     // images/end2.jpg, end screen at (128, 118)
    QImage endOverlay;   // images/end1.bmp, blinking overlay at (200, 260)
    QImage startImage;   // images/init.jpg, start screen at (50, 35)
    QRgb overlayKey = 0; // endOverlay's top-left pixel: left out when drawn
};

// Loads the four assets from `programFolder` (with its trailing separator) in
// the order back, end2, end1, init. An asset that fails stays null (drawn as
// nothing); its error is shown once in the error box and the rest still load.
GameAssets loadGameAssets(const QString& programFolder, Platform& platform);

}  // namespace mosarin
