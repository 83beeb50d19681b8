#pragma once
// Everything modal or outside the process goes through this interface, so the
// windows can be driven by tests with scripted answers and a fixed clock.

#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "picture/picture_record.h"
#include "picture/saved_game.h"

namespace mosarin {

enum class MessageKind { Information, Warning, Error };

// Title of a message box of that kind: "Information", "Warning" or "Error".
QString messageTitle(MessageKind kind);

class Platform {
public:
    virtual ~Platform() = default;

    // A modal box with the one button "OK", titled by its kind.
    virtual void showMessage(MessageKind kind, const QString& text) = 0;
    // A modal "Confirm" box with "&Yes" and "&No"; anything but Yes is No.
    virtual bool confirm(const QString& text) = 0;
    // The application's error box: titled with the application title, error
    // icon, one OK button. `text` is shown as given (see withFullStop).
    virtual void showErrorBox(const QString& text) = 0;

    // The open-file dialog. `filter` is "description|pattern" pairs separated
    // by "|". Returns the chosen file, or nothing when cancelled.
    virtual std::optional<QString> openFileName(const QString& filter, const QString& initialFolder) = 0;
    // The colour chooser: a 0x00BBGGRR colour, or nothing when cancelled.
    virtual std::optional<Color> chooseColor(Color initial) = 0;
    // Asks the desktop to open an address (a web page or a local file URL).
    virtual void openUrl(const QString& url) = 0;

    virtual LocalDateTime now() = 0;
    // Uniform integer in 0..bound-1 (bound > 0).
    virtual int randomBelow(int bound) = 0;
    // The user's preferences kept between runs (the window's size, the
    // toggles), in the desktop's usual place for them, never the program
    // folder. None keeps nothing: every run starts as designed.
    virtual std::unique_ptr<QSettings> userSettings() { return nullptr; }
};

}  // namespace mosarin
