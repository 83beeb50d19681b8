// The play surface's frame costs on the largest board, set against copying
// two whole frames with memcpy (the floor any frame has to pay).
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>

#include "bench/frame_copy_reference.h"
#include "bench/largest_puzzle.h"
#include "bench/bench_platform.h"
#include "game/play_surface.h"
#include "game/puzzle.h"
#include "picture/packed_rows.h"
#include "shell/canvas.h"

namespace mosarin {
namespace {

GameAssets benchAssets() {
    GameAssets assets;
    assets.backImage = QImage(780, 555, QImage::Format_RGB32);
    assets.backImage.fill(0xFF405060u);
    assets.startImage = QImage(680, 340, QImage::Format_RGB32);
    assets.startImage.fill(0xFF8090A0u);
    assets.endImage = QImage(564, 424, QImage::Format_RGB32);
    assets.endImage.fill(0xFFA0B0C0u);
    assets.endOverlay = QImage(380, 90, QImage::Format_RGB32);
    assets.endOverlay.fill(0xFFFF00FFu);
    assets.overlayKey = 0xFFFF00FFu;
    return assets;
}

void BM_CopyTwoFrames(benchmark::State& bench) { copyTwoFrames(bench, kSurfaceWidth, kSurfaceHeight); }
BENCHMARK(BM_CopyTwoFrames)->Unit(benchmark::kMicrosecond);

// Every cell filled, one short of the picture, with a hovered cell.
void BM_OrdinaryFrame(benchmark::State& bench) {
    GameState state = largestPuzzle([](int column, int row) { return !(column == 17 && row == 11); });
    fillEveryCell(state);
    state.hoverColumn = 16;   // the line through the missing cell: two numbers each
    state.hoverRow = 10;
    const GameAssets assets = benchAssets();
    BenchPlatform platform;
    PlaySurface surface;
    surface.frameImage = makeSurface(kSurfaceWidth, kSurfaceHeight);
    mostrar(state, assets, surface, platform);   // builds the static layer once
    for (auto _ : bench) {
        state.redrawPending = true;
        mostrar(state, assets, surface, platform);
        benchmark::DoNotOptimize(surface.frameImage.constBits());
    }
    if (state.solved) bench.SkipWithError("the picture was meant to stay unfinished");
}
BENCHMARK(BM_OrdinaryFrame)->Unit(benchmark::kMicrosecond);

// The finished picture: every cell filled and in a new colour each frame.
void BM_EndScreenFrame(benchmark::State& bench) {
    GameState state = largestPuzzle([](int, int) { return true; });
    fillEveryCell(state);
    const GameAssets assets = benchAssets();
    BenchPlatform platform;
    PlaySurface surface;
    surface.frameImage = makeSurface(kSurfaceWidth, kSurfaceHeight);
    mostrar(state, assets, surface, platform);
    for (auto _ : bench) {
        mostrar(state, assets, surface, platform);
        benchmark::DoNotOptimize(surface.frameImage.constBits());
    }
    if (!state.solved) bench.SkipWithError("the picture was meant to be finished");
}
BENCHMARK(BM_EndScreenFrame)->Unit(benchmark::kMicrosecond);

// The most clue numbers a picture can have: alternating single cells give
// 20 runs in every row and 15 in every column, 1200 numbers in all.
void BM_TableroMostClues(benchmark::State& bench) {
    const GameState state = largestPuzzle([](int column, int row) { return (column + row) % 2 == 0; });
    const GameAssets assets = benchAssets();
    PlaySurface surface;
    for (auto _ : bench) {
        tablero(state, assets, surface);
        benchmark::DoNotOptimize(surface.boardImage.constBits());
    }
    bench.counters["rowClue1"] = static_cast<double>(state.rowClues[1].size() / 2);
    bench.counters["columnClue1"] = static_cast<double>(state.columnClues[1].size() / 2);
}
BENCHMARK(BM_TableroMostClues)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
