#pragma once
// The real platform: Qt dialogs, message boxes, the desktop and the clock.

#include <QWidget>
#include <random>

#include "shell/platform.h"

namespace mosarin {

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

private:
    std::mt19937 generator_;
};

}  // namespace mosarin
