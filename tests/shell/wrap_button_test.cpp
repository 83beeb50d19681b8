// Button captions that break between words when they do not fit.
#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "shell/wrap_button.h"

namespace mosarin {
namespace {

TEST(WrapButtonCaption, BreaksOnlyAtSpacesWhereTheNextWordWouldNotFit) {
    const QFontMetrics metrics(QFont(QStringLiteral("Sans Serif"), 9));
    const QString help = QStringLiteral("Help (On-Line)");
    EXPECT_EQ(wrappedAtSpaces(help, metrics, metrics.horizontalAdvance(help)), help);
    EXPECT_EQ(wrappedAtSpaces(help, metrics, metrics.horizontalAdvance(help) - 1), QStringLiteral("Help\n(On-Line)"));
    // A word wider than the button stands alone on its line.
    EXPECT_EQ(wrappedAtSpaces(QStringLiteral("a b c"), metrics, 1), QStringLiteral("a\nb\nc"));
}

}  // namespace
}  // namespace mosarin
