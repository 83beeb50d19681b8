// Fair random pictures: one 40 x 30 picture with exactly one solution, of
// each grade, from a generator whose state runs on across iterations so
// that every iteration makes a different picture; the counters give the
// cells repaired per picture.
#include <benchmark/benchmark.h>

#include <random>

#include "puzzles/fair_picture.h"

namespace mosarin {
namespace {

void BM_FairPicture40x30(benchmark::State& state) {
    const FairGrade grade = state.range(0) == 0 ? FairGrade::Any : FairGrade::LineLogic;
    std::mt19937_64 random(20261209);
    double repairs = 0;
    for (auto _ : state) {
        const FairPicture picture = generateFairPicture(40, 30, grade, random);
        repairs += picture.repairs;
        benchmark::DoNotOptimize(picture.cells.data());
    }
    state.counters["repairs"] = benchmark::Counter(repairs, benchmark::Counter::kAvgIterations);
    state.SetLabel(grade == FairGrade::Any ? "any grade" : "line logic");
}
BENCHMARK(BM_FairPicture40x30)->Arg(0)->Arg(1)->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
