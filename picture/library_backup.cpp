#include "picture/library_backup.h"

#include <system_error>

#include "picture/atomic_file.h"
#include "picture/whole_file.h"

namespace mosarin {

namespace {

// Enough for any real history of damaged files, and a bound that keeps a
// folder full of stale backups from turning into an endless search.
constexpr int kMaxBackupNames = 1000;

std::filesystem::path backupName(const std::filesystem::path& file, int attempt) {
    std::filesystem::path name = file;
    name += ".original";
    if (attempt > 1) name += "-" + std::to_string(attempt);
    return name;
}

bool holdsExactly(const std::filesystem::path& candidate, std::string_view bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(candidate, ec)) return false;
    if (std::filesystem::file_size(candidate, ec) != bytes.size() || ec) return false;
    try {
        const std::optional<std::string> content = readWholeFile(candidate);
        return content && *content == bytes;
    } catch (const std::exception&) {
        return false;  // an unreadable backup is simply not the one to reuse
    }
}

}  // namespace

BackupResult keepOriginalBeside(const std::filesystem::path& file, std::string_view original) {
    for (int attempt = 1; attempt <= kMaxBackupNames; ++attempt) {
        const std::filesystem::path candidate = backupName(file, attempt);
        std::error_code ec;
        const bool taken = std::filesystem::symlink_status(candidate, ec).type() !=
                           std::filesystem::file_type::not_found;
        if (taken) {
            if (holdsExactly(candidate, original)) return {candidate, {}};
            continue;
        }
        std::string error;
        if (writeFileAtomically(candidate, original, /*sync=*/true, error)) return {candidate, {}};
        return {{}, error};
    }
    return {{}, "Every backup name up to \"" + backupName(file, kMaxBackupNames).string() + "\" is taken."};
}

}  // namespace mosarin
