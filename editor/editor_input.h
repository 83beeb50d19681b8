#pragma once
// The mouse on the editor's board: flipping cells by press and drag, the
// cross under the pointer, and the two corners of the guide-image resize
// selection. Handlers only change fields and ask for a frame; they never draw.

#include <optional>

#include "editor/editor_state.h"

namespace mosarin {

struct EditorCell {
    int column;  // 0-based
    int row;     // 0-based
    bool operator==(const EditorCell&) const = default;
};

// (x - 20) / 15 and (y - 20) / 15, truncating toward zero, so up to 14
// pixels left of or above the board still answer to the first column or
// row. Nothing when the cell lies outside the current picture.
std::optional<EditorCell> hitTest(const EditorState& state, int x, int y);

// 0 becomes 1; anything else becomes 0.
int flippedCell(int value);

// What a press leaves for the window to do.
enum class PressResult { Done, EndResize };

// A press of any mouse button at (x, y) in Image1 pixels. In painting mode
// it flips the cell under the pointer and starts a drag; in resize mode it
// sets the selection's first corner, or, once that is set, returns
// EndResize: the window then applies the selection (finredim).
PressResult posiciona(EditorState& state, int x, int y);
// Image1MouseMove: the cross, the moving corner of a selection, drag flips.
void mouseMove(EditorState& state, int x, int y);
// Image1MouseUp: ends a drag.
void mouseUp(EditorState& state);

}  // namespace mosarin
