#pragma once
// The application title, the program folder, and the error guard every
// handler, timer tick and window set-up runs through.

#include <QString>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "picture/mosarin_error.h"
#include "shell/platform.h"

namespace mosarin {

// The executable's file name without its folder and without everything from
// its first "." on; first letter kept, the rest lower case ("MOSARIN.EXE" -> "Mosarin").
QString applicationTitleFor(const QString& executablePath);
// The title of the running program.
QString applicationTitle();

// The folder of the running executable with its trailing separator; the
// working directory plays no part.
QString programFolder();

// A Qt path as the file system spells it, for the Qt-free file code.
std::filesystem::path localPath(const QString& path);

// The error box's text rule: a full stop is appended when the message is not
// empty and its last character's code is above that of ".".
QString withFullStop(const QString& message);

// Runs `action`; an exception escaping it is shown in the application's error
// box and swallowed, so the event loop goes on. Returns false when one was caught.
template <typename Action>
bool guarded(Platform& platform, Action&& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        platform.showErrorBox(withFullStop(QString::fromUtf8(e.what())));
    } catch (...) {
        platform.showErrorBox(withFullStop(QStringLiteral("Unknown error")));
    }
    return false;
}

}  // namespace mosarin
