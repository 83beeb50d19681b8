#include "tests/support/fake_platform.h"

#include <QSettings>

namespace mosarin::testing {

void FakePlatform::showMessage(MessageKind kind, const QString& text) {
    ShownMessage::Kind k = kind == MessageKind::Information ? ShownMessage::Information
                           : kind == MessageKind::Warning   ? ShownMessage::Warning
                                                            : ShownMessage::Error;
    messages.push_back({k, text});
}

bool FakePlatform::confirm(const QString& text) {
    messages.push_back({ShownMessage::Confirm, text});
    if (confirmAnswers.empty()) return false;
    bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

void FakePlatform::showErrorBox(const QString& text) { messages.push_back({ShownMessage::ErrorBox, text}); }

std::optional<QString> FakePlatform::openFileName(const QString& filter, const QString& initialFolder) {
    ++openDialogCount;
    lastFilter = filter;
    lastInitialFolder = initialFolder;
    if (fileAnswers.empty()) return std::nullopt;
    QString answer = fileAnswers.front().value_or(QString());
    const bool confirmed = fileAnswers.front().has_value();
    fileAnswers.pop_front();
    if (!confirmed) return std::nullopt;
    return answer;
}

std::optional<Color> FakePlatform::chooseColor(Color initial) {
    colorInitials.push_back(initial);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

void FakePlatform::openUrl(const QString& url) { openedUrls << url; }

std::unique_ptr<QSettings> FakePlatform::userSettings() {
    if (settingsFile.isEmpty()) return nullptr;
    return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

int FakePlatform::randomBelow(int bound) {
    if (randomValues.empty()) return bound - 1;
    int v = randomValues.front();
    randomValues.pop_front();
    return ((v % bound) + bound) % bound;
}

QStringList FakePlatform::texts() const {
    QStringList out;
    for (const auto& m : messages) out << m.text;
    return out;
}

}  // namespace mosarin::testing
