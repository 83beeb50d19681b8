#include "shell/file_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "picture/whole_file.h"
#include "shell/app_info.h"
#include "shell/image_files.h"

namespace mosarin {

namespace {

[[noreturn]] void failRead(const QString& path, FileReadStatus status, int systemError) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    switch (status) {
    case FileReadStatus::Ok:
    case FileReadStatus::CannotOpen:
    case FileReadStatus::ReadFailed:
        break;
    case FileReadStatus::NotRegular:
        if (systemError != 0) break;
        throw MosarinError(QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(absolute));
    case FileReadStatus::TooLarge:
        throw MosarinError(QStringLiteral("File \"%1\" is too large").arg(absolute));
    }
    throw MosarinError(cannotOpenMessage(path, systemError));
}

}  // namespace

QByteArray readWholeFile(const QString& path) {
    FileReadResult read = readRegularFile(localPath(path), static_cast<std::size_t>(kMaxImageFileBytes));
    if (read.status != FileReadStatus::Ok) failRead(path, read.status, read.systemError);
    return QByteArray(read.bytes.data(), qsizetype(read.bytes.size()));
}

ReadableFile::ReadableFile(const QString& path) {
    descriptor_ = ::open(localPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor_ < 0) failRead(path, FileReadStatus::CannotOpen, errno);
    struct stat info {};
    FileReadStatus status = FileReadStatus::Ok;
    int systemError = 0;
    if (::fstat(descriptor_, &info) != 0) {
        status = FileReadStatus::CannotOpen, systemError = errno;
    } else if (S_ISDIR(info.st_mode)) {
        status = FileReadStatus::NotRegular, systemError = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        status = FileReadStatus::NotRegular;
    } else if (info.st_size > kMaxImageFileBytes) {
        status = FileReadStatus::TooLarge;
    }
    if (status != FileReadStatus::Ok) {
        ::close(descriptor_);
        failRead(path, status, systemError);
    }
}

ReadableFile::~ReadableFile() { ::close(descriptor_); }

KeptFile::KeptFile(const QString& path) : path_(path) {
    descriptor_ = ::open(localPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor_ < 0) failRead(path, FileReadStatus::CannotOpen, errno);
}

KeptFile::~KeptFile() { ::close(descriptor_); }

QByteArray KeptFile::readAll() const {
    FileReadResult read = readOpenRegularFile(descriptor_, static_cast<std::size_t>(kMaxImageFileBytes));
    if (read.status != FileReadStatus::Ok) failRead(path_, read.status, read.systemError);
    return QByteArray(read.bytes.data(), qsizetype(read.bytes.size()));
}

}  // namespace mosarin
