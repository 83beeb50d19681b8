// The solver: one 40-cell line of 10 runs, the uniqueness check of every
// shipped picture (median and worst per picture), and random 40 x 30
// pictures at 50 % density under a one-second budget.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "bench/hard_pictures.h"
#include "picture/library_file.h"
#include "solver/puzzle_solver.h"

namespace mosarin {
namespace {

void BM_LineSolver40Cells10Runs(benchmark::State& state) {
    const solver::Clue clue = {2, 1, 3, 1, 2, 1, 3, 1, 2, 1};   // 17 cells, 26 with the gaps
    std::vector<solver::Cell> known(40, solver::Cell::Unknown);
    known[3] = solver::Cell::Filled;
    known[20] = solver::Cell::Empty;
    known[31] = solver::Cell::Filled;
    solver::LineSolver solver;
    std::vector<solver::Cell> line;
    for (auto _ : state) {
        line = known;
        benchmark::DoNotOptimize(solver.solve(clue, line));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LineSolver40Cells10Runs);

// Each picture's best time over the iterations; the counters give the
// median and the worst picture in microseconds.
void BM_ShippedLibraryEveryPicture(benchmark::State& state) {
    static TPictureLibrary library;
    readLibraryFile(MOSARIN_SOURCE_DIR "/files/pictures.txt", library, true);
    std::vector<double> best(static_cast<size_t>(library.count), 1e30);
    int notUnique = 0;
    for (auto _ : state) {
        for (int number = 1; number <= library.count; ++number) {
            const auto began = std::chrono::steady_clock::now();
            const solver::SolveResult result =
                solver::solvePuzzle(solver::cluesOfRecord(library.slots[number]), solver::Budget::forSeconds(10));
            const double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - began).count();
            best[number - 1] = std::min(best[number - 1], us);
            notUnique += result.verdict != solver::Verdict::Unique;
        }
    }
    std::vector<double> sorted = best;
    std::sort(sorted.begin(), sorted.end());
    state.counters["pictures"] = library.count;
    state.counters["median_us"] = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    state.counters["worst_us"] = sorted.empty() ? 0 : sorted.back();
    state.counters["not_unique"] = notUnique;
}
BENCHMARK(BM_ShippedLibraryEveryPicture)->Unit(benchmark::kMillisecond);

// Random pictures are mostly ambiguous; the answer must come within the budget.
void BM_Random40x30HalfFilled(benchmark::State& state) {
    std::mt19937 random(static_cast<unsigned>(state.range(0)));
    solver::Grid picture(40, 30);
    for (solver::Cell& cell : picture.cells) cell = random() % 2 ? solver::Cell::Filled : solver::Cell::Empty;
    const solver::Clues clues = solver::cluesOfGrid(picture);
    solver::SolveResult result;
    for (auto _ : state) result = solver::solvePuzzle(clues, solver::Budget::forSeconds(1));
    state.counters["verdict"] = static_cast<int>(result.verdict);   // 0 unique, 1 multiple, 2 none, 3 undecided
    state.counters["nodes"] = static_cast<double>(result.nodes);
}
// CPU is the process's: on hard pictures the solver races a second thread.
BENCHMARK(BM_Random40x30HalfFilled)->DenseRange(1, 5)->Iterations(1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Pictures that line logic leaves wide open, one process-free solve each
// with a 10-second budget: 0 diagonal bands of period 6 (the (row + column)
// mod 6 < 3 picture), 1 the same at period 8, 2 a checkerboard with one cell
// switched, 3 a sparse random picture (20 % filled).
solver::Grid hardPicture(int which) {
    switch (which) {
    case 0: return bench::halfBands(6, 0);
    case 1: return bench::halfBands(8, 0);
    case 2: {
        solver::Grid picture = bench::checkerboard();
        picture.at(17, 11) = picture.at(17, 11) == solver::Cell::Filled ? solver::Cell::Empty : solver::Cell::Filled;
        return picture;
    }
    default: return bench::sparseRandom();
    }
}

void BM_HardPicture40x30(benchmark::State& state) {
    const solver::Clues clues = solver::cluesOfGrid(hardPicture(static_cast<int>(state.range(0))));
    solver::SolveResult result;
    for (auto _ : state) result = solver::solvePuzzle(clues, solver::Budget::forSeconds(10));
    state.counters["verdict"] = static_cast<int>(result.verdict);   // 0 unique, 1 multiple, 2 none, 3 undecided
    state.counters["nodes"] = static_cast<double>(result.nodes);
}
BENCHMARK(BM_HardPicture40x30)->DenseRange(0, 3)->Iterations(1)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The whole family of 40 x 30 diagonal bands: cell filled when (row + column
// + phase) mod period < period / 2, argument period * 10 + phase, 10-second
// budget each. Periods 4, 6, 8 and period 7 phase 2 have one solution, 5
// and 7 (phases 0, 1, 3) several.
void BM_Bands40x30(benchmark::State& state) {
    const int period = static_cast<int>(state.range(0)) / 10, phase = static_cast<int>(state.range(0)) % 10;
    const solver::Clues clues = solver::cluesOfGrid(bench::halfBands(period, phase));
    solver::SolveResult result;
    for (auto _ : state) result = solver::solvePuzzle(clues, solver::Budget::forSeconds(10));
    state.counters["verdict"] = static_cast<int>(result.verdict);   // 0 unique, 1 multiple, 2 none, 3 undecided
    state.counters["nodes"] = static_cast<double>(result.nodes);
    state.counters["line_solves"] = static_cast<double>(result.lineSolves);
}
BENCHMARK(BM_Bands40x30)
    ->ArgsProduct({{40, 41, 42, 43, 50, 51, 52, 53, 60, 61, 62, 63, 70, 71, 72, 73, 80, 81, 82, 83}})
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
