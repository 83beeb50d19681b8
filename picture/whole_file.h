#pragma once
// Reading a whole file into memory in one go, without Qt.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace mosarin {

// A picture library of 1000 pictures is 284 KB; anything this large is not
// one, and reading it would only exhaust memory.
constexpr std::size_t kMaxTextFileBytes = std::size_t(64) * 1024 * 1024;

enum class FileReadStatus { Ok, CannotOpen, NotRegular, TooLarge, ReadFailed };

struct FileReadResult {
    FileReadStatus status = FileReadStatus::CannotOpen;
    int systemError = 0;   // errno for CannotOpen and ReadFailed; EISDIR for a folder
    std::string bytes;     // the content when Ok
    std::int64_t modifiedNs = 0;  // the file's modification time when opened, in ns since the epoch
};

// Reads a regular file of at most `maxBytes`. The open never blocks (a pipe
// nobody writes to cannot hang the program) and folders, devices and pipes
// are refused as NotRegular.
FileReadResult readRegularFile(const std::filesystem::path& file, std::size_t maxBytes);

// The same, of a file already open as `descriptor`, read from its start.
FileReadResult readOpenRegularFile(int descriptor, std::size_t maxBytes);

// The same, for files of which only the beginning matters: a larger file is
// not refused, its first `maxBytes` bytes are the result.
FileReadResult readRegularFilePrefix(const std::filesystem::path& file, std::size_t maxBytes);

// The whole content of `file`, or nothing when it cannot be opened or is not
// a regular file (a folder, a device, a pipe). Throws std::runtime_error,
// naming the path, when reading fails after the open or the file is larger
// than kMaxTextFileBytes.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

}  // namespace mosarin
