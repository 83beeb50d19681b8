// The application title, the program folder, the error text's full stop,
// the message box titles and the error guard.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "shell/app_info.h"
#include "tests/support/fake_platform.h"

namespace mosarin::testing {
namespace {

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotWithOnlyTheFirstLetterKept) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Games\\MOSARIN.EXE", "Mosarin"}, {"/usr/local/bin/mosarin", "mosarin"},
        {"/opt/x.y/MoSaRiN.tar.gz", "Mosarin"}, {"D:\\a/b\\eXE", "exe"},
        {"/home/u/.hidden", ""},               {"", ""},
        {"Ölmotor.EXE", "Ölmotor"},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(applicationTitleFor(QString::fromUtf8(path)), QString::fromUtf8(title)) << path;
    }
    EXPECT_EQ(applicationTitle(), QStringLiteral("test_shell"));
}

TEST(ProgramFolder, IsTheExecutablesFolderWithItsSeparatorWhereverWeRunFrom) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QStringLiteral("/")));
    const QString folder = programFolder();
    QDir::setCurrent(previous);
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(folder, QString::fromStdString(executable.parent_path().string() + "/"));
}

TEST(FullStop, IsAddedAfterCharactersAboveTheFullStop) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},         {"JPEG error #53", "JPEG error #53."}, {"Ends with a space ", "Ends with a space "},
        {"Stop!", "Stop!"}, {"(quoted)", "(quoted)"},            {"Already.", "Already."},
        {"slash/", "slash/."}, {"dash-", "dash-"},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(withFullStop(QString::fromUtf8(message)), QString::fromUtf8(shown)) << message;
    }
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
