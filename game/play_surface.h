#pragma once
// Drawing the play surface: the start screen, the static board layer
// (tablero), the per-frame layer (armatablero) and the end screen.

#include <QImage>

#include "game/game_state.h"
#include "shell/game_assets.h"
#include "shell/platform.h"

namespace mosarin {

// The start screen's maker line and two contact lines.
extern const char* const kMakerLine;
extern const char* const kContactLine1;
extern const char* const kContactLine2;

struct PlaySurface {
    QImage frameImage;   // 780 x 555, composed every frame
    QImage boardImage;   // 780 x 555, the static layer
};

// Rebuilds boardImage: background, board fill, grid lines, all clues.
void tablero(const GameState& state, const GameAssets& assets, PlaySurface& surface);

// Copies boardImage into frameImage and draws highlight, marks, the hovered
// line's clues; runs the completion check and, when solved, the end screen
// (random colours from `platform`, blinking overlay).
void armatablero(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform);

// Composes one frame into frameImage: the start screen, or the board.
// redrawPending := false; boardStale := false after a board frame.
void mostrar(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform);

}  // namespace mosarin
