#include "shell/idle_sleep.h"

#include <QPixmapCache>

namespace mosarin {

void keepIdleProgramAsleep() {
    // A limit of 0 refuses every entry, and the flush timer only starts with
    // an entry.
    QPixmapCache::setCacheLimit(0);
}

}  // namespace mosarin
