#include "picture/whole_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace mosarin {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

FileReadResult failed(FileReadStatus status, int systemError) {
    FileReadResult result;
    result.status = status;
    result.systemError = systemError;
    return result;
}

enum class Oversize { Refuse, KeepPrefix };

FileReadResult readOpened(int fd, std::size_t maxBytes, Oversize oversize) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return failed(FileReadStatus::CannotOpen, errno);
    if (S_ISDIR(info.st_mode)) return failed(FileReadStatus::NotRegular, EISDIR);
    if (!S_ISREG(info.st_mode)) return failed(FileReadStatus::NotRegular, 0);

    const bool keepPrefix = oversize == Oversize::KeepPrefix;
    std::size_t expected = static_cast<std::size_t>(info.st_size);
    if (expected > maxBytes) {
        if (!keepPrefix) return failed(FileReadStatus::TooLarge, 0);
        expected = maxBytes;
    }

    // The size is only a hint: the file may change while it is read, so read
    // until the end, never past maxBytes (one byte more tells a file that grew
    // too large).
    const std::size_t limit = keepPrefix ? maxBytes : maxBytes + 1;
    FileReadResult result;
    result.modifiedNs = std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    result.bytes.resize(std::min(expected + 1, limit));
    std::size_t used = 0;
    for (;;) {
        if (used == result.bytes.size()) {
            if (used == limit) break;
            result.bytes.resize(std::min(std::max<std::size_t>(used * 2, 1), limit));
        }
        const ssize_t n = ::read(fd, result.bytes.data() + used, result.bytes.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return failed(FileReadStatus::ReadFailed, errno);
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return failed(FileReadStatus::TooLarge, 0);
    result.bytes.resize(used);
    result.status = FileReadStatus::Ok;
    return result;
}

FileReadResult readFile(const std::filesystem::path& file, std::size_t maxBytes, Oversize oversize) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return failed(FileReadStatus::CannotOpen, errno);
    return readOpened(fd.get(), maxBytes, oversize);
}

}  // namespace

FileReadResult readRegularFile(const std::filesystem::path& file, std::size_t maxBytes) {
    return readFile(file, maxBytes, Oversize::Refuse);
}

FileReadResult readOpenRegularFile(int descriptor, std::size_t maxBytes) {
    if (::lseek(descriptor, 0, SEEK_SET) < 0) return failed(FileReadStatus::ReadFailed, errno);
    return readOpened(descriptor, maxBytes, Oversize::Refuse);
}

FileReadResult readRegularFilePrefix(const std::filesystem::path& file, std::size_t maxBytes) {
    return readFile(file, maxBytes, Oversize::KeepPrefix);
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    FileReadResult read = readRegularFile(file, kMaxTextFileBytes);
    switch (read.status) {
    case FileReadStatus::Ok:
        return std::move(read.bytes);
    case FileReadStatus::CannotOpen:
    case FileReadStatus::NotRegular:
        return std::nullopt;
    case FileReadStatus::TooLarge:
        throw std::runtime_error("Cannot read file \"" + file.string() + "\". The file is too large.");
    case FileReadStatus::ReadFailed:
        break;
    }
    throw std::runtime_error("Cannot read file \"" + file.string() + "\". " + std::strerror(read.systemError) + ".");
}

}  // namespace mosarin
