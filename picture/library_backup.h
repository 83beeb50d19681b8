#pragma once
// Keeping the original bytes of a damaged library file beside it, before any
// repaired version can be written over it.

#include <filesystem>
#include <string>
#include <string_view>

namespace mosarin {

struct BackupResult {
    std::filesystem::path path;  // empty when no copy could be kept
    std::string error;           // the reason, when path is empty
};

// Copies `original` (the bytes of `file`) to "<file>.original", or to
// "<file>.original-2", "-3", ... when that name is taken by different bytes.
// A backup that already holds exactly these bytes is reused, so reading the
// same damaged file again does not pile up copies.
BackupResult keepOriginalBeside(const std::filesystem::path& file, std::string_view original);

}  // namespace mosarin
