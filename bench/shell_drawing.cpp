// The canvas operations a game frame is made of, at the game's sizes.
#include <QImage>
#include <benchmark/benchmark.h>

#include "shell/canvas.h"

namespace {

constexpr int kSurfaceWidth = 780, kSurfaceHeight = 555;

QImage pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x ^ y) & 255));
    }
    return image;
}

void BM_OpenCanvas(benchmark::State& state) {
    QImage surface = mosarin::makeSurface(kSurfaceWidth, kSurfaceHeight);
    for (auto _ : state) {
        mosarin::Canvas canvas(surface);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_OpenCanvas);

// A full 40 x 30 board: an 11 x 11 square in every cell.
void BM_FillEveryCell(benchmark::State& state) {
    QImage surface = mosarin::makeSurface(kSurfaceWidth, kSurfaceHeight);
    for (auto _ : state) {
        mosarin::Canvas canvas(surface);
        for (int column = 0; column < 40; ++column) {
            for (int row = 0; row < 30; ++row) {
                const int x = 130 + 14 * column, y = 120 + 14 * row;
                canvas.fillRect(x + 2, y + 2, x + 13, y + 13, 0x00336699u);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 1200);
}
BENCHMARK(BM_FillEveryCell);

void BM_DrawBackground(benchmark::State& state) {
    QImage surface = mosarin::makeSurface(kSurfaceWidth, kSurfaceHeight);
    const QImage background = pattern(kSurfaceWidth, kSurfaceHeight);
    for (auto _ : state) mosarin::Canvas(surface).drawImage(0, 0, background);
}
BENCHMARK(BM_DrawBackground);

// The blinking overlay: about half its pixels are the key colour.
void BM_DrawOverlayKeyed(benchmark::State& state) {
    QImage surface = mosarin::makeSurface(kSurfaceWidth, kSurfaceHeight);
    QImage overlay = pattern(400, 150);
    for (int y = 0; y < overlay.height(); ++y) {
        for (int x = (y & 1); x < overlay.width(); x += 2) overlay.setPixel(x, y, qRgb(255, 0, 255));
    }
    for (auto _ : state) mosarin::Canvas(surface).drawImageKeyed(200, 260, overlay, qRgb(255, 0, 255));
    state.SetItemsProcessed(state.iterations() * overlay.width() * overlay.height());
}
BENCHMARK(BM_DrawOverlayKeyed);

// One hovered row's and one hovered column's clues.
void BM_DrawClueTexts(benchmark::State& state) {
    QImage surface = mosarin::makeSurface(kSurfaceWidth, kSurfaceHeight);
    const QFont font = mosarin::arialBold(11);
    for (auto _ : state) {
        mosarin::Canvas canvas(surface);
        for (int i = 0; i < 20; ++i) canvas.text(10 + 8 * i, 100, QString::number(i % 10), font, 0x00111111u);
    }
}
BENCHMARK(BM_DrawClueTexts);

}  // namespace
