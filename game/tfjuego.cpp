#include "game/tfjuego.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "game/game_preferences.h"
#include "game/play_key_map.h"
#include "game/hint.h"
#include "game/puzzle.h"
#include "game/window_geometry.h"
#include "picture/stale_temporary_files.h"
#include "shell/wrap_button.h"
#include "shell/app_info.h"
#include "shell/canvas.h"
#include "shell/window_look.h"
#include "shell/image_view.h"

namespace mosarin {

namespace {

constexpr int kTimerInterval = 40;  // milliseconds: at most 25 frames a second

struct SideButton {
    QPushButton* Tfjuego::*control;
    const char* caption;
    QRect place;
    void (Tfjuego::*handler)();
};

// The command column, top to bottom, lying over the surface's right strip.
const SideButton kSideButtons[] = {
    {&Tfjuego::Button1, "New Game", {705, 168, 66, 38}, &Tfjuego::Button1Click},
    {&Tfjuego::Button3, "Load Game", {705, 208, 66, 38}, &Tfjuego::Button3Click},
    {&Tfjuego::Button2, "Save Game", {705, 248, 66, 38}, &Tfjuego::Button2Click},
    {&Tfjuego::Button6, "Edit Pictures", {705, 288, 65, 38}, &Tfjuego::Button6Click},
    {&Tfjuego::Button5, "Help (On-Line)", {705, 327, 65, 38}, &Tfjuego::Button5Click},
};

// The "Select Picture" panel at the designed size.
const QRect kSelectPanelPlace(304, 264, 193, 97);

// The game's name for a Qt button; nothing for buttons the game does not use.
std::optional<MouseButton> gameButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return std::nullopt;
    }
}



}  // namespace

Tfjuego::Tfjuego(Platform& platform, QString programFolder, QWidget* parent, SelectPanel selectPanel)
    : QWidget(parent), platform_(platform), programFolder_(std::move(programFolder)) {
    buildControls();
    connectHandlers();
    if (selectPanel == SelectPanel::WithWindow) ensureSelectPanel();
    runGuarded([this] { FormCreate(); });
    restorePreferences();
}

// A resize of a hidden window reaches resizeEvent only when it is shown:
// its last size is kept here too.
Tfjuego::~Tfjuego() { rememberPreferences(); }

void Tfjuego::restorePreferences() {
    settings_ = platform_.userSettings();
    if (!settings_) return;
    const GamePreferences preferences = readGamePreferences(*settings_);
    state_.greyFinishedClues = preferences.greyFinishedClues;
    state_.showMistakes = preferences.showMistakes;
    resize(preferences.windowSize);
    // Centred for the size it opens at, frame included, as the designed one is.
    if (preferences.windowSize != QSize(kGameClientWidth, kGameClientHeight))
        centreOnScreen(*this, preferences.windowSize.width() + kGameOuterWidth - kGameClientWidth,
                       preferences.windowSize.height() + kGameOuterHeight - kGameClientHeight);
    if (preferences.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void Tfjuego::rememberPreferences() {
    if (!settings_) return;
    GamePreferences preferences = readGamePreferences(*settings_);
    preferences.maximised = isMaximized();
    // A maximised window keeps the size it returns to.
    if (!isMaximized() && !isFullScreen()) preferences.windowSize = size();
    preferences.greyFinishedClues = state_.greyFinishedClues;
    preferences.showMistakes = state_.showMistakes;
    writeGamePreferences(*settings_, preferences);
}

void Tfjuego::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) rememberPreferences();
}

template <typename Handler>
void Tfjuego::runGuarded(Handler&& handler) {
    guarded(platform_, std::forward<Handler>(handler));
    frameTimer_->settle();
}

void Tfjuego::buildControls() {
    setWindowTitle(QStringLiteral("Mosarin"));
    dressWindow(*this);
    resize(kGameClientWidth, kGameClientHeight);
    // It may grow (and be maximised) but never shrink below the designed size.
    setMinimumSize(kGameClientWidth, kGameClientHeight);

    Image1 = new ImageView(this);
    Image1->setGeometry(0, 0, kSurfaceWidth, kSurfaceHeight);

    for (const SideButton& side : kSideButtons) {
        auto* button = new WrapButton(QString::fromLatin1(side.caption), this);
        button->setGeometry(side.place);
        this->*side.control = button;
    }
    Button5->setToolTip(playKeysTooltip());
    hintLine = new QLabel(this);
    hintLine->setAutoFillBackground(true);
    hintLine->setContentsMargins(6, 2, 6, 2);
    hintLine->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(kTimerInterval);
    frameTimer_.emplace(*Timer1, [this] { return state_.frameDue(); });
}

void Tfjuego::ensureSelectPanel() {
    if (gp1 != nullptr) return;
    buildSelectPanel();
    connectSelectPanel();
    placeSelectPanel();
}

void Tfjuego::hideSelectPanel() {
    if (gp1 != nullptr) gp1->hide();
}

void Tfjuego::placeSelectPanel() {
    if (gp1 == nullptr) return;
    const int width = std::max(this->width(), kGameClientWidth);
    const int height = std::max(this->height(), kGameClientHeight);
    gp1->move(kSelectPanelPlace.translated((width - kGameClientWidth) / 2, (height - kGameClientHeight) / 2).topLeft());
}

void Tfjuego::buildSelectPanel() {
    gp1 = new QFrame(this);
    gp1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    gp1->setLineWidth(1);
    gp1->setAutoFillBackground(true);
    gp1->setGeometry(kSelectPanelPlace);

    S1 = new QLabel(QStringLiteral("Select Picture"), gp1);
    S1->move(56, 8);
    S1->adjustSize();

    cb1 = new QComboBox(gp1);
    cb1->setEditable(true);
    // Return in the edit box must not add what was typed to the list: the
    // entries are exactly the library's pictures.
    cb1->setInsertPolicy(QComboBox::NoInsert);
    cb1->setGeometry(24, 32, 153, 21);
    cb1->setEditText(QStringLiteral("Select"));

    Button4 = new QPushButton(QStringLiteral("Play"), gp1);
    Button4->setGeometry(56, 64, 81, 25);

    gp1->hide();
}

// The surface fills the window but for the designed strips; the buttons
// keep their distance from the right edge and the panel stays in the middle.
// The next frame is laid out for the new size.
void Tfjuego::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int width = std::max(this->width(), kGameClientWidth);
    const int height = std::max(this->height(), kGameClientHeight);
    Image1->setGeometry(0, 0, surfaceWidthFor(width), surfaceHeightFor(height));
    const int shift = width - kGameClientWidth;
    for (const SideButton& side : kSideButtons) (this->*side.control)->setGeometry(side.place.translated(shift, 0));
    // A hidden hint line is placed when it is next shown: its height asks
    // for the font, which the window must not wait for before it opens.
    if (hintLine->isVisible()) placeHintLine();
    placeSelectPanel();
    rememberPreferences();
    if (surface_.clientWidth == width && surface_.clientHeight == height) return;
    surface_.clientWidth = width;
    surface_.clientHeight = height;
    runGuarded([this] { state_.redrawPending = true; });
}

void Tfjuego::connectHandlers() {
    for (const SideButton& side : kSideButtons) {
        const auto handler = side.handler;
        connect(this->*side.control, &QPushButton::clicked, this, [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
        // The side buttons keep the keyboard focus the commands give them;
        // the game's keys must still reach the board, and Space must not
        // click the button while a puzzle is on it.
        (this->*side.control)->installEventFilter(this);
    }

    frameTimer_->onTick([this] { runGuarded([this] { Timer1Timer(); }); });

    Image1->onPress = [this](Qt::MouseButton pressed, int x, int y) {
        if (const auto button = gameButton(pressed)) runGuarded([&] { posiciona(*button, x, y); });
    };
    Image1->onMove = [this](int x, int y) { runGuarded([&] { Image1MouseMove(x, y); }); };
    Image1->onRelease = [this] { runGuarded([this] { Image1MouseUp(); }); };
}

void Tfjuego::connectSelectPanel() {
    connect(Button4, &QPushButton::clicked, this, [this] { runGuarded([this] { Button4Click(); }); });
    // Return presses "Play" as on the side buttons; the list's own keys
    // (Return plays, Escape closes the panel) are watched too.
    for (QObject* watched : {static_cast<QObject*>(Button4), static_cast<QObject*>(cb1), static_cast<QObject*>(cb1->lineEdit())}) {
        watched->installEventFilter(this);
    }
}

void Tfjuego::FormCreate() {
    state_.geometry = designedBoardGeometry();
    state_.playGrid.clear();
    state_.library.clear();
    centreOnScreen(*this, kGameOuterWidth, kGameOuterHeight);
    // The frame is made when the first one is composed: filling it here
    // touched 1.7 MB before the window could open.
    surface_.frameImage = QImage();
    // Each failed asset is reported on its own and left undrawn; the picture
    // list must still be read so the game stays playable. The files are
    // read and checked here, so a missing or broken one is told before the
    // window opens; their pixels are decoded by the first frame that draws
    // them, after it has opened.
    assetFiles_ = readGameAssetFiles(programFolder_, platform_);
    assets_ = GameAssets();
    // Saves killed part way left their temporary files behind.
    removeStaleTemporaryFiles(localPath(programFolder_ + QStringLiteral("files")));
    resetToStartScreen();
    state_.redrawPending = true;
}

void Tfjuego::resetToStartScreen() {
    hideSelectPanel();
    const LibraryReadReport report = inicializarvar1(state_, localPath(programFolder_ + QStringLiteral("files/pictures.txt")));
    if (report.damaged()) platform_.showMessage(MessageKind::Warning, QString::fromStdString(report.describe()));
    // The game only reads the library; the editor says what a failed read
    // means for saving. Told once, not at every return from the editor.
    if (!report.failure.empty() && !libraryFailureTold_) {
        platform_.showMessage(MessageKind::Warning, QString::fromStdString(report.failure));
    }
    libraryFailureTold_ = !report.failure.empty();
}

void Tfjuego::Button1Click() {
    ensureSelectPanel();
    cb1->clear();
    for (const std::string& entry : pictureListEntries(state_.library)) cb1->addItem(QString::fromStdString(entry));
    showPictureNotes();
    // Adding to an empty list selects its first entry; the panel opens with
    // nothing chosen.
    cb1->setCurrentIndex(-1);
    cb1->setEditText(QStringLiteral("Select"));
    // The list takes the keyboard with the first picture chosen: the arrows
    // choose, Return plays, Escape closes the panel.
    if (cb1->count() > 0) cb1->setCurrentIndex(0);
    gp1->show();
    gp1->raise();
    cb1->setFocus();
}

int Tfjuego::selectedEntry() const {
    const int index = cb1->currentIndex();
    // Once the text has been edited away from the chosen entry, the box no
    // longer names that picture.
    if (index >= 0 && cb1->currentText() != cb1->itemText(index)) return -1;
    return index;
}

void Tfjuego::Button4Click() {
    ensureSelectPanel();
    if (startSelectedPicture(state_, selectedEntry())) gp1->hide();
}

void Tfjuego::Button6Click() {
    if (editor_ != nullptr) editor_->showModal();
    resetToStartScreen();
    state_.puzzleActive = false;
    state_.boardStale = true;
    state_.redrawPending = true;
    hideSelectPanel();
    Button5->setFocus();
}

void Tfjuego::Button5Click() {
    platform_.openUrl(QUrl::fromLocalFile(programFolder_ + QStringLiteral("help.html")).toString(QUrl::FullyEncoded));
}

// Button2Click and Button3Click (saved games) are in tfjuego_saved_games.cpp.

void Tfjuego::placeHintLine() {
    const int width = std::max(this->width(), kGameClientWidth) - kButtonStripWidth;
    hintLine->setGeometry(0, 0, width, hintLine->sizeHint().height());
}

void Tfjuego::Timer1Timer() {
    // A new board, or a change of this one, ends what the last hint said.
    if (state_.boardStale || !state_.puzzleActive) state_.hintStands = false;
    if (hintLine->isVisible() && !state_.hintStands) hintLine->hide();
    if (!state_.frameDue()) return;
    // The start screen's pictures when it is composed; the background and
    // the end screen's pictures while a board is shown, before any puzzle
    // can end. Art scaled for a larger window from assets not yet decoded is
    // scaled again.
    bool decoded = false;
    if (composesStartScreen(state_, surface_)) decoded = decodeStartScreenAssets(assetFiles_, assets_, platform_);
    if (state_.boardShown) {
        decoded = decodeBackground(assetFiles_, assets_, platform_) || decoded;
        decoded = decodeEndScreenAssets(assetFiles_, assets_, platform_) || decoded;
    }
    if (decoded) surface_.artScaled = false;
    const QRect changed = mostrar(state_, assets_, surface_, platform_);
    // The start screen lives on in its frame, which is composed again only
    // for a new size or after a board: its pictures are not kept meanwhile
    // (2.6 MB at the designed size). A board keeps its background.
    assets_.startImage = QImage();
    if (!state_.boardShown) assets_.backImage = QImage();
    Image1->showFrame(surface_.frameImage, changed);
}

void Tfjuego::posiciona(MouseButton button, int x, int y) { mosarin::posiciona(state_, button, x, y); }

void Tfjuego::Image1MouseMove(int x, int y) { mouseMove(state_, x, y); }

void Tfjuego::Image1MouseUp() { mouseUp(state_); }

bool Tfjuego::gameKeyPressed(const QKeyEvent& event) {
    const std::optional<KeyPress> press = playKeyFor(event);
    if (!press) return false;
    bool taken = false;
    runGuarded([&] {
        const bool greyBefore = state_.greyFinishedClues, mistakesBefore = state_.showMistakes;
        taken = playKey(state_, *press);
        if (state_.greyFinishedClues != greyBefore || state_.showMistakes != mistakesBefore) rememberPreferences();
        if (taken && press->key == PlayKey::Hint && !press->autoRepeat) showHint();
    });
    return taken;
}

// The command keys reach here from any control that does not use them.
void Tfjuego::keyPressEvent(QKeyEvent* event) {
    if (gameKeyPressed(*event) || commandKeyPressed(*event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Tfjuego::commandKeyPressed(const QKeyEvent& event) {
    const std::optional<WindowCommand> command = commandKeyFor(event.key(), event.modifiers());
    if (!command) return false;
    switch (*command) {
    case WindowCommand::NewGame: runGuarded([this] { Button1Click(); }); break;
    case WindowCommand::LoadGame: runGuarded([this] { Button3Click(); }); break;
    case WindowCommand::SaveGame: runGuarded([this] { Button2Click(); }); break;
    case WindowCommand::EditPictures: runGuarded([this] { Button6Click(); }); break;
    case WindowCommand::Help: runGuarded([this] { Button5Click(); }); break;
    }
    return true;
}

// The buttons and the panel's list are watched. A game key pressed on a
// button is the game's (a button clicks on Space's release only after it
// took the press); Return presses the button while the keys do not play a
// puzzle, as Space then does.
bool Tfjuego::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool plainReturn = (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
                             (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (cb1 != nullptr && (watched == cb1 || watched == cb1->lineEdit())) {
        if (plainReturn) {
            runGuarded([this] { Button4Click(); });
            return true;
        }
        if (key.key() == Qt::Key_Escape) {
            gp1->hide();
            Button1->setFocus();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    // "Play" is pressed by its own keys even over a running game.
    if (Button4 != nullptr && watched == Button4) {
        if (!plainReturn) return QWidget::eventFilter(watched, event);
        Button4->click();
        return true;
    }
    if (gameKeyPressed(key)) return true;
    if (plainReturn && !keysPlayThePuzzle(state_)) {
        if (auto* button = qobject_cast<QPushButton*>(watched)) button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tfjuego::showHint() {
    const Hint hint = findHint(state_);
    if (hint.kind == HintKind::None) return;
    hintLine->setText(QString::fromStdString(hint.sentence));
    placeHintLine();
    hintLine->show();
    hintLine->raise();
    // The cell it names is outlined; for a hint about a whole row, the
    // cell of that row under the cross.
    state_.hintStands = true;
    state_.hintColumn = hint.column >= 0 ? hint.column : hint.row >= 0 ? state_.hoverColumn : -1;
    state_.hintRow = hint.row >= 0 ? hint.row : hint.column >= 0 ? state_.hoverRow : -1;
    state_.redrawPending = true;
    if (hint.row < 0 && hint.column < 0) return;
    // A hint that names only a row keeps the column of the cross as it is.
    if (hint.row >= 0) state_.hoverRow = hint.row;
    if (hint.column >= 0) state_.hoverColumn = hint.column;
    state_.redrawPending = true;
}

// The surface covers the window from its corner, so a press on the window
// itself has the same coordinates; it is handled like one on the surface.
// Presses that the select panel and its label pass up are not: they would
// toggle the cell beneath the panel and start a drag that no release ends.
void Tfjuego::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const auto button = gameButton(event->button());
    if (button && isOwnSurfacePress(*this, at)) runGuarded([&] { posiciona(*button, at.x(), at.y()); });
    event->accept();
}

// A release anywhere in the window ends a drag, wherever it began.
void Tfjuego::mouseReleaseEvent(QMouseEvent* event) {
    runGuarded([this] { Image1MouseUp(); });
    event->accept();
}

}  // namespace mosarin
