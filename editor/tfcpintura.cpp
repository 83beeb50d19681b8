#include "editor/tfcpintura.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <utility>

#include "editor/editor_commands.h"
#include "editor/editor_input.h"
#include "editor/picture_check.h"
#include "editor/picture_store.h"
#include "shell/window_look.h"
#include "shell/app_info.h"
#include "shell/canvas.h"
#include "shell/image_view.h"

namespace mosarin {

namespace {

constexpr int kOuterWidth = 651;    // the window's outer size, frame included
constexpr int kOuterHeight = 590;

MessageKind messageKind(NoticeKind kind) {
    switch (kind) {
    case NoticeKind::Information: return MessageKind::Information;
    case NoticeKind::Warning: return MessageKind::Warning;
    case NoticeKind::Error: break;
    }
    return MessageKind::Error;
}

Color plainColor(Color color) {
    const QRgb rgb = toRgb(color);
    return static_cast<Color>(qRed(rgb)) | static_cast<Color>(qGreen(rgb)) << 8 | static_cast<Color>(qBlue(rgb)) << 16;
}

void showText(QLineEdit* field, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    // Rewriting an unchanged text would move the user's cursor.
    if (field->text() != shown) field->setText(shown);
}

}  // namespace

TFcpintura::TFcpintura(Platform& platform, QString programFolder, QWidget* parent)
    : QDialog(parent), platform_(platform), programFolder_(std::move(programFolder)) {
    buildControls();
    connectHandlers();
    runGuarded([this] { FormCreate(); });
    // Made hidden, the editor has nothing to show yet: its first frame (and
    // with it the memory its images take) waits for the first opening, so
    // the game's start-up does not pay for a window the user may never open.
    Timer1->stop();
}

void TFcpintura::showModal() {
    tell(std::exchange(noticesAtCreation_, {}));
    // A library that could not be read is tried again at each opening: the
    // user may have mended it meanwhile. A picture painted since stays.
    if (state_.libraryGuard.unreadable()) {
        runGuarded([this] {
            if (state_.modified) {
                tell(readAgainKeepingBoard(state_, libraryFile()));
            } else {
                tell(leerarchivo(state_, libraryFile()));
                if (!state_.libraryGuard.unreadable()) {
                    state_.currentPicture = 1;
                    showCurrentPicture(state_);
                    history_.clear();
                }
            }
            showState();
        });
    }
    // The window opens on the frame it asked for, not on its bare background
    // for a tick.
    runGuarded([this] { Timer1Timer(); });
    exec();
}

std::filesystem::path TFcpintura::libraryFile() const {
    return localPath(programFolder_ + QStringLiteral("files/pictures.txt"));
}

void TFcpintura::runGuarded(const std::function<void()>& handler) {
    // A handler shows what it changed; one that failed half-way may have
    // left the controls behind the state.
    if (!guarded(platform_, handler)) showState();
    noticeBoardChange();
    // Timer1 runs only while a frame is due, so an idle editor, shown or
    // hidden, never wakes the program.
    frameTimer_->settle();
}

void TFcpintura::showState() {
    const QString title = QString::fromStdString(titleFor(state_.currentPicture));
    if (GroupBox3->title() != title) GroupBox3->setTitle(title);
    showText(tancho, state_.widthText);
    showText(talto, state_.heightText);
    if (gp1->isVisibleTo(this) != state_.selectPanelOpen) {
        gp1->setVisible(state_.selectPanelOpen);
        if (state_.selectPanelOpen) gp1->raise();
    }
    GroupBox3->setEnabled(!state_.selectPanelOpen);
}

void TFcpintura::tell(const Notices& notices) {
    for (const Notice& notice : notices) platform_.showMessage(messageKind(notice.kind), QString::fromStdString(notice.text));
}

void TFcpintura::FormCreate() {
    state_ = EditorState{};
    state_.cells.clear();
    state_.library.clear();
    centreOnScreen(*this, kOuterWidth, kOuterHeight);
    // The images are made by the first frame composed.
    surface_ = EditorSurface{};
    // The editor is made hidden, after the game has told the user about the
    // same file; what its own reading found is told when it is first
    // opened, where it matters.
    noticesAtCreation_ = leerarchivo(state_, libraryFile());
    state_.currentPicture = 1;
    asignarpintura(state_, 1);
    state_.selectPanelOpen = false;
    guideScaled = QImage();
    guideSource = QImage();
    history_.clear();
    showState();
}

bool TFcpintura::offerToSave(bool* declined) {
    if (!state_.modified) return true;
    const bool save = platform_.confirm(QString::fromLatin1(kOfferToSaveText));
    if (declined != nullptr) *declined = !save;
    if (save) {
        const Notices notices = guardapint(state_, libraryFile());
        tell(notices);
        if (hasError(notices)) return false;
    }
    state_.modified = false;
    return true;
}

void TFcpintura::Button1Click() {
    if (const std::optional<Notice> refusal = libraryWriteRefusal(state_)) {
        tell({*refusal});
    } else if (const std::optional<Notice> refusal = newPictureRefusal(state_)) {
        tell({*refusal});
    } else if (offerToSave()) {
        tell(newPicture(state_, libraryFile()));
        history_.clear();
    }
    showState();
}

void TFcpintura::Button2Click() {
    if (offerToSave()) {
        tell(previousPicture(state_, libraryFile()));
        history_.clear();
    }
    showState();
}

void TFcpintura::Button18Click() {
    if (offerToSave()) {
        tell(nextPicture(state_, libraryFile()));
        history_.clear();
    }
    showState();
}

void TFcpintura::Button3Click() {
    if (offerToSave()) {
        cb1->clear();
        for (const std::string& entry : openSelectPanel(state_)) cb1->addItem(QString::fromStdString(entry));
        // Adding to an empty list selects its first entry; the panel opens
        // with nothing chosen.
        cb1->setCurrentIndex(-1);
        cb1->setEditText(QStringLiteral("Select"));
    }
    showState();
}

int TFcpintura::selectedEntry() const {
    const int index = cb1->currentIndex();
    // Once the text has been edited away from the chosen entry, the box no
    // longer names that picture.
    if (index >= 0 && cb1->currentText() != cb1->itemText(index)) return -1;
    return index;
}

void TFcpintura::Button19Click() {
    const int entry = selectedEntry();
    tell(loadSelectedPicture(state_, entry, libraryFile()));
    if (entry >= 0) history_.clear();
    showState();
}

void TFcpintura::Button1Click9() {
    const Notices notices = guardapint(state_, libraryFile());
    tell(notices);
    showState();
    if (hasError(notices)) return;
    platform_.showMessage(MessageKind::Information, QString::fromLatin1(kPictureSavedText));
    tellClueFit();
}

void TFcpintura::tellClueFit() {
    if (const std::optional<std::string> warning = clueFitWarning(state_)) {
        platform_.showMessage(MessageKind::Warning, QString::fromStdString(*warning));
    }
}

void TFcpintura::Button13Click() {
    if (platform_.confirm(QString::fromLatin1(kClearBoardText))) asStep([this] { clearBoard(state_); });
}

void TFcpintura::Button5Click() {
    asStep([this] { changeSize(state_); });
    showState();
    // A hidden guide image is scaled again only by the next "Show".
    if (state_.guideVisible) fitGuideImage();
}

void TFcpintura::chooseColor(ColorSlot slot) {
    if (const std::optional<Color> chosen = platform_.chooseColor(state_.chooserColor)) asStep([&] { applyChosenColor(state_, slot, *chosen); });
}

void TFcpintura::Button6Click() { chooseColor(colorPicture); }
void TFcpintura::Button7Click() { chooseColor(colorBack1); }
void TFcpintura::Button8Click() { chooseColor(colorBack2); }
void TFcpintura::Button9Click() { chooseColor(colorLine1); }
void TFcpintura::Button10Click() { chooseColor(colorLine2); }

void TFcpintura::Button14Click() {
    if (const std::optional<Notice> refusal = libraryWriteRefusal(state_)) {
        tell({*refusal});
    } else if (platform_.confirm(QString::fromLatin1(kDeletePictureText))) {
        const int countBefore = state_.library.count;
        tell(deleteCurrentPicture(state_, libraryFile()));
        // The last picture is never deleted; then the board stays as it was.
        if (state_.library.count != countBefore) history_.clear();
    }
    showState();
}

void TFcpintura::checkPicture() {
    // Said before the check: a clue the game cannot show makes the picture
    // unsolvable there, however the solver answers.
    tellClueFit();
    state_.outlinedCells.clear();
    state_.redrawPending = true;
    checkedBoard_ = checkedBoardKey(state_);
    checkWorker_.start(cluesAsSaved(state_), kPictureCheckSeconds,
                       [this](const solver::SolveResult& result) { runGuarded([&] { showCheckAnswer(result); }); });
}

void TFcpintura::showCheckAnswer(const solver::SolveResult& result) {
    // A size typed since F7 changes the clues without passing a handler.
    if (checkedBoardKey(state_) != checkedBoard_) return;
    // Outlined before the box opens, so the user sees the cells it speaks of.
    state_.outlinedCells = cellsToOutline(result);
    if (!state_.outlinedCells.empty()) {
        ColorSet plain{};
        for (int slot = 0; slot < kColorSlots; ++slot) plain[slot] = plainColor(state_.colors[slot]);
        state_.outlineColor = outlineColorFor(plain);
        state_.redrawPending = true;
        mostrar();
    }
    platform_.showMessage(MessageKind::Information, QString::fromStdString(checkMessage(result)));
}

void TFcpintura::noticeBoardChange() {
    if (!checkWorker_.running() && state_.outlinedCells.empty()) return;
    if (checkedBoardKey(state_) == checkedBoard_) return;
    checkWorker_.cancel();
    if (!state_.outlinedCells.empty()) {
        state_.outlinedCells.clear();
        state_.redrawPending = true;
    }
}

// A closed editor answers no more: its check's box would stand alone.
void TFcpintura::hideEvent(QHideEvent* event) {
    checkWorker_.cancel();
    QDialog::hideEvent(event);
}

void TFcpintura::Timer1Timer() {
    if (state_.redrawPending) mostrar();
}

void TFcpintura::mostrar() {
    // Every change to the board asks for a frame, so this sees any change
    // that did not pass through a handler here (a size typed, a test's call).
    noticeBoardChange();
    mosarin::mostrar(state_, guideScaled, surface_);
    Image1->setFrame(surface_.frameImage);
}

// A press and its whole drag are one undo step, closed by the release.
void TFcpintura::posiciona(int x, int y) {
    if (!state_.resizeMode) history_.begin(state_);
    if (mosarin::posiciona(state_, x, y) == PressResult::EndResize) finredim();
    if (!state_.dragging) history_.end(state_);
}

void TFcpintura::Image1MouseMove(int x, int y) { mouseMove(state_, x, y); }

void TFcpintura::Image1MouseUp() {
    mouseUp(state_);
    history_.end(state_);
}

// Image1 covers the window from its corner, so a press on the window itself
// has the same coordinates; it is handled like one on the board. Presses that
// the Select Picture panel, its label or the command area pass up are not:
// they would flip the cell beneath the panel and start a drag.
void TFcpintura::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (isPaintingButton(event->button()) && isOwnSurfacePress(*this, at)) runGuarded([&] { posiciona(at.x(), at.y()); });
    event->accept();
}

// A release anywhere in the window ends a drag, wherever it began.
void TFcpintura::mouseReleaseEvent(QMouseEvent* event) {
    runGuarded([this] { Image1MouseUp(); });
    event->accept();
}

}  // namespace mosarin
