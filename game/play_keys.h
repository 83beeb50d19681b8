#pragma once
// Playing from the keyboard. The arrows move the highlight cross (the hover
// fields the mouse sets), Space presses the left button and X the right one
// on the cell under the cross, and Shift+arrows carry on the last such press
// as a drag with the button held. All of it goes through the mouse's own
// handlers at the centre of the cell, so a key does exactly what the mouse
// would there, the end of the picture included. Ctrl+Z and Ctrl+Y take back
// and redo steps; G turns clue greying on and off, E the red clues
// of contradicted lines; H asks for a hint.

#include "game/game_state.h"

namespace mosarin {

enum class PlayKey {
    MoveLeft,
    MoveRight,
    MoveUp,
    MoveDown,
    Fill,     // the left button
    Mark,     // the right button
    Undo,
    Redo,
    ToggleClueGreying,
    ToggleMistakes,
    Hint,   // the window explains the next step; the board is left alone
};

struct KeyPress {
    PlayKey key;
    bool extend = false;       // Shift held with an arrow
    bool autoRepeat = false;   // the key is held down and repeats
    bool operator==(const KeyPress&) const = default;
};

// Whether the keys play the puzzle: one is set up on the board and not yet
// finished. Otherwise they belong to the buttons (Space and Return press the
// focused one), so that the end screen and the start screen can be left
// from the keyboard.
bool keysPlayThePuzzle(const GameState& state);

// Applies `press` to the puzzle. Returns whether the key is the game's
// (keysPlayThePuzzle). Otherwise nothing changes, and the key is left to
// whatever else wants it (a focused button, say).
bool playKey(GameState& state, const KeyPress& press);

// Takes back the last step, or does the last undone one again; a drag in
// progress is ended first, as by a release. Nothing once the picture is
// finished: its end screen stays. Returns whether the board changed.
bool undoStep(GameState& state);
bool redoStep(GameState& state);

}  // namespace mosarin
