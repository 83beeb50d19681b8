// The hint (key H) runs on the window's thread, so its worst case matters:
// a 40 x 30 random picture on which the player has marked everything line
// logic gives, so no single line decides another cell and the hint has to
// try cells both ways. Several seeds; the counter says which kind of hint
// the last one gave ("late": its trials ran out of time).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>

#include "game/hint.h"
#include "solver/grid.h"
#include "solver/propagation.h"

namespace mosarin {
namespace {

GameState stuckBoard(unsigned seed) {
    GameState state;
    state.currentPicture = 1;
    state.library.slots[1].width = kMaxWidth;
    state.library.slots[1].height = kMaxHeight;
    std::mt19937 random(seed);
    for (int row = 1; row <= kMaxHeight; ++row)
        for (int column = 1; column <= kMaxWidth; ++column) state.solutionGrid.at(column, row) = random() % 2;
    state.puzzleActive = true;
    state.boardShown = true;

    const solver::Clues clues = solver::cluesOfPicture(state.solutionGrid, kMaxWidth, kMaxHeight);
    solver::Grid known(kMaxWidth, kMaxHeight);
    solver::Propagator propagator(clues);
    propagator.propagateAll(known);
    for (int row = 0; row < kMaxHeight; ++row) {
        for (int column = 0; column < kMaxWidth; ++column) {
            const solver::Cell cell = known.at(column, row);
            state.playGrid.at(column + 1, row + 1) =
                cell == solver::Cell::Filled ? cellFilled : cell == solver::Cell::Empty ? cellMarked : cellEmpty;
        }
    }
    return state;
}

// Runs the hint on `state` for every iteration; the mean is the time, and
// "worst_ms" the longest single hint, which is what the window freezes for.
HintKind timeHints(benchmark::State& bench, const GameState& state) {
    HintKind kind = HintKind::None;
    double worst = 0;
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        const Hint hint = findHint(state);
        worst = std::max(worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        kind = hint.kind;
        benchmark::DoNotOptimize(hint.sentence.data());
    }
    bench.counters["worst_ms"] = worst;
    return kind;
}

void BM_HintWhenLineLogicIsExhausted(benchmark::State& bench) {
    const HintKind kind = timeHints(bench, stuckBoard(static_cast<unsigned>(bench.range(0))));
    bench.counters["probe"] = kind == HintKind::Probe ? 1 : 0;
    bench.counters["nothing"] = kind == HintKind::NoDeduction ? 1 : 0;
    bench.counters["late"] = kind == HintKind::OutOfTime ? 1 : 0;
}
BENCHMARK(BM_HintWhenLineLogicIsExhausted)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

// Unmarked boards of regular pictures, where line logic decides nothing and
// the hint's trials are at their most expensive: the checkerboard and bands
// that run diagonally (filled where (row + column) mod p < p / 2).
GameState unmarkedPattern(int period) {
    GameState state = stuckBoard(1);
    state.playGrid = {};
    for (int row = 1; row <= kMaxHeight; ++row)
        for (int column = 1; column <= kMaxWidth; ++column)
            state.solutionGrid.at(column, row) = period == 2 ? (row + column) % 2 : (row + column) % period < period / 2;
    return state;
}

void BM_HintOnAnUnmarkedPattern(benchmark::State& bench) {
    const HintKind kind = timeHints(bench, unmarkedPattern(static_cast<int>(bench.range(0))));
    bench.counters["probe"] = kind == HintKind::Probe ? 1 : 0;
    bench.counters["nothing"] = kind == HintKind::NoDeduction ? 1 : 0;
    bench.counters["late"] = kind == HintKind::OutOfTime ? 1 : 0;
}
// 2 is the checkerboard; 4 to 8 the bands.
BENCHMARK(BM_HintOnAnUnmarkedPattern)->Arg(2)->DenseRange(4, 8)->Unit(benchmark::kMillisecond);

void BM_HintOnAFreshBoard(benchmark::State& bench) {
    GameState state = stuckBoard(1);
    state.playGrid = {};
    timeHints(bench, state);
}
BENCHMARK(BM_HintOnAFreshBoard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mosarin
