#pragma once
// The four pictures the game draws. Their files are read and checked while
// the game window is set up; their pixels are decoded when first drawn.

#include <QImage>
#include <QRgb>
#include <memory>

#include "shell/file_bytes.h"

#include "shell/platform.h"

namespace mosarin {

struct GameAssets {
    QImage backImage;    // images/back.jpg, background at (0, 0)
    QImage endImage;     // images/end2.jpg, end screen at (128, 118)
    QImage endOverlay;   // images/end1.bmp, blinking overlay at (200, 260)
    QImage startImage;   // images/init.jpg, start screen at (50, 35)
    QRgb overlayKey = 0; // endOverlay's top-left pixel: left out when drawn
};

// The assets' files as read and checked, each kept open until it is decoded
// and read again then: their bytes are not held in memory meanwhile. A file
// that failed is null and is never decoded.
struct GameAssetFiles {
    std::unique_ptr<KeptFile> back, end, overlay, start;
};

// Reads the four files from `programFolder` (with its trailing separator) in
// the order back, end2, end1, init and checks what can be known without
// decoding pixels: a file missing or unreadable, not of its type, with a
// damaged header or a refused size. Each failure is shown once in the error
// box, as loading the asset shows it, and the rest are still read.
GameAssetFiles readGameAssetFiles(const QString& programFolder, Platform& platform);

// Decode what the start screen draws (back, init), the background alone
// (back) or what the end screen draws (end2, end1) into `assets`, where
// their images are null. A file whose pixels cannot be decoded is shown in
// the error box and its asset stays null (drawn as nothing) for good. The
// end screen's files are decoded once and closed; the start screen's are
// kept, so that their images may be released between uses and decoded again.
// A file that can no longer be read is told as loading it would tell it. True when an asset was decoded (or failed) by this call.
bool decodeStartScreenAssets(GameAssetFiles& files, GameAssets& assets, Platform& platform);
bool decodeBackground(GameAssetFiles& files, GameAssets& assets, Platform& platform);
bool decodeEndScreenAssets(GameAssetFiles& files, GameAssets& assets, Platform& platform);

// All four at once: readGameAssetFiles, then each decoded in the same order.
GameAssets loadGameAssets(const QString& programFolder, Platform& platform);

}  // namespace mosarin
