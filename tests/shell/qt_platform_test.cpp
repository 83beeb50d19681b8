// The Qt platform: the file filter, the random numbers, and the open dialog
// driven as a user would.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

#include "shell/qt_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(FileFilter, PairsBecomeQtEntries) {
    const std::pair<const char*, const char*> cases[] = {
        {"*.gpe|*.gpe", "*.gpe (*.gpe)"},      {"*.gpu|*.pgu", "*.gpu (*.pgu)"},
        {"*.jpg|*.jpg|*.bmp|*.bmp", "*.jpg (*.jpg);;*.bmp (*.bmp)"},
        {"Images|*.jpg;*.bmp", "Images (*.jpg *.bmp)"},
        {"Lonely description", ""}, {"A|*.a|B", "A (*.a)"}, {"A||B|*.b", "B (*.b)"}, {"", ""},
    };
    for (const auto& [given, qt] : cases) {
        EXPECT_EQ(toQtFileFilter(QString::fromUtf8(given)), QString::fromUtf8(qt)) << given;
    }
}

TEST(QtPlatformRandom, StaysBelowTheBoundAndReachesBothEnds) {
    QtPlatform platform;
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) seen.insert(platform.randomBelow(255));
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 254);
    EXPECT_EQ(platform.randomBelow(1), 0);
}

// The program answers a name that does not exist with its own message, so
// the dialog must hand such a name back instead of refusing it itself.
TEST(QtPlatformOpenDialog, ReturnsATypedNameThatDoesNotExist) {
    TempFolder folder;
    const QString typed = QString::fromStdString((folder / "missing.gpe").string());
    bool typedIn = false, refused = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        const QWidgetList shown = QApplication::topLevelWidgets();
        for (QWidget* widget : shown) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                refused = true;
                box->done(0);
                return;
            }
        }
        for (QWidget* widget : shown) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            if (typedIn) return dialog->reject();
            typedIn = true;
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            static_cast<QDialog*>(dialog)->accept();   // as the dialog's Open button does
        }
    });
    driver.start(20);
    QtPlatform platform;
    const std::optional<QString> chosen = platform.openFileName(QStringLiteral("*.gpe|*.gpe"), QString::fromStdString(folder.path().string()));
    EXPECT_FALSE(refused) << "the dialog showed its own box";
    EXPECT_EQ(chosen.value_or(QString()), typed);
}

}  // namespace
}  // namespace mosarin::testing
