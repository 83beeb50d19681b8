#include "editor/guide_selection.h"

namespace mosarin {

ResizePress pressResizeSelection(ResizeSelection& selection, int x, int y, int columns, int rows) {
    if (selection.selStartX != -1) return ResizePress::Finish;
    const int bx = x - kEditorBoardOrigin, by = y - kEditorBoardOrigin;
    if (bx < 0 || bx >= kEditorCellSize * columns || by < 0 || by >= kEditorCellSize * rows) {
        return ResizePress::Ignored;
    }
    selection = {bx, by, bx, by};
    return ResizePress::CornerSet;
}

bool moveResizeSelection(ResizeSelection& selection, int x, int y, int columns, int rows) {
    if (!selection.started()) return false;
    const int bx = x - kEditorBoardOrigin, by = y - kEditorBoardOrigin;
    if (bx <= selection.selStartX || bx >= kEditorCellSize * columns) return false;
    if (by <= selection.selStartY || by >= kEditorCellSize * rows) return false;
    selection.selEndX = bx;
    selection.selEndY = by;
    return true;
}

}  // namespace mosarin
