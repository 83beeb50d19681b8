// The library reader on any file: whatever it keeps is a valid picture, and
// the library it read, written and read again, is the same and undamaged.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "fuzz/fuzz_support.h"
#include "picture/library_file.h"

namespace {

void checkRecord(const mosarin::TPictureRecord& record) {
    if (record.width < 1 || record.width > mosarin::kMaxWidth) std::abort();
    if (record.height < 1 || record.height > mosarin::kMaxHeight) std::abort();
    if (record.packedRows.size() != 240) std::abort();
    for (char c : record.packedRows)
        if (c < 64 || c > 95) std::abort();
}

// A colour too long for its eight digits (only a hand-edited file brings one
// in) is written as its low 24 bits.
mosarin::Color asWritten(mosarin::Color color) { return color > 99999999u ? color & 0x00FFFFFFu : color; }

bool sameRecords(const mosarin::TPictureLibrary& a, const mosarin::TPictureLibrary& b) {
    if (a.count != b.count) return false;
    for (int slot = 1; slot <= a.count; ++slot) {
        const auto &x = a.slots[slot], &y = b.slots[slot];
        if (x.packedRows != y.packedRows || x.width != y.width || x.height != y.height) return false;
        for (int i = 0; i < mosarin::kColorSlots; ++i)
            if (asWritten(x.colors[i]) != y.colors[i]) return false;
    }
    return true;
}

// Only the two files of one run are kept: backups of damaged libraries go.
void clearScratch() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(mosarin::fuzz::scratchFolder(), ignored))
        std::filesystem::remove(entry.path(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    clearScratch();
    const auto file = mosarin::fuzz::writeScratchFile("pictures.txt", mosarin::fuzz::asText(data, size));
    auto library = std::make_unique<mosarin::TPictureLibrary>();
    const mosarin::LibraryReadReport report = mosarin::readLibraryFile(file, *library);
    if (!report.opened || library->count < 0 || library->count > mosarin::kMaxPictures) std::abort();
    for (int slot = 1; slot <= library->count; ++slot) checkRecord(library->slots[slot]);
    if (report.damaged() && report.backupPath.empty()) std::abort();

    const auto rewritten = mosarin::fuzz::scratchFolder() / "rewritten.txt";
    mosarin::LibraryFileGuard guard;  // the scratch folder was cleared: no file there
    if (!mosarin::writeLibraryFile(rewritten, *library, guard, false).ok) std::abort();
    auto again = std::make_unique<mosarin::TPictureLibrary>();
    const mosarin::LibraryReadReport second = mosarin::readLibraryFile(rewritten, *again);
    if (second.damaged() || !sameRecords(*library, *again)) std::abort();
    return 0;
}
