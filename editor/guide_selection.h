#pragma once
// The guide image's resize selection: two presses on the editor board pick a
// rectangle of the shown guide image, and the pointer moves its far corner in
// between. Plain rules over the four corner values; the window's mouse
// handlers call them and do the drawing and the enlargement themselves.

#include "editor/guide_image.h"

namespace mosarin {

// Where the editor board lies in the window's image, and its cells' size.
constexpr int kEditorBoardOrigin = 20;
constexpr int kEditorCellSize = 15;

// Board-relative pixels; -1 while unset. "Resize" starts from all four unset.
struct ResizeSelection {
    int selStartX = -1, selStartY = -1;
    int selEndX = -1, selEndY = -1;

    bool started() const { return selStartX > -1 && selStartY > -1; }
    // The selected rectangle, right and bottom edges exclusive.
    PixelRect rect() const { return {selStartX, selStartY, selEndX, selEndY}; }
    friend bool operator==(const ResizeSelection&, const ResizeSelection&) = default;
};

enum class ResizePress {
    CornerSet,  // the first corner was set (both corners on the pressed pixel)
    Ignored,    // outside the board before any corner: nothing changed
    Finish,     // a corner was already set: the caller ends the resize (finredim)
};

// A press at (x, y) in the window's image, on a board of `columns` x `rows`
// cells. Sets both corners when no corner is set yet and the point lies on
// the board (0 <= x - 20 < 15 * columns, likewise y).
ResizePress pressResizeSelection(ResizeSelection& selection, int x, int y, int columns, int rows);

// A pointer move to (x, y) once the first corner is set: the far corner
// follows only to points strictly right of and below the first corner and
// inside the board. Returns whether it moved.
bool moveResizeSelection(ResizeSelection& selection, int x, int y, int columns, int rows);

}  // namespace mosarin
