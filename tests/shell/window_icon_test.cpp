// The windows' icon: the pixels unpacked at build time show exactly the
// picture of the icon's PNG, and pixels of any other length give no icon.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPixmap>

#include "shell/window_icon.h"

namespace mosarin::testing {
namespace {

QImage shownAt(const QIcon& icon, int side) {
    return icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(WindowIcon, BuiltPixelsShowThePngPicture) {
    QFile built(QStringLiteral(MOSARIN_BUILD_DIR "/app/icons/mosarin-48.rgba"));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << "the build writes the icon's pixels";
    const QByteArray pixels = built.readAll();
    const QIcon icon = iconFromRgbaPixels(reinterpret_cast<const unsigned char*>(pixels.constData()), pixels.size());
    const QIcon fromPng(QStringLiteral(MOSARIN_SOURCE_DIR "/app/icons/mosarin-48.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), fromPng.availableSizes());
    const QImage shown = shownAt(icon, kWindowIconSide);
    const QImage expected = shownAt(fromPng, kWindowIconSide);
    ASSERT_EQ(shown.size(), expected.size());
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            ASSERT_EQ(shown.pixel(x, y), expected.pixel(x, y)) << "at " << x << ", " << y;
        }
    }
}

TEST(WindowIcon, PixelsOfAnotherLengthGiveNoIcon) {
    const QByteArray square(qsizetype(kWindowIconSide) * kWindowIconSide * 4, '\x7f');
    const auto* data = reinterpret_cast<const unsigned char*>(square.constData());
    EXPECT_FALSE(iconFromRgbaPixels(data, square.size()).isNull());
    for (const qsizetype size : {qsizetype(0), square.size() - 1, square.size() - 4, square.size() + 4}) {
        EXPECT_TRUE(iconFromRgbaPixels(data, size).isNull()) << size << " bytes";
    }
    EXPECT_TRUE(iconFromRgbaPixels(nullptr, square.size()).isNull());
}

}  // namespace
}  // namespace mosarin::testing
