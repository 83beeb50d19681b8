#include "shell/file_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/app_info.h"
#include "shell/image_files.h"

namespace mosarin {

namespace {

// Closes the descriptor however the read ends.
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

[[noreturn]] void failWith(const QString& path, int systemError) {
    throw MosarinError(cannotOpenMessage(path, systemError));
}

}  // namespace

QByteArray readWholeFile(const QString& path) {
    // POSIX calls rather than QFile: the message needs the system's own error
    // number, which QFile does not hand out.
    const QByteArray encoded = QFile::encodeName(path);
    // Non-blocking, so that opening a pipe nobody writes to cannot hang;
    // only regular files are read.
    FileDescriptor file(::open(encoded.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) failWith(path, errno);

    struct stat status {};
    if (::fstat(file.get(), &status) != 0) failWith(path, errno);
    if (S_ISDIR(status.st_mode)) failWith(path, EISDIR);
    if (!S_ISREG(status.st_mode)) {
        throw MosarinError(QStringLiteral("Cannot open file \"%1\". Not a regular file")
                               .arg(QFileInfo(path).absoluteFilePath()));
    }
    if (status.st_size > kMaxImageFileBytes) {
        throw MosarinError(QStringLiteral("File \"%1\" is too large (%2 bytes)")
                               .arg(QFileInfo(path).absoluteFilePath())
                               .arg(status.st_size));
    }

    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failWith(path, errno);
        if (got == 0) break;
        if (bytes.size() + got > kMaxImageFileBytes) {
            // The file grew while it was read; stop rather than follow it.
            throw MosarinError(QStringLiteral("File \"%1\" is too large").arg(QFileInfo(path).absoluteFilePath()));
        }
        bytes.append(chunk, got);
    }
    return bytes;
}

}  // namespace mosarin
