#pragma once
// What a window last knew of the picture library file, and the one checked
// way to rewrite it. A window never writes a library it could not read, nor
// one that another program (a second running copy, say) changed since this
// window last read or wrote it: either would silently lose pictures.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "picture/whole_file.h"

namespace mosarin {

// The identity of a file's content as read or written: its size, its
// modification time and a hash of its bytes. Time and size alone can miss a
// rewrite within one clock tick; the hash alone would miss nothing but costs
// a read, which the check makes anyway.
struct FileFingerprint {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t hash = 0;
    bool operator==(const FileFingerprint&) const = default;
};

std::uint64_t hashBytes(std::string_view bytes);

struct LibraryFileGuard {
    enum class Knowledge {
        Absent,      // no file there as far as this window knows (not read yet, or the read found none)
        Read,        // read or written: `fingerprint` and `pictures` describe it
        Unreadable,  // the last read failed for another reason than a missing file
    };
    Knowledge knowledge = Knowledge::Absent;
    FileFingerprint fingerprint;
    int pictures = 0;        // picture lines in the file at that read or write (0 unless Read)
    std::string failure;     // when Unreadable: the path and the system's reason, as a sentence

    bool unreadable() const { return knowledge == Knowledge::Unreadable; }
    void noteAbsent();
    void noteRead(const FileFingerprint& read, int picturesRead);
    void noteUnreadable(std::string why);
};

enum class LibraryWriteStatus {
    Written,
    Unreadable,  // the file could not be read (now or at the last read): nothing written
    Changed,     // the file is not what this window last read or wrote: nothing written
    Failed,      // the write itself failed; the old file is whole
};

struct LibraryWriteResult {
    bool ok = false;    // status == Written
    LibraryWriteStatus status = LibraryWriteStatus::Failed;
    std::string error;  // for the user when not Written: what happened, the path and the reason
};

// A guard that takes the file as it is now, for tools, benchmarks and tests
// that set a file up themselves. A window's guard comes from its own reads.
LibraryFileGuard guardOfFileAsItIs(const std::filesystem::path& file);

// "The picture library "PATH" could not be read: REASON." for a read that
// failed other than by finding no file.
std::string libraryReadFailure(const std::filesystem::path& file, const FileReadResult& read);
// "The picture library "PATH" was changed by another program since it was
// last read here. Nothing was written to it."
std::string libraryChangedMessage(const std::filesystem::path& file);
// True when `read` found no file there: a new library starts.
bool foundNoFile(const FileReadResult& read);

// The library file as it is now, checked against `guard`. On Written (the
// file is what the guard knew) `bytes` holds its content; a read that fails
// now marks the guard Unreadable.
struct LibraryCheck {
    LibraryWriteResult result;
    std::string bytes;
};
LibraryCheck checkLibraryUnchanged(const std::filesystem::path& file, LibraryFileGuard& guard);

// The checked rewrite every writer of the library goes through: refuses when
// the guard says the file could not be read or the file changed since; first
// removes the temporary files of saves that were killed; then writes `bytes`
// atomically (writeFileAtomically) and records them in the guard as the
// file's content of `pictures` lines.
LibraryWriteResult rewriteLibraryFile(const std::filesystem::path& file, std::string_view bytes, int pictures,
                                      LibraryFileGuard& guard, bool sync = true);

}  // namespace mosarin
