#include "shell/file_bytes.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "picture/whole_file.h"
#include "shell/app_info.h"
#include "shell/image_files.h"

namespace mosarin {

QByteArray readWholeFile(const QString& path) {
    const std::filesystem::path file = localPath(path);
    FileReadResult read = readRegularFile(file, static_cast<std::size_t>(kMaxImageFileBytes));
    const QString absolute = QFileInfo(path).absoluteFilePath();
    switch (read.status) {
    case FileReadStatus::Ok:
        return QByteArray(read.bytes.data(), qsizetype(read.bytes.size()));
    case FileReadStatus::CannotOpen:
    case FileReadStatus::ReadFailed:
        throw MosarinError(cannotOpenMessage(path, read.systemError));
    case FileReadStatus::NotRegular:
        if (read.systemError != 0) throw MosarinError(cannotOpenMessage(path, read.systemError));
        throw MosarinError(QStringLiteral("Cannot open file \"%1\". Not a regular file").arg(absolute));
    case FileReadStatus::TooLarge:
        break;
    }
    throw MosarinError(QStringLiteral("File \"%1\" is too large").arg(absolute));
}

}  // namespace mosarin
