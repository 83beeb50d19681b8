#include "shell/game_assets.h"

#include "shell/app_info.h"
#include "shell/image_files.h"

namespace mosarin {

GameAssets loadGameAssets(const QString& programFolder, Platform& platform) {
    const QString images = programFolder + QStringLiteral("images/");
    GameAssets assets;
    // Each asset is loaded on its own: one that fails is reported and left
    // null, and the others still load, so the game stays playable.
    guarded(platform, [&] { assets.backImage = loadJpegFile(images + QStringLiteral("back.jpg")); });
    guarded(platform, [&] { assets.endImage = loadJpegFile(images + QStringLiteral("end2.jpg")); });
    guarded(platform, [&] { assets.endOverlay = loadBmpFile(images + QStringLiteral("end1.bmp")); });
    guarded(platform, [&] { assets.startImage = loadJpegFile(images + QStringLiteral("init.jpg")); });
    if (!assets.endOverlay.isNull()) assets.overlayKey = assets.endOverlay.pixel(0, 0);
    return assets;
}

}  // namespace mosarin
