#pragma once
// What the game window remembers between runs in the user's settings: its
// size, whether it was maximised, and the toggles of the keyboard.

#include <QSize>

class QSettings;

namespace mosarin {

struct GamePreferences {
    QSize windowSize;            // the client size when not maximised
    bool maximised = false;
    bool greyFinishedClues = false;   // G
    bool showMistakes = false;        // E
};

// What `settings` holds; the designed size and everything off for what it
// does not, and never a size below the designed one.
GamePreferences readGamePreferences(const QSettings& settings);
void writeGamePreferences(QSettings& settings, const GamePreferences& preferences);

}  // namespace mosarin
