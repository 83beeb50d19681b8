#pragma once
// A platform for tests: records every message, answers dialogs from a script,
// and has a clock and a random source that the test sets.

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "shell/platform.h"

namespace mosarin::testing {

struct ShownMessage {
    enum Kind { Information, Warning, Error, Confirm, ErrorBox } kind;
    QString text;
};

class FakePlatform final : public Platform {
public:
    void showMessage(MessageKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    void showErrorBox(const QString& text) override;
    std::optional<QString> openFileName(const QString& filter, const QString& initialFolder) override;
    std::optional<Color> chooseColor(Color initial) override;
    void openUrl(const QString& url) override;
    LocalDateTime now() override { return clock; }
    int randomBelow(int bound) override;
    // Preferences in this file when one is named; none remembered otherwise.
    std::unique_ptr<QSettings> userSettings() override;
    QString settingsFile;

    // What happened.
    std::vector<ShownMessage> messages;
    QStringList openedUrls;
    QString lastFilter, lastInitialFolder;
    int openDialogCount = 0;
    std::vector<Color> colorInitials;   // the colour each chooser opened on

    // Scripted answers, taken in order; an empty queue answers No / cancel.
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<Color>> colorAnswers;
    LocalDateTime clock;
    // Random numbers: taken in order from `randomValues` (modulo bound) while
    // any are left, otherwise bound - 1.
    std::deque<int> randomValues;

    // Texts of the messages shown, in order.
    QStringList texts() const;
};

}  // namespace mosarin::testing
