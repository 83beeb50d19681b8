// The application title, the program folder, the error text's full stop,
// the message box titles and the error guard.
#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <stdexcept>

#include "shell/app_info.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithTheFirstLetterKept) {
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        {"C:\\Games\\MOSARIN.EXE", "Mosarin"},
        {"/usr/local/bin/mosarin", "mosarin"},
        {"/opt/x.y/MoSaRiN.tar.gz", "Mosarin"},
        {"relative/Game.v2.exe", "Game"},
        {"D:\\a/b\\eXE", "exe"},
        {"/home/u/.hidden", ""},
        {"", ""},
        {"/folder/", ""},
        {"Ölmotor.EXE", "Ölmotor"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(applicationTitleFor(QString::fromUtf8(c.path)), QString::fromUtf8(c.title)) << c.path;
    }
}

TEST(ApplicationTitle, OfTheRunningProgramComesFromItsExecutable) {
    EXPECT_EQ(applicationTitle(), applicationTitleFor(QCoreApplication::applicationFilePath()));
    EXPECT_EQ(applicationTitle(), QStringLiteral("test_shell"));
}

TEST(ProgramFolder, IsTheExecutablesFolderWithItsSeparatorWhereverWeRunFrom) {
    const QString expected = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    EXPECT_EQ(programFolder(), expected);
    TempFolder elsewhere;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(elsewhere.path().string())));
    const QString fromElsewhere = programFolder();
    QDir::setCurrent(previous);
    EXPECT_EQ(fromElsewhere, expected);
}

TEST(FullStop, IsAddedAfterCharactersAboveTheFullStop) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"", ""},
        {"JPEG error #53", "JPEG error #53."},
        {"Bitmap image is not valid", "Bitmap image is not valid."},
        {"Ends with a space ", "Ends with a space "},
        {"Stop!", "Stop!"},
        {"(quoted)", "(quoted)"},
        {"\"quoted\"", "\"quoted\""},
        {"Already.", "Already."},
        {"slash/", "slash/."},
        {"dash-", "dash-"},
        {"colon:", "colon:."},
    };
    for (const auto& c : cases) EXPECT_EQ(withFullStop(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown)) << c.message;
}

TEST(MessageTitle, NamesTheKind) {
    EXPECT_EQ(messageTitle(MessageKind::Information), QStringLiteral("Information"));
    EXPECT_EQ(messageTitle(MessageKind::Warning), QStringLiteral("Warning"));
    EXPECT_EQ(messageTitle(MessageKind::Error), QStringLiteral("Error"));
}

TEST(Guard, ShowsAnEscapingErrorOnceAndGoesOn) {
    FakePlatform platform;
    int after = 0;
    EXPECT_FALSE(guarded(platform, [] { throw MosarinError(std::string("JPEG error #53")); }));
    EXPECT_TRUE(guarded(platform, [&] { ++after; }));
    EXPECT_FALSE(guarded(platform, [] { throw 42; }));
    EXPECT_EQ(after, 1);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::ErrorBox);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("JPEG error #53."));
    EXPECT_EQ(platform.messages[1].text, QStringLiteral("Unknown error."));
}

}  // namespace
}  // namespace mosarin::testing
