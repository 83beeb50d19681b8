#include "game/game_preferences.h"

#include <QSettings>

#include "game/window_geometry.h"

namespace mosarin {

namespace {
const QString kSizeKey = QStringLiteral("game/windowSize");
const QString kMaximisedKey = QStringLiteral("game/maximised");
const QString kGreyKey = QStringLiteral("game/greyFinishedClues");
const QString kMistakesKey = QStringLiteral("game/showMistakes");
}  // namespace

GamePreferences readGamePreferences(const QSettings& settings) {
    GamePreferences preferences;
    const QSize designed(kGameClientWidth, kGameClientHeight);
    const QSize stored = settings.value(kSizeKey, designed).toSize();
    // A damaged or hand-edited value falls back to the designed size.
    preferences.windowSize = stored.isValid() ? stored.expandedTo(designed) : designed;
    preferences.maximised = settings.value(kMaximisedKey, false).toBool();
    preferences.greyFinishedClues = settings.value(kGreyKey, false).toBool();
    preferences.showMistakes = settings.value(kMistakesKey, false).toBool();
    return preferences;
}

void writeGamePreferences(QSettings& settings, const GamePreferences& preferences) {
    settings.setValue(kSizeKey, preferences.windowSize);
    settings.setValue(kMaximisedKey, preferences.maximised);
    settings.setValue(kGreyKey, preferences.greyFinishedClues);
    settings.setValue(kMistakesKey, preferences.showMistakes);
}

}  // namespace mosarin
