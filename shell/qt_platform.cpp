#include "shell/qt_platform.h"

#include <QSettings>

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include "shell/app_info.h"
#include "shell/canvas.h"

namespace mosarin {

namespace {

// Boxes and dialogs belong to whichever window is in front, so they stay above it.
QWidget* dialogParent() { return QApplication::activeWindow(); }

QMessageBox::Icon iconFor(MessageKind kind) {
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

void showOkBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

}  // namespace

QString toQtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1].trimmed();
        if (patterns.isEmpty()) continue;
        // Qt separates the patterns of one entry by spaces.
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

QtPlatform::QtPlatform() : generator_(std::random_device{}()) {}

void QtPlatform::showMessage(MessageKind kind, const QString& text) {
    showOkBox(iconFor(kind), messageTitle(kind), text);
}

bool QtPlatform::confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton, dialogParent());
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtPlatform::showErrorBox(const QString& text) { showOkBox(QMessageBox::Critical, applicationTitle(), text); }

std::optional<QString> QtPlatform::openFileName(const QString& filter, const QString& initialFolder) {
    QFileDialog dialog(dialogParent(), QString(), initialFolder, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist comes back like any other, so that
    // the command answers it with its own message instead of the dialog's.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return chosen.first();
}

std::optional<Color> QtPlatform::chooseColor(Color initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), dialogParent());
    if (!chosen.isValid()) return std::nullopt;
    return fromQColor(chosen);
}

void QtPlatform::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl::fromUserInput(url)); }

LocalDateTime QtPlatform::now() {
    const QDateTime current = QDateTime::currentDateTime();
    const QDate date = current.date();
    const QTime time = current.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

int QtPlatform::randomBelow(int bound) {
    if (bound <= 1) return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(generator_);
}

std::unique_ptr<QSettings> QtPlatform::userSettings() {
    // The desktop's usual place: ~/.config/Mosarin/Mosarin.conf on Linux,
    // the registry on Windows.
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Mosarin"),
                                       QStringLiteral("Mosarin"));
}

}  // namespace mosarin
