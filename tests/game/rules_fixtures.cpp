#include "tests/game/rules_fixtures.h"

#include "picture/packed_rows.h"

namespace mosarin::testing {

TPictureRecord pictureOf(const std::vector<std::string>& rows, const ColorSet& colors) {
    CellGrid grid;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) grid.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) = rows[r][c] == '#';
    }
    TPictureRecord record;
    record.packedRows = packRows(grid);
    record.width = static_cast<int>(rows.at(0).size());
    record.height = static_cast<int>(rows.size());
    record.colors = colors;
    return record;
}

GameState stateWith(const std::vector<TPictureRecord>& pictures) {
    GameState state;
    for (size_t i = 0; i < pictures.size(); ++i) state.library.slots[i + 1] = pictures[i];
    state.library.count = static_cast<int>(pictures.size());
    return state;
}

void setPlayCells(GameState& state, const std::vector<std::string>& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const char mark = rows[r][c];
            state.playGrid.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) =
                mark == '#' ? cellFilled : mark == 'x' ? cellMarked : cellEmpty;
        }
    }
}

QImage solidImage(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

namespace {
template <typename Test>
bool anyPixel(const QImage& image, const QRect& area, Test test) {
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (test(image.pixel(x, y))) return true;
        }
    }
    return false;
}
}  // namespace

bool containsPixel(const QImage& image, const QRect& area, QRgb color) {
    return anyPixel(image, area, [color](QRgb pixel) { return pixel == color; });
}

bool allPixels(const QImage& image, const QRect& area, QRgb color) {
    return !anyPixel(image, area, [color](QRgb pixel) { return pixel != color; });
}

GameAssets solidAssets() {
    GameAssets assets;
    assets.backImage = solidImage(780, 555, kBackPixel);
    assets.startImage = solidImage(100, 50, kStartPixel);
    assets.endImage = solidImage(100, 100, kEndPixel);
    assets.endOverlay = solidImage(20, 10, kOverlayPixel);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) assets.endOverlay.setPixel(x, y, kOverlayKeyPixel);
    }
    assets.overlayKey = kOverlayKeyPixel;
    return assets;
}

}  // namespace mosarin::testing
