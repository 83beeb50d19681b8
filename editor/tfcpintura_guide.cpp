// The guide image: "Show", "Hide", "Resize" and the end of a resize
// selection (finredim). The pixel work is in guide_image.h; here the window
// asks for the file, keeps the two bitmaps and sets the flags.
#include <QFileInfo>

#include "editor/guide_bitmap.h"
#include "editor/tfcpintura.h"
#include "shell/image_files.h"
#include "shell/image_view.h"

namespace mosarin {

void TFcpintura::fitGuideImage() {
    scaleGuideImage(guideSource, guideScaled, kEditorCellSize * state_.width(), kEditorCellSize * state_.height());
}

void TFcpintura::Button11Click() {
    const QString path = platform_.openFileName(QStringLiteral("*.jpg|*.jpg|*.bmp|*.bmp"), programFolder_)
                             .value_or(QString());
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path)) {
        platform_.showMessage(MessageKind::Error, QStringLiteral("File dont exist"));
        return;
    }
    // A file that cannot be read or decoded throws here, before either
    // bitmap or any flag has changed.
    guideSource = loadGuideImage(path);
    fitGuideImage();
    state_.guideVisible = true;
    state_.redrawPending = true;
    state_.boardStale = true;
}

void TFcpintura::Button12Click() {
    state_.guideVisible = false;
    state_.redrawPending = true;
    state_.boardStale = true;
}

// Presses on the board now pick the selection instead of painting; a second
// "Resize" starts the selection afresh.
void TFcpintura::Button15Click() {
    state_.resizeMode = true;
    state_.selStartX = state_.selStartY = state_.selEndX = state_.selEndY = -1;
    // The pointer tells that a press on the board now selects, not paints.
    Image1->setCursor(Qt::CrossCursor);
}

void TFcpintura::finredim() {
    // An empty selection (no valid move between the presses) has nothing to
    // enlarge: the guide image stays as shown.
    enlargeGuideSelection(guideSource, guideScaled, {state_.selStartX, state_.selStartY, state_.selEndX, state_.selEndY});
    state_.resizeMode = false;
    Image1->unsetCursor();
    state_.selStartX = state_.selStartY = state_.selEndX = state_.selEndY = -1;
    state_.redrawPending = true;
    state_.guideVisible = true;
    state_.boardStale = true;
}

}  // namespace mosarin
