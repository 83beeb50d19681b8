// The Pictures Editor: an ordinary frame of the real window on the largest
// board, set against copying two whole frames with memcpy, and a save
// (guardapint with its synced rewrite) of a full 1000-picture library.
#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/frame_copy_reference.h"
#include "bench/bench_platform.h"
#include "editor/editor_board.h"
#include "editor/picture_store.h"
#include "editor/tfcpintura.h"
#include "picture/library_file.h"
#include "picture/packed_rows.h"
#include "shell/canvas.h"

namespace mosarin {
namespace {

// A program folder of its own under the system's temp folder, with files/,
// removed at exit.
class BenchFolder {
public:
    BenchFolder() : path_(std::filesystem::temp_directory_path() / ("mosarin-editor-bench-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_ / "files");
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path libraryFile() const { return path_ / "files" / "pictures.txt"; }
    QString programFolder() const { return QString::fromStdString(path_.string()) + QLatin1Char('/'); }

private:
    std::filesystem::path path_;
};

TPictureRecord fullBoardPicture(int n) {
    CellGrid grid;
    for (int column = 1; column <= kMaxWidth; ++column) {
        for (int row = 1; row <= kMaxHeight; ++row) grid.at(column, row) = (column * row + n) % 3 == 0;
    }
    TPictureRecord record;
    record.packedRows = packRows(grid);
    record.width = kMaxWidth;
    record.height = kMaxHeight;
    record.colors = {0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu};
    return record;
}

void BM_EditorCopyTwoFrames(benchmark::State& bench) { copyTwoFrames(bench, kEditorClientWidth, kEditorClientHeight); }
BENCHMARK(BM_EditorCopyTwoFrames)->Unit(benchmark::kMicrosecond);

// The real window's frame: every cell of a 40 x 30 board filled, the cross
// on a cell, the frame handed to Image1 as the timer tick does.
void BM_EditorOrdinaryFrame(benchmark::State& bench) {
    BenchFolder folder;
    static TPictureLibrary library;   // too large for the stack
    library.slots[1] = fullBoardPicture(1);
    library.count = 1;
    LibraryFileGuard guard;  // a new folder: no library there yet
    if (!writeLibraryFile(folder.libraryFile(), library, guard).ok) {
        bench.SkipWithError("cannot write the bench library");
        return;
    }
    BenchPlatform platform;
    TFcpintura editor(platform, folder.programFolder());
    EditorState& state = editor.state();
    for (int column = 1; column <= kMaxWidth; ++column) {
        for (int row = 1; row <= kMaxHeight; ++row) state.cells.at(column, row) = 1;
    }
    state.hoverColumn = 16;
    state.hoverRow = 10;
    editor.mostrar();   // builds the static layer once
    for (auto _ : bench) {
        state.redrawPending = true;
        editor.Timer1Timer();
        benchmark::DoNotOptimize(editor.surface().frameImage.constBits());
    }
    if (state.boardStale || platform.errors != 0) bench.SkipWithError("the frame was not an ordinary one");
}
BENCHMARK(BM_EditorOrdinaryFrame)->Unit(benchmark::kMicrosecond);

// "Save" on picture 500 of 1000: pack, store, rewrite the file and sync it.
void BM_EditorSaveFullLibrary(benchmark::State& bench) {
    BenchFolder folder;
    static EditorState state;   // too large for the stack
    for (int n = 1; n <= kMaxPictures; ++n) state.library.slots[n] = fullBoardPicture(n);
    state.library.count = kMaxPictures;
    state.currentPicture = 500;
    asignarpintura(state, 500);
    for (auto _ : bench) {
        state.cells.at(1, 1) = 1 - state.cells.at(1, 1);
        const Notices notices = guardapint(state, folder.libraryFile());
        if (hasError(notices)) {
            bench.SkipWithError(notices.front().text.c_str());
            return;
        }
    }
    bench.counters["fileBytes"] = static_cast<double>(std::filesystem::file_size(folder.libraryFile()));
}
BENCHMARK(BM_EditorSaveFullLibrary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosarin
