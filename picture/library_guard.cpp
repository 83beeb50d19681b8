#include "picture/library_guard.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "picture/atomic_file.h"
#include "picture/stale_temporary_files.h"

namespace mosarin {

namespace {

std::string quoted(const std::filesystem::path& file) { return "\"" + file.string() + "\""; }

LibraryWriteResult refused(LibraryWriteStatus status, std::string error) { return {false, status, std::move(error)}; }

}  // namespace

std::string libraryChangedMessage(const std::filesystem::path& file) {
    return "The picture library " + quoted(file) +
           " was changed by another program since it was last read here. Nothing was written to it.";
}

namespace {

std::string unreadableText(const LibraryFileGuard& guard) {
    return guard.failure + " Nothing is written to it until it can be read again.";
}

FileFingerprint fingerprintOf(std::string_view bytes, std::int64_t modifiedNs) {
    return {bytes.size(), modifiedNs, hashBytes(bytes)};
}

// The modification time the file has now (after our own rename), or 0.
std::int64_t modifiedNow(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return 0;
    return std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// The folder the temporary files go to: the one the links lead to.
std::filesystem::path writtenFolder(const std::filesystem::path& file) {
    std::error_code ec;
    const std::filesystem::path real = std::filesystem::weakly_canonical(file, ec);
    return (ec ? file : real).parent_path();
}

}  // namespace

std::uint64_t hashBytes(std::string_view bytes) {
    // FNV-1a over 64-bit words and the tail bytes: a library of 1000 pictures
    // is 284 KB, hashed in well under a millisecond.
    constexpr std::uint64_t kPrime = 0x100000001b3ull;
    std::uint64_t hash = 0xcbf29ce484222325ull;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        hash = (hash ^ word) * kPrime;
        hash ^= hash >> 29;
    }
    for (; i < bytes.size(); ++i) hash = (hash ^ static_cast<unsigned char>(bytes[i])) * kPrime;
    return hash ^ bytes.size();
}

void LibraryFileGuard::noteAbsent() {
    knowledge = Knowledge::Absent;
    fingerprint = {};
    pictures = 0;
    failure.clear();
}

void LibraryFileGuard::noteRead(const FileFingerprint& read, int picturesRead) {
    knowledge = Knowledge::Read;
    fingerprint = read;
    pictures = picturesRead;
    failure.clear();
}

void LibraryFileGuard::noteUnreadable(std::string why) {
    knowledge = Knowledge::Unreadable;
    fingerprint = {};
    pictures = 0;
    failure = std::move(why);
}

LibraryFileGuard guardOfFileAsItIs(const std::filesystem::path& file) {
    LibraryFileGuard guard;
    const FileReadResult now = readRegularFile(file, kMaxTextFileBytes);
    if (now.status == FileReadStatus::Ok) {
        guard.noteRead(fingerprintOf(now.bytes, now.modifiedNs), 0);
    } else if (!foundNoFile(now)) {
        guard.noteUnreadable(libraryReadFailure(file, now));
    }
    return guard;
}

bool foundNoFile(const FileReadResult& read) {
    return read.status == FileReadStatus::CannotOpen && (read.systemError == ENOENT || read.systemError == ENOTDIR);
}

std::string libraryReadFailure(const std::filesystem::path& file, const FileReadResult& read) {
    std::string reason;
    switch (read.status) {
    case FileReadStatus::NotRegular:
        reason = read.systemError == EISDIR ? "it is a folder" : "it is not a regular file";
        break;
    case FileReadStatus::TooLarge:
        reason = "it is larger than 64 MiB, far more than 1000 pictures";
        break;
    case FileReadStatus::CannotOpen:
    case FileReadStatus::ReadFailed:
    case FileReadStatus::Ok:
        reason = std::strerror(read.systemError);
        break;
    }
    return "The picture library " + quoted(file) + " could not be read: " + reason + ".";
}

LibraryCheck checkLibraryUnchanged(const std::filesystem::path& file, LibraryFileGuard& guard) {
    LibraryCheck check;
    if (guard.unreadable()) {
        check.result = refused(LibraryWriteStatus::Unreadable, unreadableText(guard));
        return check;
    }
    FileReadResult now = readRegularFile(file, kMaxTextFileBytes);
    const bool absent = foundNoFile(now);
    if (now.status != FileReadStatus::Ok && !absent) {
        guard.noteUnreadable(libraryReadFailure(file, now));
        check.result = refused(LibraryWriteStatus::Unreadable, unreadableText(guard));
        return check;
    }
    const bool same = guard.knowledge == LibraryFileGuard::Knowledge::Absent
                          ? absent
                          : !absent && fingerprintOf(now.bytes, now.modifiedNs) == guard.fingerprint;
    if (!same) {
        check.result = refused(LibraryWriteStatus::Changed, libraryChangedMessage(file));
        return check;
    }
    check.result = {true, LibraryWriteStatus::Written, {}};
    check.bytes = std::move(now.bytes);
    return check;
}

LibraryWriteResult rewriteLibraryFile(const std::filesystem::path& file, std::string_view bytes, int pictures,
                                      LibraryFileGuard& guard, bool sync) {
    LibraryCheck check = checkLibraryUnchanged(file, guard);
    if (!check.result.ok) return check.result;
    removeStaleTemporaryFiles(writtenFolder(file));
    LibraryWriteResult result;
    if (!writeFileAtomically(file, bytes, sync, result.error)) return result;
    result.ok = true;
    result.status = LibraryWriteStatus::Written;
    guard.noteRead(fingerprintOf(bytes, modifiedNow(file)), pictures);
    return result;
}

}  // namespace mosarin
