#pragma once
// The reference a window's ordinary frame is measured against: two full
// copies of a frame of the window's size, as plain memcpy's.

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstring>

#include "shell/canvas.h"

namespace mosarin {

inline void copyTwoFrames(benchmark::State& bench, int width, int height) {
    QImage source = makeSurface(width, height);
    QImage first = makeSurface(width, height);
    QImage second = makeSurface(width, height);
    const size_t bytes = static_cast<size_t>(source.sizeInBytes());
    for (auto _ : bench) {
        std::memcpy(first.bits(), source.constBits(), bytes);
        std::memcpy(second.bits(), first.constBits(), bytes);
        benchmark::DoNotOptimize(second.constBits());
        benchmark::ClobberMemory();
    }
}

}  // namespace mosarin
