#pragma once
// Where the board, its cells and its clue numbers stand on the play surface,
// as one value made by one function from the surface's size, the puzzle and
// its clues. Every drawing step and every mapping from a pointer position to
// a cell reads it, so what is drawn and what a click reaches never disagree.
// Plain C++, no Qt: the clue font is described by numbers measured elsewhere.

#include <span>
#include <string>

namespace mosarin {

// The game window's designed client area and the play surface it holds.
constexpr int kDesignedClientWidth = 782;
constexpr int kDesignedClientHeight = 563;
constexpr int kDesignedSurfaceWidth = 780;
constexpr int kDesignedSurfaceHeight = 555;
// The designed board: the corner of cell (1, 1) and the pixels per cell.
constexpr int kDesignedBoardLeft = 130;
constexpr int kDesignedBoardTop = 120;
constexpr int kDesignedPitch = 14;

// The clue font's digits, measured at one cell height (ascent + descent) of
// the font; the layout scales them to the heights it tries.
struct ClueFontMetrics {
    int referenceHeight = 100;   // the cell height they were measured at
    int digitAdvance = 0;        // horizontal advance of one digit (all digits share it)
    int inkTop = 0;              // from the text box's top to the top of a digit's ink
    int inkHeight = 0;           // a digit's ink, top to bottom
};

struct BoardGeometry {
    int surfaceWidth = kDesignedSurfaceWidth;
    int surfaceHeight = kDesignedSurfaceHeight;
    int left = 0, top = 0;   // top-left corner of cell (1, 1)
    int pitch = 0;           // pixels per cell, both directions

    // Clue numbers: the font's cell height; a row's numbers stand right of
    // one another ending `rowEndGap` left of the board, each taking its
    // step (digits and the gap before the next); their text boxes start
    // `rowTextDown` below the row's top edge. A column's lowest number's
    // box starts `columnLift` above the board, the next ones `columnStep`
    // higher each; a number's box starts its indent into the column.
    int clueHeight = 0;
    int rowStepOneDigit = 0, rowStepTwoDigits = 0;
    int rowEndGap = 0;
    int rowTextDown = 0;
    int columnLift = 0, columnStep = 0;
    int columnIndentOneDigit = 0, columnIndentTwoDigits = 0;

    // Inside a cell's grid square (offsets from its top-left corner): the
    // fill and the highlight; the dot of a marked cell; the end screen's
    // framed square and the width of its frame.
    int fillInset = 0, fillSize = 0;
    int markInset = 0, markSize = 0;
    int festiveInset = 0, festiveSize = 0, festiveRing = 0;

    // The designed surface, drawn exactly as designed (its artwork unscaled).
    bool designed = false;

    // The top-left corner of cell (column, row), both 1-based.
    int cellLeft(int column) const { return left + pitch * (column - 1); }
    int cellTop(int row) const { return top + pitch * (row - 1); }
    // Where every fifth grid line lies: the board's edge, then each 5 cells.
    int blockPitch() const { return 5 * pitch; }
    // The end screen's artwork, drawn at the designed size times `pitch` /
    // designed pitch: the end picture just outside the board's corner, the
    // overlay five cells in and ten down.
    int endImageLeft() const;
    int endImageTop() const;
    int overlayLeft() const { return left + 5 * pitch; }
    int overlayTop() const { return top + 10 * pitch; }
    // Scales a length of the designed artwork to this board.
    int scaled(int designedLength) const;

    bool operator==(const BoardGeometry&) const = default;
};

// The designed geometry: corner (130, 120), pitch 14, 11-pixel clues.
BoardGeometry designedBoardGeometry();

// The puzzle as the layout needs it: its size and its clue texts ("%.2d"
// runs), one per row (top first) and one per column (left first).
struct BoardLayoutInput {
    int clientWidth = kDesignedClientWidth;
    int clientHeight = kDesignedClientHeight;
    int columns = 1, rows = 1;
    std::span<const std::string> rowClues;
    std::span<const std::string> columnClues;
    ClueFontMetrics font;
};

// At the designed client size, the designed geometry whatever the puzzle.
// At any other size, a layout made for reading: the largest pitch (at least
// the designed one) at which the board and all its clues fit the surface
// left of the buttons, clue numbers growing with it and kept apart by at
// least half a digit (never under 4 pixels) in a row and 2 pixels of ink in
// a column, the corner placed from the widest row clue and the tallest
// column clue so that none is cut, the whole centred in the space.
BoardGeometry boardGeometry(const BoardLayoutInput& input);

// The surface that a client area of this size shows: the designed one
// keeps the designed strip below and right of it.
int surfaceWidthFor(int clientWidth);
int surfaceHeightFor(int clientHeight);

// The width of the strip at the surface's right edge that the command
// buttons take, margins included: the board stays left of it.
constexpr int kButtonStripWidth = 90;

}  // namespace mosarin
