#include "shell/app_info.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>

namespace mosarin {

QString applicationTitleFor(const QString& executablePath) {
    // Both separators are accepted so a path written the Windows way gives
    // the same title as one from this platform.
    const qsizetype folderEnd = std::max(executablePath.lastIndexOf(QLatin1Char('/')),
                                         executablePath.lastIndexOf(QLatin1Char('\\')));
    QString name = executablePath.mid(folderEnd + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle() { return applicationTitleFor(QCoreApplication::applicationFilePath()); }

QString programFolder() { return QCoreApplication::applicationDirPath() + QLatin1Char('/'); }

std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString withFullStop(const QString& message) {
    if (message.isEmpty() || message.back().unicode() <= u'.') return message;
    return message + QLatin1Char('.');
}

}  // namespace mosarin
