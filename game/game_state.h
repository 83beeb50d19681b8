#pragma once
// Everything the game window knows about the puzzle on show, as plain data.
// The window (Tfjuego) owns one; the rules, input and rendering work on it.

#include <array>
#include <string>

#include "game/board_geometry.h"
#include "game/play_history.h"
#include "picture/picture_record.h"

namespace mosarin {

// The designed surface and board (the geometry of a larger window is the
// state's `geometry`).
constexpr int kBoardLeft = kDesignedBoardLeft;
constexpr int kBoardTop = kDesignedBoardTop;
constexpr int kCellPitch = kDesignedPitch;
constexpr int kSurfaceWidth = kDesignedSurfaceWidth;
constexpr int kSurfaceHeight = kDesignedSurfaceHeight;

enum DragMode : int { dragNone = 0, dragFill = 1, dragMark = 2 };
enum PlayCell : int { cellEmpty = 0, cellFilled = 1, cellMarked = 2 };

// The working colours before any picture is read: blue-violet pictures on the
// button-face board, light grey highlight, khaki and dark brown lines.
constexpr ColorSet kDefaultGameColors = {0xDD7777u, kButtonFaceColor, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu};

struct GameState {
    // Where the board and its clues stand on the surface on show; every
    // drawing step and every pointer-to-cell mapping reads it.
    BoardGeometry geometry = designedBoardGeometry();

    TPictureLibrary library;
    int currentPicture = 1;            // 1-based library slot being played

    CellGrid solutionGrid;             // 0 empty, 1 filled
    CellGrid playGrid;                 // PlayCell values
    std::array<std::string, kMaxHeight + 1> rowClues;     // [1..30], "%.2d" runs
    std::array<std::string, kMaxWidth + 1> columnClues;   // [1..40]
    ColorSet colors = kDefaultGameColors;                 // the working colours

    bool boardShown = false;
    bool puzzleActive = false;
    bool redrawPending = false;
    bool boardStale = false;
    bool solved = false;
    int blinkCount = 0;
    int hoverColumn = -1, hoverRow = -1;   // 0-based, -1 for none
    int dragging = 0;
    int dragMode = dragNone;
    int lastColumn = -1, lastRow = -1;     // 0-based, -1 for none
    // The drag's pointer went off the board since it last entered a cell: the
    // cell it comes back to is entered alone, not the line from the last one.
    bool dragOffBoard = false;

    // Beyond the mouse: the steps that can be taken back, the button
    // (dragMode) that Shift+arrows extend after Space or X, dragNone when
    // none, and whether a line's clue turns grey once its filled cells
    // match it (off until the player turns it on with G).
    PlayHistory history;
    int keyDragMode = dragNone;
    bool greyFinishedClues = false;
    // Whether a line's clue turns red once no placement of it fits the
    // line's filled cells and dots (off until the player turns it on with E).
    bool showMistakes = false;
    // The arrows moved the cross: the cell under it is outlined until the
    // next pointer move.
    bool keyboardCursor = false;
    // The last hint stands until the board next changes; the cell it
    // named (0-based, -1 for none) is outlined meanwhile.
    bool hintStands = false;
    int hintColumn = -1, hintRow = -1;

    // Width and height of the current picture, kept within 1..40 and 1..30
    // whatever the slot holds.
    int width() const;
    int height() const;

    // The next timer tick composes a frame: one was asked for, or the end
    // screen of a finished picture animates.
    bool frameDue() const { return solved || redrawPending; }
};

}  // namespace mosarin
