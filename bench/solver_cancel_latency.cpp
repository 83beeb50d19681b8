// How long the solver goes on after its cancel flag is set, until it
// returns: what an editor's F7 check costs once the user paints again. One
// thread solves a hard 40 x 30 picture (on hard pictures the solver races a
// second thread of its own, the clause-learning check, which must stop as
// well); this thread sets the flag after a delay that varies from run to
// run. Two measures per run:
// - wall: from the flag to the return, read on one steady clock; what the
//   caller waits. On a busy machine it includes waiting for a core.
// - cpu: the process's CPU time over the same span, less this thread's own:
//   what the solver's threads spent after the cancel. It includes part of
//   the clause thread's freeing of its memory, which goes on after the
//   return, in the background.
// Counters: the median and the worst over the runs in microseconds, and how
// many runs were cancelled (a run that finished before its flag was set
// measures nothing and is left out).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>
#include <vector>

#include "bench/hard_pictures.h"
#include "solver/puzzle_solver.h"

namespace mosarin {
namespace {

// 0 and 1: diagonal bands two cells wide in six (undecided for more than
// ten seconds) and of period 5 (a few tenths of a second),
// 2: a checkerboard (two solutions, found within milliseconds),
// 3: a sparse random picture (20 % filled; several solutions, found in
// about 0.2 s).
solver::Grid pictureToCancel(int which) {
    switch (which) {
    case 0: return bench::diagonalBands(6, 0, 2);
    case 1: return bench::halfBands(5, 0);
    case 2: return bench::checkerboard();
    default: return bench::sparseRandom();
    }
}

// Any of the clocks clock_gettime() reads, in microseconds.
double microseconds(clockid_t clock) {
    timespec now{};
    if (clock_gettime(clock, &now) != 0) return -1;
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

void BM_CancelLatency40x30(benchmark::State& state) {
    const solver::Clues clues = solver::cluesOfGrid(pictureToCancel(static_cast<int>(state.range(0))));
    constexpr int kRuns = 30;
    std::vector<double> latencies, wallLatencies;
    int finishedFirst = 0;
    for (auto _ : state) {
        for (int run = 0; run < kRuns; ++run) {
            // From 0.1 ms to about 0.9 s, spread over the search's phases:
            // the first propagation, the first probing round, deep search
            // and the race beside it.
            const auto delay = std::chrono::microseconds(static_cast<int>(100 * std::pow(1.4, run % 28)));
            std::atomic<bool> cancel{false};
            std::atomic<bool> returned{false};
            double returnedAt = 0, returnedWallAt = 0;
            solver::Verdict verdict = solver::Verdict::Undecided;
            std::thread solving([&] {
                verdict = solver::solvePuzzle(clues, solver::Budget::forSeconds(600, &cancel)).verdict;
                returnedAt = microseconds(CLOCK_PROCESS_CPUTIME_ID);
                returnedWallAt = microseconds(CLOCK_MONOTONIC);
                returned.store(true);
            });
            std::this_thread::sleep_for(delay);
            const double ownBefore = microseconds(CLOCK_THREAD_CPUTIME_ID);
            const double setAt = microseconds(CLOCK_PROCESS_CPUTIME_ID);
            const double setWallAt = microseconds(CLOCK_MONOTONIC);
            cancel.store(true);
            while (!returned.load()) std::this_thread::sleep_for(std::chrono::microseconds(50));
            const double ownMeanwhile = microseconds(CLOCK_THREAD_CPUTIME_ID) - ownBefore;
            solving.join();
            if (verdict != solver::Verdict::Undecided || setAt < 0) {
                ++finishedFirst;
                continue;
            }
            latencies.push_back(returnedAt - setAt - ownMeanwhile);
            wallLatencies.push_back(returnedWallAt - setWallAt);
            // Lets the clause thread of this run finish freeing its memory
            // before the next run, so that it does not count there.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    std::sort(latencies.begin(), latencies.end());
    std::sort(wallLatencies.begin(), wallLatencies.end());
    state.counters["cancelled"] = static_cast<double>(latencies.size());
    state.counters["finished_first"] = finishedFirst;
    state.counters["median_wall_us"] = wallLatencies.empty() ? 0 : wallLatencies[wallLatencies.size() / 2];
    state.counters["worst_wall_us"] = wallLatencies.empty() ? 0 : wallLatencies.back();
    state.counters["median_cpu_us"] = latencies.empty() ? 0 : latencies[latencies.size() / 2];
    state.counters["worst_cpu_us"] = latencies.empty() ? 0 : latencies.back();
}
BENCHMARK(BM_CancelLatency40x30)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
