// After the program's set-up, Qt's pixmap cache keeps nothing, so its flush
// timer, which would wake an idle program, never starts.
#include <QPixmap>
#include <QPixmapCache>
#include <gtest/gtest.h>

#include "shell/idle_sleep.h"

namespace mosarin {
namespace {

TEST(IdleSleep, ThePixmapCacheTakesNothingOfAnySize) {
    const int limitBefore = QPixmapCache::cacheLimit();
    keepIdleProgramAsleep();
    for (const int side : {1, 16, 48, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::red);
        const QString key = QStringLiteral("idle-sleep-%1").arg(side);
        EXPECT_FALSE(QPixmapCache::insert(key, pixmap)) << side;
        QPixmap found;
        EXPECT_FALSE(QPixmapCache::find(key, &found)) << side;
    }
    QPixmapCache::setCacheLimit(limitBefore);   // the other tests run with Qt's default
}

}  // namespace
}  // namespace mosarin
