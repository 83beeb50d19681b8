#include "shell/game_assets.h"

#include "shell/app_info.h"
#include "shell/file_bytes.h"
#include "shell/image_files.h"
#include "shell/jpeg_decoder.h"

namespace mosarin {

namespace {

// The file, kept open, when its bytes pass `check`; null (and the failure
// shown) otherwise.
template <typename Check>
std::unique_ptr<KeptFile> readChecked(const QString& path, Platform& platform, Check check) {
    std::unique_ptr<KeptFile> kept;
    guarded(platform, [&] {
        auto file = std::make_unique<KeptFile>(path);
        check(file->readAll());
        kept = std::move(file);
    });
    return kept;
}

// Decodes `file` into a null `image`. A failure is told and the file
// dropped, so it is told once; so is it after a success unless `keep` asks
// for it to be kept for decoding again once the image is released.
template <typename Decode>
bool decodeOnce(std::unique_ptr<KeptFile>& file, QImage& image, Platform& platform, Decode decode, bool keep = false) {
    if (!file || !image.isNull()) return false;
    if (!guarded(platform, [&] { image = decode(file->readAll()); }) || !keep) file.reset();
    return true;
}

bool decodeBack(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    return decodeOnce(files.back, assets.backImage, platform, decodeJpeg, true);
}

bool decodeStart(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    return decodeOnce(files.start, assets.startImage, platform, decodeJpeg, true);
}

bool decodeEnd(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    return decodeOnce(files.end, assets.endImage, platform, decodeJpeg);
}

bool decodeOverlay(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    if (!decodeOnce(files.overlay, assets.endOverlay, platform, decodeBmp)) return false;
    if (!assets.endOverlay.isNull()) assets.overlayKey = assets.endOverlay.pixel(0, 0);
    return true;
}

}  // namespace

GameAssetFiles readGameAssetFiles(const QString& programFolder, Platform& platform) {
    const QString images = programFolder + QStringLiteral("images/");
    GameAssetFiles files;
    // Each file is read on its own: one that fails is reported and left
    // out, and the others are still read, so the game stays playable.
    files.back = readChecked(images + QStringLiteral("back.jpg"), platform, checkJpegHeader);
    files.end = readChecked(images + QStringLiteral("end2.jpg"), platform, checkJpegHeader);
    files.overlay = readChecked(images + QStringLiteral("end1.bmp"), platform, checkBmpHeader);
    files.start = readChecked(images + QStringLiteral("init.jpg"), platform, checkJpegHeader);
    return files;
}

bool decodeStartScreenAssets(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    const bool back = decodeBack(files, assets, platform);
    const bool start = decodeStart(files, assets, platform);
    return back || start;
}

bool decodeBackground(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    return decodeBack(files, assets, platform);
}

bool decodeEndScreenAssets(GameAssetFiles& files, GameAssets& assets, Platform& platform) {
    const bool end = decodeEnd(files, assets, platform);
    const bool overlay = decodeOverlay(files, assets, platform);
    return end || overlay;
}

GameAssets loadGameAssets(const QString& programFolder, Platform& platform) {
    GameAssetFiles files = readGameAssetFiles(programFolder, platform);
    GameAssets assets;
    decodeBack(files, assets, platform);
    decodeEnd(files, assets, platform);
    decodeOverlay(files, assets, platform);
    decodeStart(files, assets, platform);
    return assets;
}

}  // namespace mosarin
