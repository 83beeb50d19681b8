#pragma once
// Replacing a whole file so that a crash, a full disk or a failed write never
// leaves it half-written: the bytes go to a temporary file in the same folder,
// which is flushed, synced and then renamed over the target.

#include <filesystem>
#include <string>
#include <string_view>

namespace mosarin {

// A target that is a symbolic link (or a chain of them) is written where the
// links lead, so the link itself stays a link; a dangling link creates the
// file it points to. The new file keeps the permission bits (and, where
// allowed, the owner) of the file it replaces; a new file gets 0644 less the
// umask.
// Returns false and fills `error` ("Cannot write file "PATH". REASON.") when
// anything fails; the previous file, if any, is then left as it was.
// `sync` may be turned off where durability does not matter (benchmarks).
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes, bool sync,
                         std::string& error);

}  // namespace mosarin
