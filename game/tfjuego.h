#pragma once
// The game window: the play surface, the command buttons on its right and
// the "Select Picture" panel. It holds the fields and handlers and stays
// thin: the puzzle rules, input and drawing live in puzzle.h, play_input.h
// and play_surface.h. Handlers never draw; Timer1Timer composes the frames.

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "game/game_state.h"
#include "game/play_input.h"
#include "game/play_surface.h"
#include "shell/frame_timer.h"
#include "shell/game_assets.h"
#include "shell/modal_window.h"
#include "shell/platform.h"

class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QResizeEvent;
class QSettings;
class QPushButton;
class QTimer;

namespace mosarin {

class ImageView;

class Tfjuego final : public QWidget {
    Q_OBJECT
public:
    // Builds the controls, runs FormCreate under the error guard (the window
    // exists even when set-up fails) and starts Timer1. Timer1 runs only while
    // a frame is due: every guarded handler wakes it when it asked for one,
    // and a tick that leaves nothing due lets it sleep.
    // `programFolder` ends with a path separator.
    // The "Select Picture" panel, hidden until "New Game", is the first
    // control to look up a font (its edit box lays out its text when made):
    // loading the font database then holds the window back by milliseconds,
    // and its list and edit box take 1.6 MB that a player who never opens it
    // does not need. The program asks for it WhenFirstNeeded: it is built by
    // the first command that shows it.
    enum class SelectPanel { WithWindow, WhenFirstNeeded };
    Tfjuego(Platform& platform, QString programFolder, QWidget* parent = nullptr,
            SelectPanel selectPanel = SelectPanel::WithWindow);
    ~Tfjuego() override;

    // The Pictures Editor opened by "Edit Pictures"; none means it opens nothing.
    void setEditorWindow(ModalWindow* editor) { editor_ = editor; }

    GameState& state() { return state_; }
    PlaySurface& surface() { return surface_; }
    GameAssets& assets() { return assets_; }
    const QString& programFolder() const { return programFolder_; }

    // Handlers. Called directly they may throw; from Qt's signals and events
    // they run under the error guard.
    void FormCreate();
    void Button1Click();   // "New Game"
    void Button2Click();   // "Save Game"
    void Button3Click();   // "Load Game"
    void Button4Click();   // "Play"
    void Button5Click();   // "Help (On-Line)"
    void Button6Click();   // "Edit Pictures"
    void Timer1Timer();
    void posiciona(MouseButton button, int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp();
    // Every key the game answers to comes here, from the window and from its
    // side buttons, and runs under the error guard. Returns whether the key
    // was the game's; one that is not is left to the control that has it.
    bool gameKeyPressed(const QKeyEvent& event);
    // Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+E and F1 run their button's command.
    bool commandKeyPressed(const QKeyEvent& event);
    // H: the explained hint in a line of the window, with the cell it names
    // outlined, both until the board next changes; the highlight cross
    // moves onto what it names. Never changes a cell.
    void showHint();

    // The controls. gp1, S1, cb1 and Button4 are none until the panel is
    // built (see SelectPanel).
    ImageView* Image1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QFrame* gp1 = nullptr;
    QLabel* S1 = nullptr;
    QComboBox* cb1 = nullptr;
    // H's sentence, in a line along the top of the surface while it holds.
    QLabel* hintLine = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // The size, the maximised state and the toggles of the last run.
    void restorePreferences();
    // Keeps them for the next run (nothing without a settings store).
    void rememberPreferences();
    // Builds and connects the panel, hidden and placed for the window's
    // size, unless it is built already.
    void ensureSelectPanel();
    void buildSelectPanel();
    void placeSelectPanel();
    void hideSelectPanel();
    void placeHintLine();
    void connectHandlers();
    void connectSelectPanel();
    // inicializarvar1 with the panel hidden and any damage to the library reported.
    void resetToStartScreen();
    // The list entry the panel's text shows, or -1.
    int selectedEntry() const;
    // Imported pictures' title, author and licence as their list entries' tooltips.
    void showPictureNotes();

    // Runs a handler under the error guard, then wakes or stops Timer1 for
    // whatever frame the handler left due.
    template <typename Handler>
    void runGuarded(Handler&& handler);

    Platform& platform_;
    QString programFolder_;
    ModalWindow* editor_ = nullptr;
    GameState state_;
    PlaySurface surface_;   // Image1 paints straight from its frameImage, which lives as long as the window
    GameAssetFiles assetFiles_;   // read and checked at set-up, decoded by the first frame that draws them
    GameAssets assets_;
    bool libraryFailureTold_ = false;   // told once until the library can be read again
    std::optional<FrameTimer> frameTimer_;   // made with Timer1
    std::unique_ptr<QSettings> settings_;   // the user's preferences, when the platform keeps any
};

}  // namespace mosarin
