#include "tests/game/rules_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/puzzle.h"
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

TPictureRecord pictureSized(int width, int height) {
    std::vector<std::string> rows(static_cast<size_t>(height), std::string(static_cast<size_t>(width), '.'));
    rows[0] = std::string(static_cast<size_t>(width), '#');
    return pictureOf(rows);
}

GameState stateWith(const std::vector<TPictureRecord>& pictures) {
    GameState state;
    for (size_t i = 0; i < pictures.size(); ++i) state.library.slots[i + 1] = pictures[i];
    state.library.count = static_cast<int>(pictures.size());
    return state;
}

GameState playing(const std::vector<std::string>& picture) {
    GameState state = stateWith({pictureOf(picture)});
    EXPECT_TRUE(startSelectedPicture(state, 0));
    state.redrawPending = false;
    return state;
}

void setPlayCells(GameState& state, const std::vector<std::string>& rows) {
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const char mark = rows[r][c];
            const int value = mark == '#' ? cellFilled : mark == 'x' ? cellMarked : mark >= '0' && mark <= '9' ? mark - '0' : cellEmpty;
            state.playGrid.at(static_cast<int>(c) + 1, static_cast<int>(r) + 1) = value;
        }
    }
}

std::string playRow(const GameState& state, int row, int length) {
    std::string text;
    for (int column = 1; column <= length; ++column) text += ".#x?"[std::min(state.playGrid.at(column, row), 3)];
    return text;
}

namespace {
QImage solidImage(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

int countPixels(const QImage& image, const QRect& area, QRgb color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) == color;
    return count;
}
}  // namespace

bool containsPixel(const QImage& image, const QRect& area, QRgb color) { return countPixels(image, area & image.rect(), color) > 0; }

bool allPixels(const QImage& image, const QRect& area, QRgb color) {
    const QRect clipped = area & image.rect();
    return countPixels(image, clipped, color) == clipped.width() * clipped.height();
}

GameAssets solidAssets() {
    constexpr QRgb key = 0xFF00FF00u;
    GameAssets assets;
    assets.backImage = solidImage(780, 555, kBackPixel);
    assets.startImage = solidImage(100, 50, kStartPixel);
    assets.endImage = solidImage(100, 100, kEndPixel);
    assets.endOverlay = solidImage(20, 10, kOverlayPixel);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) assets.endOverlay.setPixel(x, y, key);
    }
    assets.overlayKey = key;
    return assets;
}

}  // namespace mosarin::testing
