#pragma once
// Drawing the editor's board: the static layer (tablero: surround, board
// fill, guide image, grid), the per-frame layer (armatablero: the cross, the
// filled cells, the resize selection) and the frame composed from them
// (mostrar). Reads the editor state; changes only its two repaint flags.

#include <QImage>

#include "editor/editor_state.h"

namespace mosarin {

// The window's client area: the outer 651 x 590 less a 4-pixel frame on each
// side and a 19-pixel caption. The frames are this size; Image1 shows their
// top-left 641 x 553 pixels.
constexpr int kEditorClientWidth = 643;
constexpr int kEditorClientHeight = 563;

// All three are null until the first frame is composed (a window that is
// never opened never makes them); the frame is first made as a copy of the
// static layer.
struct EditorSurface {
    QImage boardImage;   // the static layer, made anew at each rebuild
    QImage boardCache;   // the static layer every frame starts from
    QImage frameImage;   // the composed frame
};

// Rebuilds boardImage; draws `guideScaled` at (20, 20) when guideVisible.
void tablero(const EditorState& state, const QImage& guideScaled, EditorSurface& surface);

// frameImage := boardCache, then the cross (not in resize mode), the filled
// cells' marks and, in resize mode, the selection outline.
void armatablero(const EditorState& state, EditorSurface& surface);

// redrawPending := false; rebuilds the static layer when boardStale (then
// clears it) and composes the frame.
void mostrar(EditorState& state, const QImage& guideScaled, EditorSurface& surface);

}  // namespace mosarin
