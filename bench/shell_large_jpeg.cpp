// Decoding cost of 64-megapixel JPEG files through the guide image's loader:
// real photographs, baseline and progressive, against a crafted progressive
// file of 2 KB that claims the same size and asks for 99 passes
// over its blocks. The files are made at start-up by cjpeg (libjpeg-turbo-progs)
// from a synthetic photograph of our own, in a temporary folder, or in the
// folder MOSARIN_JPEG_BENCH_FOLDER names, where they are then kept.
#include <benchmark/benchmark.h>

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "picture/mosarin_error.h"
#include "shell/jpeg_decoder.h"

namespace {

constexpr int kSide = 8192;  // 64 megapixels, the largest image the program loads

struct Files {
    std::filesystem::path folder, baseline, progressive, crafted;
    bool made = false, kept = false;
    ~Files() {
        std::error_code ignored;
        if (!folder.empty() && !kept) std::filesystem::remove_all(folder, ignored);
    }
};

// Sky-like gradients, edges of a few shapes and sensor-like noise: content an
// encoder has to work at, unlike a flat or regular pattern.
void writePhotoRows(std::FILE* out) {
    std::mt19937 noise(7);
    std::vector<unsigned char> row(std::size_t(kSide) * 3);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double fx = x / double(kSide), fy = y / double(kSide);
            const bool disc = std::hypot(fx - 0.6, fy - 0.4) < 0.2, hill = fy > 0.7 + 0.1 * std::sin(fx * 9);
            double r = 90 + 120 * fy, g = 140 + 60 * fx, b = 230 - 80 * fy;
            if (disc) r = 235, g = 190 + 30 * std::sin(fx * 200), b = 60;
            if (hill) r = 60 + 40 * std::sin(fx * 50 + fy * 70), g = 110 + 30 * std::sin(fy * 300), b = 40;
            const int n = int(noise() % 17) - 8;
            unsigned char* p = &row[std::size_t(x) * 3];
            p[0] = (unsigned char)std::clamp(int(r) + n, 0, 255);
            p[1] = (unsigned char)std::clamp(int(g) + n, 0, 255);
            p[2] = (unsigned char)std::clamp(int(b) + n, 0, 255);
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
}

void writeFlatRows(std::FILE* out) {
    const std::vector<unsigned char> row(std::size_t(kSide) * 3, 128);
    for (int y = 0; y < kSide; ++y) std::fwrite(row.data(), 1, row.size(), out);
}

bool encode(const std::string& options, const std::filesystem::path& file, void (*rows)(std::FILE*)) {
    const std::string command = "cjpeg " + options + " -outfile '" + file.string() + "'";
    std::FILE* pipe = ::popen(command.c_str(), "w");
    if (!pipe) return false;
    std::fprintf(pipe, "P6\n%d %d\n255\n", kSide, kSide);
    rows(pipe);
    return ::pclose(pipe) == 0 && std::filesystem::file_size(file) > 0;
}

const Files& files() {
    static Files f = [] {
        Files made;
        const char* keepIn = std::getenv("MOSARIN_JPEG_BENCH_FOLDER");
        made.kept = keepIn != nullptr;
        made.folder = made.kept ? std::filesystem::path(keepIn)
                                : std::filesystem::temp_directory_path() /
                                      ("mosarin-bench-jpeg-" + std::to_string(::getpid()));
        std::filesystem::create_directories(made.folder);
        made.baseline = made.folder / "photo_baseline.jpg";
        made.progressive = made.folder / "photo_progressive.jpg";
        made.crafted = made.folder / "crafted.jpg";
        // The crafted file: a flat image whose AC coefficients get a scan
        // each, as many valid scans as cjpeg writes (100), arithmetic-coded
        // so that each costs a few bytes and the decoder work on every block.
        const auto script = made.folder / "scans.txt";
        std::ofstream scans(script);
        scans << "0,1,2: 0 0 0 0;\n";
        for (int scan = 0; scan < 99; ++scan) {
            const int component = scan / 63, k = 1 + scan % 63;
            scans << component << ": " << k << " " << k << " 0 0;\n";
        }
        scans.close();
        made.made = encode("-quality 90", made.baseline, writePhotoRows) &&
                    encode("-quality 90 -progressive", made.progressive, writePhotoRows) &&
                    encode("-arithmetic -scans '" + script.string() + "'", made.crafted, writeFlatRows);
        return made;
    }();
    return f;
}

void decode(benchmark::State& state, std::filesystem::path Files::*which, bool refused) {
    if (!files().made) {
        state.SkipWithError("cjpeg (libjpeg-turbo-progs) could not make the test files");
        return;
    }
    const std::filesystem::path& file = files().*which;
    const QString path = QString::fromStdString(file.string());
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(mosarin::decodeJpegFileBgr888(path));
            if (refused) state.SkipWithError("the crafted file was decoded");
        } catch (const mosarin::MosarinError& error) {
            if (!refused) state.SkipWithError(error.what());
        }
    }
    state.counters["file_kB"] = double(std::filesystem::file_size(file)) / 1024;
}

void BM_Photo64MpxBaseline(benchmark::State& state) { decode(state, &Files::baseline, false); }
void BM_Photo64MpxProgressive(benchmark::State& state) { decode(state, &Files::progressive, false); }
void BM_Crafted64MpxManyScansRefused(benchmark::State& state) { decode(state, &Files::crafted, true); }
BENCHMARK(BM_Photo64MpxBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Photo64MpxProgressive)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Crafted64MpxManyScansRefused)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
