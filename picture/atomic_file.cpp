#include "picture/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace mosarin {

namespace {

std::string failure(const std::filesystem::path& target, int errorNumber) {
    return "Cannot write file \"" + target.string() + "\". " + std::strerror(errorNumber);
}

bool writeAll(int fd, std::string_view bytes) {
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

}  // namespace

bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes, bool sync,
                         std::string& error) {
    std::filesystem::path temp = target;
    temp += ".tmp-" + std::to_string(::getpid());

    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = failure(target, errno);
        return false;
    }
    bool ok = writeAll(fd, bytes) && (!sync || ::fsync(fd) == 0);
    int savedErrno = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = failure(target, savedErrno);
        return false;
    }
    if (sync) syncFolder(target.parent_path());
    error.clear();
    return true;
}

}  // namespace mosarin
