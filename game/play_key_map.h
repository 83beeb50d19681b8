#pragma once
// Which Qt key events are the game's keys. Everything else (Tab, Return,
// letters the game does not use, Alt combinations) is left to the controls.

#include <QKeyEvent>
#include <optional>

#include "game/play_keys.h"

namespace mosarin {

// Arrows (Shift: extend a drag), Space, X and period, Ctrl+Z, Ctrl+Shift+Z
// and Ctrl+Y, G, H.
std::optional<KeyPress> playKeyFor(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
inline std::optional<KeyPress> playKeyFor(const QKeyEvent& event) {
    return playKeyFor(event.key(), event.modifiers(), event.isAutoRepeat());
}

// The window's commands on the keyboard, whatever is on the board: Ctrl+N
// "New Game", Ctrl+O "Load Game", Ctrl+S "Save Game", Ctrl+E "Edit
// Pictures", F1 "Help (On-Line)".
enum class WindowCommand { NewGame, LoadGame, SaveGame, EditPictures, Help };
std::optional<WindowCommand> commandKeyFor(int key, Qt::KeyboardModifiers modifiers);

// The keys as the Help button's tooltip lists them.
QString playKeysTooltip();

}  // namespace mosarin
