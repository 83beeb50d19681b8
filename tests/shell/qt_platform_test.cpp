// The pure parts of the Qt platform: the file filter and the random numbers.
#include <gtest/gtest.h>

#include <set>

#include "shell/qt_platform.h"

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

}  // namespace
}  // namespace mosarin::testing
