#pragma once
// Drawing the play surface: the start screen, the static board layer
// (tablero), the per-frame layer (armatablero) and the end screen.

#include <QImage>

#include "game/clue_mistakes.h"
#include "game/clue_progress.h"
#include "game/game_state.h"
#include "shell/game_assets.h"
#include "shell/platform.h"

namespace mosarin {

// The start screen's maker line and two contact lines.
extern const char* const kMakerLine;
extern const char* const kContactLine1;
extern const char* const kContactLine2;

struct PlaySurface {
    // The window's client area. The surface fills it but for the designed
    // strips below and right; at the designed size it is 780 x 555.
    int clientWidth = kDesignedClientWidth;
    int clientHeight = kDesignedClientHeight;

    QImage frameImage;   // the surface's size, composed every frame
    QImage boardImage;   // the surface's size, the static layer
    // Where frameImage may differ from boardImage: the part the last frame
    // drew over the static layer. Copying the static layer in again changes
    // only that part of what is on show.
    QRect drawnOver;
    // frameImage holds an end screen drawn over a background that covers it
    // whole: the next end screen then changes only the board's part.
    bool showsEndScreen = false;
    // That end screen shows the blinking overlay.
    bool endOverlayShown = false;
    // frameImage holds the start screen as the surface's size has it: it is
    // composed again only for a new size or after a board.
    bool showsStartScreen = false;
    // The clues boardImage shows grey and those it shows red; the layer is
    // built again when either set of lines changes.
    GreyedClues greyed;
    ContradictedClues contradicted;
    // The artwork as this surface draws it: the loaded pictures at the
    // designed size; scaled to the surface and the board at any other
    // (`artFor` the geometry it was scaled for).
    GameAssets art;
    BoardGeometry artFor;
    bool artScaled = false;
};

// Whether the next mostrar composes the start screen: none shown yet, a
// board shown last, or a new size. Its pictures must then be in the assets.
bool composesStartScreen(const GameState& state, const PlaySurface& surface);

// The surface size that the client area asks for.
QSize surfaceSize(const PlaySurface& surface);

// Lays the board out for the surface's client size and the puzzle on show
// (its size and clues): sets state.geometry.
void layOutBoard(GameState& state, const PlaySurface& surface);

// The artwork to draw with: `assets` itself on the designed surface, else
// the copy scaled for `geometry` (made when the geometry changed).
const GameAssets& surfaceArt(const GameAssets& assets, PlaySurface& surface, const BoardGeometry& geometry);

// Gives the surface a new frame of the surface's size in the window's
// background colour, which shows nothing of the static layer yet.
// A new client size takes effect at the next frame, which is composed whole.
void newFrame(PlaySurface& surface);

// Rebuilds boardImage: background, board fill, grid lines, all clues (those
// of lines the player has matched in grey while greying is on, those of
// lines no placement fits in red while mistakes are shown).
void tablero(const GameState& state, const GameAssets& assets, PlaySurface& surface);

// Copies boardImage into frameImage and draws highlight, marks, the hovered
// line's clues; runs the completion check and, when solved, the end screen
// (random colours from `platform`, blinking overlay). Returns the part of
// frameImage that may now differ from the frame before.
QRect armatablero(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform);

// Composes one frame into frameImage: the start screen, or the board.
// redrawPending := false; boardStale := false after a board frame.
// Returns the part of frameImage that may differ from the frame composed
// before (every pixel outside it is unchanged), so that only that part need
// be shown again.
QRect mostrar(GameState& state, const GameAssets& assets, PlaySurface& surface, Platform& platform);

}  // namespace mosarin
