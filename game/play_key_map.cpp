#include "game/play_key_map.h"

namespace mosarin {

std::optional<KeyPress> playKeyFor(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
    // The keypad flag says only where an arrow key lies.
    modifiers &= ~Qt::KeypadModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const Qt::KeyboardModifiers withoutShift = modifiers & ~Qt::ShiftModifier;
    const auto plain = [&](PlayKey playKey) { return KeyPress{playKey, false, autoRepeat}; };

    if (withoutShift == Qt::ControlModifier) {
        if (key == Qt::Key_Z) return plain(shift ? PlayKey::Redo : PlayKey::Undo);
        if (key == Qt::Key_Y && !shift) return plain(PlayKey::Redo);
        return std::nullopt;
    }
    if (withoutShift != Qt::NoModifier) return std::nullopt;

    switch (key) {
    case Qt::Key_Left: return KeyPress{PlayKey::MoveLeft, shift, autoRepeat};
    case Qt::Key_Right: return KeyPress{PlayKey::MoveRight, shift, autoRepeat};
    case Qt::Key_Up: return KeyPress{PlayKey::MoveUp, shift, autoRepeat};
    case Qt::Key_Down: return KeyPress{PlayKey::MoveDown, shift, autoRepeat};
    default: break;
    }
    if (shift) return std::nullopt;
    switch (key) {
    case Qt::Key_Space: return plain(PlayKey::Fill);
    case Qt::Key_X:
    case Qt::Key_Period: return plain(PlayKey::Mark);
    case Qt::Key_G: return plain(PlayKey::ToggleClueGreying);
    case Qt::Key_E: return plain(PlayKey::ToggleMistakes);
    case Qt::Key_H: return plain(PlayKey::Hint);
    default: return std::nullopt;
    }
}

std::optional<WindowCommand> commandKeyFor(int key, Qt::KeyboardModifiers modifiers) {
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && key == Qt::Key_F1) return WindowCommand::Help;
    if (modifiers != Qt::ControlModifier) return std::nullopt;
    switch (key) {
    case Qt::Key_N: return WindowCommand::NewGame;
    case Qt::Key_O: return WindowCommand::LoadGame;
    case Qt::Key_S: return WindowCommand::SaveGame;
    case Qt::Key_E: return WindowCommand::EditPictures;
    default: return std::nullopt;
    }
}

QString playKeysTooltip() {
    return QStringLiteral(
        "Keys while playing:\n"
        "Arrows: move the highlight cross\n"
        "Space: fill or clear the cell\n"
        "X or period: mark or clear the cell\n"
        "Shift+arrows: go on filling or marking\n"
        "Ctrl+Z: undo\n"
        "Ctrl+Shift+Z or Ctrl+Y: redo\n"
        "G: grey the clues you have matched\n"
        "E: red clues for lines that cannot be right\n"
        "H: a hint, explained\n"
        "Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+E, F1: the buttons\n"
        "Tab: the next button; Return or Space presses it\n"
        "In the Pictures Editor:\n"
        "F7: check the picture has exactly one solution\n"
        "Ctrl+S: save; Ctrl+Z: undo; Ctrl+Shift+Z or Ctrl+Y: redo");
}

}  // namespace mosarin
