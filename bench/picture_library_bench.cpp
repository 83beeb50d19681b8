// Reading and writing a full picture library (1000 pictures, 284 KB), and
// packing and unpacking one picture.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "picture/library_file.h"
#include "picture/packed_rows.h"

namespace mosarin {
namespace {

std::string randomPacked(std::mt19937& random) {
    std::uniform_int_distribution<int> code(64, 95);
    std::string packed(kPackedLength, kEmptyGroup);
    for (char& c : packed) c = static_cast<char>(code(random));
    return packed;
}

TPictureLibrary fullLibrary() {
    std::mt19937 random(1000);
    std::uniform_int_distribution<Color> color(0, 0x00FFFFFF);
    TPictureLibrary library;
    library.count = kMaxPictures;
    for (int n = 1; n <= kMaxPictures; ++n) {
        TPictureRecord& record = library.slots[n];
        record.packedRows = randomPacked(random);
        record.width = 1 + n % kMaxWidth;
        record.height = 1 + n % kMaxHeight;
        for (Color& c : record.colors) c = color(random);
    }
    return library;
}

// A folder of its own under the system's temp folder, removed at exit.
class BenchFolder {
public:
    BenchFolder()
        : path_(std::filesystem::temp_directory_path() / ("mosarin-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path file(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

BenchFolder& folder() {
    static BenchFolder instance;
    return instance;
}

void BM_ReadLibrary1000(benchmark::State& state) {
    const std::filesystem::path file = folder().file("read.txt");
    if (!writeLibraryFile(file, fullLibrary(), *std::make_unique<LibraryFileGuard>(guardOfFileAsItIs(file)), false).ok) throw std::runtime_error("cannot set up " + file.string());
    // A window reads into the library it already owns, as here.
    static TPictureLibrary library;
    for (auto _ : state) {
        LibraryReadReport report = readLibraryFile(file, library);
        benchmark::DoNotOptimize(report);
        if (library.count != kMaxPictures || report.damaged()) state.SkipWithError("unexpected read result");
    }
    state.SetBytesProcessed(state.iterations() * kMaxPictures * (kPictureLineLength + 2));
}
BENCHMARK(BM_ReadLibrary1000)->Unit(benchmark::kMicrosecond);

void writeLibrary(benchmark::State& state, bool sync) {
    static const TPictureLibrary library = fullLibrary();
    const std::filesystem::path file = folder().file(sync ? "synced.txt" : "write.txt");
    // Each save checks first that the file is still the one it last wrote.
    LibraryFileGuard guard = guardOfFileAsItIs(file);
    for (auto _ : state) {
        if (!writeLibraryFile(file, library, guard, sync).ok) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * kMaxPictures * (kPictureLineLength + 2));
}

void BM_WriteLibrary1000(benchmark::State& state) { writeLibrary(state, false); }
BENCHMARK(BM_WriteLibrary1000)->Unit(benchmark::kMicrosecond);

// The part of a write that is this program's own work, without the file system.
void BM_FormatLibrary1000(benchmark::State& state) {
    static const TPictureLibrary library = fullLibrary();
    std::string bytes;
    for (auto _ : state) {
        bytes.clear();
        for (int n = 1; n <= library.count; ++n) bytes += formatPictureLine(library.slots[n]);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_FormatLibrary1000)->Unit(benchmark::kMicrosecond);

// For information only: the cost of making the write durable depends on the disk.
void BM_WriteLibrary1000Synced(benchmark::State& state) { writeLibrary(state, true); }
BENCHMARK(BM_WriteLibrary1000Synced)->Unit(benchmark::kMicrosecond);

void BM_PackRows(benchmark::State& state) {
    std::mt19937 random(7);
    CellGrid grid;
    unpackRows(randomPacked(random), grid);
    for (auto _ : state) benchmark::DoNotOptimize(packRows(grid));
}
BENCHMARK(BM_PackRows);

void BM_UnpackRows(benchmark::State& state) {
    std::mt19937 random(7);
    const std::string packed = randomPacked(random);
    CellGrid grid;
    for (auto _ : state) {
        unpackRows(packed, grid);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_UnpackRows);

}  // namespace
}  // namespace mosarin
