// Reading a full library whatever its line ends, and importing one picture
// into a library of 999 (the largest import that fits).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "picture/atomic_file.h"
#include "picture/exchange_file.h"
#include "picture/library_file.h"

namespace mosarin {
namespace {

// A valid picture line for picture n, without its line end.
std::string lineBody(int n) {
    TPictureRecord record{std::string(240, static_cast<char>('@' + n % 32)), 1 + n % 40, 1 + n % 30, {}};
    for (int slot = 0; slot < kColorSlots; ++slot) record.colors[slot] = static_cast<Color>(n * 7919 + slot);
    const std::string line = formatPictureLine(record);
    return line.substr(0, line.size() - 2);
}

std::string libraryText(int count, const char* lineEnd) {
    std::string text;
    for (int n = 1; n <= count; ++n) text += lineBody(n) + lineEnd;
    return text;
}

std::filesystem::path benchFile(const char* name, const std::string& bytes) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("mosarin-bench-exchange-" + std::to_string(::getpid()) + name);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot set up " + file.string());
    return file;
}

// Each kind of line end must cost about the same: a reader that searched the
// rest of the file for an LF at every CR-only line would be a thousand times slower.
void readLibraryWithLineEnds(benchmark::State& state, const char* lineEnd) {
    const std::filesystem::path file = benchFile("-read.txt", libraryText(kMaxPictures, lineEnd));
    static TPictureLibrary library;
    for (auto _ : state) {
        LibraryReadReport report = readLibraryFile(file, library);
        benchmark::DoNotOptimize(report);
        if (library.count != kMaxPictures || report.damaged()) state.SkipWithError("unexpected read result");
    }
    std::filesystem::remove(file);
}
BENCHMARK_CAPTURE(readLibraryWithLineEnds, CrLf, "\r\n")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readLibraryWithLineEnds, CrOnly, "\r")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(readLibraryWithLineEnds, LfOnly, "\n")->Unit(benchmark::kMicrosecond);

// Reading both files, checking every line, and rewriting the library
// (without the disk sync, whose cost is the disk's).
void BM_ImportOneInto999(benchmark::State& state) {
    const std::string library = libraryText(kMaxPictures - 1, "\r\n");
    const std::filesystem::path libraryFile = benchFile("-library.txt", library);
    const std::filesystem::path exchangeFile = benchFile("-in.gpe", libraryText(1, "\r\n"));
    for (auto _ : state) {
        state.PauseTiming();
        std::string error;  // the library back to 999 pictures, replaced the way the program replaces it
        if (!writeFileAtomically(libraryFile, library, false, error)) state.SkipWithError(error.c_str());
        LibraryFileGuard guard = guardOfFileAsItIs(libraryFile);  // the editor's, from its last read
        state.ResumeTiming();
        const ImportOutcome outcome = importExchangeFile(libraryFile, exchangeFile, guard, /*sync=*/false);
        if (outcome.status != ImportStatus::Imported || outcome.libraryCount != kMaxPictures)
            state.SkipWithError("unexpected import result");
    }
    std::filesystem::remove(libraryFile);
    std::filesystem::remove(exchangeFile);
}
BENCHMARK(BM_ImportOneInto999)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mosarin
