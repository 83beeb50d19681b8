#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace mosarin::fuzz {

namespace {

struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        // In memory where the system offers it: the readers' backups sync
        // what they write, which on a disk costs more than the reading itself.
        std::error_code ec;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(memory, ec) ? memory : std::filesystem::temp_directory_path();
        path = base / ("mosarin-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const std::filesystem::path& scratchFolder() {
    static ScratchFolder folder;
    return folder.path;
}

std::filesystem::path writeScratchFile(const char* name, std::string_view bytes) {
    const std::filesystem::path file = scratchFolder() / name;
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) std::abort();
    if (std::fclose(out) != 0) std::abort();
    return file;
}

}  // namespace mosarin::fuzz
