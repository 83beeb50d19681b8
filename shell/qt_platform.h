#pragma once
// The real platform: Qt dialogs, message boxes, the desktop and the clock.

#include <QWidget>
#include <random>

#include "shell/platform.h"

namespace mosarin {

// "description|pattern|description|pattern" (patterns separated by ";") to
// Qt's "description (pattern);;..." form. A description without its pattern
// and empty pairs are left out.
QString toQtFileFilter(const QString& filter);

class QtPlatform final : public Platform {
public:
    QtPlatform();

    void showMessage(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    void showErrorBox(const QString& text) override;
    std::optional<QString> openFileName(const QString& filter, const QString& initialFolder) override;
    std::optional<Color> chooseColor(Color initial) override;
    void openUrl(const QString& url) override;
    LocalDateTime now() override;
    int randomBelow(int bound) override;
    std::unique_ptr<QSettings> userSettings() override;

private:
    std::mt19937 generator_;
};

}  // namespace mosarin
