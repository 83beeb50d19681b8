// The editor's keys (F7, Ctrl+S "Save", undo and redo) and its undo and redo. The keys belong to no control:
// a focused button passes on the keys it does not use, so they reach the
// window wherever the focus is, except in a text field, where Ctrl+Z and
// Ctrl+Y keep undoing and redoing the typing.
#include <QGroupBox>
#include <QKeyEvent>

#include "editor/tfcpintura.h"

namespace mosarin {

namespace {

enum class EditorKey { None, Undo, Redo, Check, Save, FairPicture };

EditorKey editorKeyFor(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrl = held == Qt::ControlModifier;
    const bool ctrlShift = held == (Qt::ControlModifier | Qt::ShiftModifier);
    // F7 is the editor's own: the controls pass it on, and no command uses it.
    if (event.key() == Qt::Key_F7 && held == Qt::NoModifier) return EditorKey::Check;
    if (event.key() == Qt::Key_Z && ctrl) return EditorKey::Undo;
    if (event.key() == Qt::Key_R && ctrl) return EditorKey::FairPicture;
    if (event.key() == Qt::Key_S && ctrl) return EditorKey::Save;
    if ((event.key() == Qt::Key_Z && ctrlShift) || (event.key() == Qt::Key_Y && ctrl)) return EditorKey::Redo;
    return EditorKey::None;
}

}  // namespace

void TFcpintura::keyPressEvent(QKeyEvent* event) {
    switch (editorKeyFor(*event)) {
    case EditorKey::Undo:
        runGuarded([this] { undoStep(); });
        break;
    case EditorKey::Redo:
        runGuarded([this] { redoStep(); });
        break;
    case EditorKey::Check:
        runGuarded([this] { checkPicture(); });
        break;
    case EditorKey::FairPicture:
        runGuarded([this] { fillWithFairPicture(); });
        break;
    case EditorKey::Save:
        // "Save" as its button: not while the Select Picture panel holds the
        // command area disabled.
        if (GroupBox3->isEnabled()) runGuarded([this] { Button1Click9(); });
        break;
    case EditorKey::None:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TFcpintura::asStep(const std::function<void()>& command) {
    history_.begin(state_);
    try {
        command();
    } catch (...) {
        // What the command changed before it failed is still one step.
        history_.end(state_);
        throw;
    }
    history_.end(state_);
}

void TFcpintura::undoStep() {
    if (history_.undo(state_)) showRestoredPicture();
}

void TFcpintura::redoStep() {
    if (history_.redo(state_)) showRestoredPicture();
}

void TFcpintura::showRestoredPicture() {
    showState();
    // A guide image cropped by "Resize" keeps its crop while the size stays.
    const QSize board(kEditorCellSize * state_.width(), kEditorCellSize * state_.height());
    if (state_.guideVisible && guideScaled.size() != board) fitGuideImage();
}

}  // namespace mosarin
