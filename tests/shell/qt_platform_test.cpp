// The pure parts of the Qt platform: the file filter and the colour forms.
#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>
#include <set>

#include "shell/canvas.h"
#include "shell/qt_platform.h"

namespace mosarin::testing {
namespace {

TEST(FileFilter, PairsBecomeQtEntries) {
    const struct {
        const char* given;
        const char* qt;
    } cases[] = {
        {"*.gpe|*.gpe", "*.gpe (*.gpe)"},
        {"*.gpu|*.pgu", "*.gpu (*.pgu)"},
        {"*.jpg|*.jpg|*.bmp|*.bmp", "*.jpg (*.jpg);;*.bmp (*.bmp)"},
        {"Images|*.jpg;*.bmp", "Images (*.jpg *.bmp)"},
        {"Lonely description", ""},
        {"A|*.a|B", "A (*.a)"},
        {"A||B|*.b", "B (*.b)"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(toQtFileFilter(QString::fromUtf8(c.given)), QString::fromUtf8(c.qt)) << c.given;
}

TEST(Colours, LowByteIsRed) {
    const struct {
        Color color;
        int red, green, blue;
    } cases[] = {
        {0x0022A3B9u, 185, 163, 34}, {0x000000FFu, 255, 0, 0}, {0x0000FF00u, 0, 255, 0},
        {0x00FF0000u, 0, 0, 255},    {0x00000000u, 0, 0, 0},   {0x007D8373u, 115, 131, 125},
    };
    for (const auto& c : cases) {
        const QColor qt = toQColor(c.color);
        EXPECT_EQ(qt, QColor(c.red, c.green, c.blue)) << std::hex << c.color;
        EXPECT_EQ(toRgb(c.color), qRgb(c.red, c.green, c.blue)) << std::hex << c.color;
        EXPECT_EQ(fromQColor(qt), c.color) << std::hex << c.color;
    }
}

TEST(Colours, ButtonFaceComesFromThePalette) {
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    EXPECT_EQ(toQColor(kButtonFaceColor), face);
    EXPECT_EQ(toRgb(kButtonFaceColor), face.rgb());
}

TEST(QtPlatformRandom, StaysBelowTheBoundAndReachesBothEnds) {
    QtPlatform platform;
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int value = platform.randomBelow(255);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 255);
        seen.insert(value);
    }
    EXPECT_EQ(seen.count(0), 1u);
    EXPECT_EQ(seen.count(254), 1u);
    EXPECT_EQ(platform.randomBelow(1), 0);
}

}  // namespace
}  // namespace mosarin::testing
