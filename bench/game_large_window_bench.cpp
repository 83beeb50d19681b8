// Frame costs of the play surface in a window of 1920 x 1080 with a 40 x 30
// board laid out for it: the static layer, an ordinary frame and an end
// screen frame, beside copying two whole frames of that size.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/bench_platform.h"
#include "bench/frame_copy_reference.h"
#include "bench/largest_puzzle.h"
#include "game/play_surface.h"
#include "game/puzzle.h"
#include "picture/packed_rows.h"
#include "shell/canvas.h"

namespace mosarin {
namespace {

constexpr int kClientWidth = 1920, kClientHeight = 1080;

QImage solid(int width, int height, QRgb pixel) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(pixel);
    return image;
}

GameAssets designedSizeAssets() {
    GameAssets assets;
    assets.backImage = solid(780, 555, 0xFF405060u);
    assets.startImage = solid(640, 340, 0xFF8090A0u);
    assets.endImage = solid(570, 430, 0xFFA0B0C0u);
    assets.endOverlay = solid(380, 120, 0xFFFF00FFu);
    assets.overlayKey = 0xFFFF00FFu;
    return assets;
}

PlaySurface largeSurface() {
    PlaySurface surface;
    surface.clientWidth = kClientWidth;
    surface.clientHeight = kClientHeight;
    return surface;
}

void BM_LargeCopyTwoFrames(benchmark::State& bench) {
    copyTwoFrames(bench, surfaceWidthFor(kClientWidth), surfaceHeightFor(kClientHeight));
}
BENCHMARK(BM_LargeCopyTwoFrames)->Unit(benchmark::kMicrosecond);

// The static layer with the most clue numbers a picture can have (20 in
// every row, 15 in every column), the artwork already scaled.
void BM_LargeStaticLayer(benchmark::State& bench) {
    GameState state = largestPuzzle([](int column, int row) { return (column + row) % 2 == 0; });
    const GameAssets assets = designedSizeAssets();
    PlaySurface surface = largeSurface();
    layOutBoard(state, surface);
    tablero(state, assets, surface);
    for (auto _ : bench) {
        tablero(state, assets, surface);
        benchmark::DoNotOptimize(surface.boardImage.constBits());
    }
    bench.counters["pitch"] = state.geometry.pitch;
}
BENCHMARK(BM_LargeStaticLayer)->Unit(benchmark::kMillisecond);

// The dynamic layer: every cell filled but one, a hovered row and column.
void BM_LargeOrdinaryFrame(benchmark::State& bench) {
    GameState state = largestPuzzle([](int column, int row) { return !(column == 17 && row == 11); });
    fillEveryCell(state);
    state.hoverColumn = 16;
    state.hoverRow = 10;
    const GameAssets assets = designedSizeAssets();
    BenchPlatform platform;
    PlaySurface surface = largeSurface();
    mostrar(state, assets, surface, platform);
    for (auto _ : bench) {
        state.redrawPending = true;
        mostrar(state, assets, surface, platform);
        benchmark::DoNotOptimize(surface.frameImage.constBits());
    }
    if (state.solved) bench.SkipWithError("the picture was meant to stay unfinished");
    bench.counters["pitch"] = state.geometry.pitch;
}
BENCHMARK(BM_LargeOrdinaryFrame)->Unit(benchmark::kMicrosecond);

// The end screen: every cell in a new colour each frame, the overlay blinking.
void BM_LargeEndScreenFrame(benchmark::State& bench) {
    GameState state = largestPuzzle([](int, int) { return true; });
    fillEveryCell(state);
    const GameAssets assets = designedSizeAssets();
    BenchPlatform platform;
    PlaySurface surface = largeSurface();
    mostrar(state, assets, surface, platform);
    for (auto _ : bench) {
        mostrar(state, assets, surface, platform);
        benchmark::DoNotOptimize(surface.frameImage.constBits());
    }
    if (!state.solved) bench.SkipWithError("the picture was meant to be finished");
}
BENCHMARK(BM_LargeEndScreenFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mosarin
