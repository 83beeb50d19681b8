// Decoding JPEG pictures of the sizes the program shows.
#include <QBuffer>
#include <QImage>
#include <benchmark/benchmark.h>

#include "shell/jpeg_decoder.h"

namespace {

QByteArray jpegOf(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb((x * 3) & 255, (y * 2) & 255, ((x + y) * 5) & 255));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

void BM_DecodeJpeg(benchmark::State& state) {
    const QByteArray bytes = jpegOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(mosarin::decodeJpeg(bytes));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(BM_DecodeJpeg)->Args({780, 555})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
