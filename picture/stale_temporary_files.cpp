#include "picture/stale_temporary_files.h"

#include <cerrno>
#include <csignal>
#include <system_error>

namespace mosarin {

namespace {

constexpr std::string_view kMarker = ".tmp-";
constexpr std::size_t kMaxPidDigits = 10;

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// "Pic" digits "Date" four digits "Time" four digits, then ".gpe" or ".pgu".
bool isDatedPictureFile(std::string_view name) {
    if (!name.starts_with("Pic") || !(name.ends_with(".gpe") || name.ends_with(".pgu"))) return false;
    name = name.substr(3, name.size() - 7);
    const std::size_t date = name.find("Date");
    if (date == std::string_view::npos || !allDigits(name.substr(0, date))) return false;
    const std::string_view rest = name.substr(date + 4);
    return rest.size() == 12 && allDigits(rest.substr(0, 4)) && rest.substr(4, 4) == "Time" &&
           allDigits(rest.substr(8, 4));
}

// The library, and the copies kept of a damaged one ("pictures.txt.original",
// "pictures.txt.original-2", ...).
bool isLibraryFile(std::string_view name) {
    if (name == "pictures.txt" || name == "pictures.txt.original") return true;
    constexpr std::string_view numbered = "pictures.txt.original-";
    return name.starts_with(numbered) && allDigits(name.substr(numbered.size()));
}

bool processRuns(long pid) {
    // EPERM: it runs, under another user.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

long temporaryFileOwner(std::string_view name) {
    const std::size_t marker = name.rfind(kMarker);
    if (marker == std::string_view::npos) return 0;
    const std::string_view digits = name.substr(marker + kMarker.size());
    if (!allDigits(digits) || digits.size() > kMaxPidDigits) return 0;
    const std::string_view target = name.substr(0, marker);
    if (!isLibraryFile(target) && !isDatedPictureFile(target)) return 0;
    long pid = 0;
    for (char c : digits) pid = pid * 10 + (c - '0');
    return pid;
}

int removeStaleTemporaryFiles(const std::filesystem::path& folder) {
    int removed = 0;
    std::error_code ec;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, ec);
    for (; !ec && entries != std::filesystem::directory_iterator(); entries.increment(ec)) {
        const long pid = temporaryFileOwner(entries->path().filename().string());
        if (pid <= 0 || processRuns(pid)) continue;
        std::error_code kind;
        // Never follow a link: only a plain file of ours is removed.
        if (!entries->is_regular_file(kind) || entries->is_symlink(kind)) continue;
        std::error_code gone;
        if (std::filesystem::remove(entries->path(), gone)) ++removed;
    }
    return removed;
}

}  // namespace mosarin
