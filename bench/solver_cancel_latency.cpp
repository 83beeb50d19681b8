// How much CPU time the solver spends after its cancel flag is set, until it
// returns: what an editor's F7 check costs once the user paints again. One
// thread solves a hard 40 x 30 picture; this thread sets the flag after a
// delay that varies from run to run, reading the solver thread's CPU clock
// just before. The solver thread reads the same clock as it returns. The
// difference is CPU time only, so waiting for a core on a busy machine does
// not count. Counters: the median and the worst over the runs in
// microseconds, and how many runs were cancelled (a run that finished before
// its flag was set measures nothing and is left out).
#include <benchmark/benchmark.h>
#include <pthread.h>

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

// 0 and 1: diagonal bands of period 4 and 5 (undecided for minutes),
// 2: a checkerboard (two solutions, found within milliseconds),
// 3: a sparse random picture (20 % filled; several solutions, found in
// about 0.2 s).
solver::Grid pictureToCancel(int which) {
    switch (which) {
    case 0: return bench::halfBands(4, 0);
    case 1: return bench::halfBands(5, 0);
    case 2: return bench::checkerboard();
    default: return bench::sparseRandom();
    }
}

double threadCpuMicroseconds(clockid_t clock) {
    timespec now{};
    if (clock_gettime(clock, &now) != 0) return -1;
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

void BM_CancelLatency40x30(benchmark::State& state) {
    const solver::Clues clues = solver::cluesOfGrid(pictureToCancel(static_cast<int>(state.range(0))));
    constexpr int kRuns = 30;
    std::vector<double> latencies;
    int finishedFirst = 0;
    for (auto _ : state) {
        for (int run = 0; run < kRuns; ++run) {
            // From 0.1 ms to about 60 ms, spread over the search's phases:
            // the first propagation, the first probing round, deep search.
            const auto delay = std::chrono::microseconds(static_cast<int>(100 * std::pow(1.25, run % 29)));
            std::atomic<bool> cancel{false};
            std::atomic<bool> returned{false};
            std::atomic<bool> mayExit{false};
            double returnedAt = 0;
            solver::Verdict verdict = solver::Verdict::Undecided;
            std::thread solving([&] {
                verdict = solver::solvePuzzle(clues, solver::Budget::forSeconds(600, &cancel)).verdict;
                returnedAt = threadCpuMicroseconds(CLOCK_THREAD_CPUTIME_ID);
                returned.store(true);
                // Alive until the other thread is done reading this thread's clock.
                while (!mayExit.load()) std::this_thread::sleep_for(std::chrono::microseconds(20));
            });
            clockid_t solverClock{};
            pthread_getcpuclockid(solving.native_handle(), &solverClock);
            std::this_thread::sleep_for(delay);
            const double setAt = threadCpuMicroseconds(solverClock);
            cancel.store(true);
            while (!returned.load()) std::this_thread::sleep_for(std::chrono::microseconds(50));
            mayExit.store(true);
            solving.join();
            if (verdict != solver::Verdict::Undecided || setAt < 0) {
                ++finishedFirst;
                continue;
            }
            latencies.push_back(returnedAt - setAt);
        }
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["cancelled"] = static_cast<double>(latencies.size());
    state.counters["finished_first"] = finishedFirst;
    state.counters["median_cpu_us"] = latencies.empty() ? 0 : latencies[latencies.size() / 2];
    state.counters["worst_cpu_us"] = latencies.empty() ? 0 : latencies.back();
}
BENCHMARK(BM_CancelLatency40x30)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
