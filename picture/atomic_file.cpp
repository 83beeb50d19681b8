#include "picture/atomic_file.h"
#include "picture/atomic_file_faults.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mosarin {

namespace {

// The same bound the system puts on links followed in one path.
constexpr int kMaxLinkHops = 40;

AtomicWriteFault installedFault = nullptr;

// The errno with which a test wants `step` to fail, or 0.
int injectedFailure(AtomicWriteStep step) { return installedFault ? installedFault(step) : 0; }

std::string failure(const std::filesystem::path& target, int errorNumber) {
    return "Cannot write file \"" + target.string() + "\". " + std::strerror(errorNumber) + ".";
}

bool writeAll(int fd, std::string_view bytes) {
    if (const int injected = injectedFailure(AtomicWriteStep::Write)) {
        (void)!::write(fd, bytes.data(), bytes.size() / 2);
        errno = injected;
        return false;
    }
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Where the bytes really belong: renaming over a link would replace the link
// with a plain file and leave the file it names unchanged. Follows the links
// one by one rather than canonicalising, so that a dangling link still gives
// the place it points to. Returns false (ELOOP) for a cycle.
bool followLinks(std::filesystem::path& file, int& errorNumber) {
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, ec))) return true;
        const std::filesystem::path next = std::filesystem::read_symlink(file, ec);
        if (ec) {
            errorNumber = ec.value();
            return false;
        }
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    errorNumber = ELOOP;
    return false;
}

// Gives the new file the mode and owner of the one it replaces, so a private
// library stays private. Changing the owner is allowed only to the superuser
// (or within one's own groups); where it is not, the file stays ours.
void takeOverAttributes(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not permitted: keep our own ownership; the mode below still applies.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

// Each step below either fails as a test asked or makes its system call.
int openTemporary(const std::filesystem::path& temp) {
    if (const int injected = injectedFailure(AtomicWriteStep::CreateTemporary)) {
        errno = injected;
        return -1;
    }
    return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
}

int syncFile(int fd) {
    if (const int injected = injectedFailure(AtomicWriteStep::Sync)) {
        errno = injected;
        return -1;
    }
    return ::fsync(fd);
}

int closeFile(int fd) {
    const int injected = injectedFailure(AtomicWriteStep::Close);
    const int result = ::close(fd);
    if (injected == 0) return result;
    errno = injected;
    return -1;
}

int renameFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (const int injected = injectedFailure(AtomicWriteStep::Rename)) {
        errno = injected;
        return -1;
    }
    return ::rename(from.c_str(), to.c_str());
}

}  // namespace

AtomicWriteFault setAtomicWriteFault(AtomicWriteFault fault) {
    const AtomicWriteFault previous = installedFault;
    installedFault = fault;
    return previous;
}

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes, bool sync,
                         std::string& error) {
    std::filesystem::path file = target;
    int linkError = 0;
    if (!followLinks(file, linkError)) {
        error = failure(target, linkError);
        return false;
    }
    struct stat old {};
    const bool replacing = ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    std::filesystem::path temp = file;
    temp += ".tmp-" + std::to_string(::getpid());

    int fd = openTemporary(temp);
    if (fd < 0) {
        error = failure(target, errno);
        return false;
    }
    if (replacing) takeOverAttributes(fd, old);
    bool ok = writeAll(fd, bytes) && (!sync || syncFile(fd) == 0);
    int savedErrno = errno;
    if (closeFile(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && renameFile(temp, file) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = failure(target, savedErrno);
        return false;
    }
    if (sync) syncFolder(file.parent_path());
    error.clear();
    return true;
}

}  // namespace mosarin
