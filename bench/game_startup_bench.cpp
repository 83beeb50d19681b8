// Start-up in-process: creating the game window (asset files read and
// checked, library read) and the editor window, then composing the first
// frame, which decodes the start screen's pictures. Uses the files/ and
// images/ laid beside the build's executables.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/bench_platform.h"
#include "editor/tfcpintura.h"
#include "game/tfjuego.h"
#include "shell/app_info.h"

namespace mosarin {
namespace {

void BM_StartUp(benchmark::State& state) {
    BenchPlatform platform;
    for (auto _ : state) {
        Tfjuego game(platform, programFolder());
        TFcpintura editor(platform, programFolder());
        game.setEditorWindow(&editor);
        game.Timer1Timer();
        benchmark::DoNotOptimize(game.surface().frameImage.constBits());
    }
    if (platform.errors != 0) state.SkipWithError("start-up reported errors: are files/ and images/ laid out?");
    Tfjuego probe(platform, programFolder());
    state.counters["pictures"] = probe.state().library.count;
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
