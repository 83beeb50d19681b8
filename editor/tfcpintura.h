#pragma once
// The "Pictures Editor" window. The program makes it hidden when the game's
// "Edit Pictures" first opens it, then shows it modally; closing it only
// hides it, keeping its state for the next opening.
// It holds the fields and handlers and stays thin: the painting rules, the
// storing of pictures and the commands live in editor_input.h,
// picture_store.h and editor_commands.h, the drawing in editor_board.h.
// Handlers never draw; Timer1Timer composes the frames.

#include <QDialog>
#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "editor/check_worker.h"
#include "editor/editor_board.h"
#include "editor/editor_history.h"
#include "editor/editor_state.h"
#include "shell/frame_timer.h"
#include "shell/modal_window.h"
#include "shell/platform.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace mosarin {

class ImageView;

// The mouse buttons that paint: left, right and middle, all alike.
bool isPaintingButton(Qt::MouseButton button);

class TFcpintura final : public QDialog, public ModalWindow {
    Q_OBJECT
public:
    // Builds the controls, runs FormCreate under the error guard (the window
    // exists even when set-up fails) and starts Timer1. The window stays
    // hidden until showModal. `programFolder` ends with a path separator.
    TFcpintura(Platform& platform, QString programFolder, QWidget* parent = nullptr);

    void showModal() override;

    EditorState& state() { return state_; }
    EditorSurface& surface() { return surface_; }
    const EditorHistory& history() const { return history_; }
    std::filesystem::path libraryFile() const;

    // Handlers. Called directly they may throw; from Qt's signals and events
    // they run under the error guard.
    void FormCreate();
    void Button1Click();    // "New"
    void Button2Click();    // "<<<"
    void Button18Click();   // ">>>"
    void Button3Click();    // "Edit"
    void Button19Click();   // "Load"
    void Button1Click9();   // "Save"
    void Button13Click();   // "Clear"
    void Button5Click();    // "Change"
    void Button6Click();    // "Picture" colour
    void Button7Click();    // "Back1" colour
    void Button8Click();    // "Back2" colour
    void Button9Click();    // "Line1" colour
    void Button10Click();   // "Line2" colour
    void Button14Click();   // "Delete"
    void Button11Click();   // "Show" the guide image
    void Button12Click();   // "Hide" it
    void Button15Click();   // "Resize" it: two presses pick a rectangle
    void Button16Click();   // "Import Picture"
    void Button17Click();   // "Export Picture"
    void Timer1Timer();
    // F7: checks in the background that the picture, with the clues it would
    // have when saved, has exactly one solution, and tells the answer.
    void checkPicture();
    CheckWorker& checkWorker() { return checkWorker_; }
    void posiciona(int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp();
    // Applies the guide-image resize selection and leaves resize mode.
    void finredim();
    // Composes a frame and hands it to Image1.
    void mostrar();
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y (tfcpintura_keys.cpp): the picture
    // on the board as it was before the last step, or after the step undone.
    void undoStep();
    void redoStep();
    // Ctrl+R: the board, at the size of the X and Y fields, filled with a
    // random picture that has exactly one solution; one undo step.
    void fillWithFairPicture();

    // The guide image: as drawn under the board (15w x 15h after each
    // scaling) and the source it is scaled from. Empty until one is loaded.
    QImage guideScaled;
    QImage guideSource;

    // The controls.
    ImageView* Image1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;   // the command area; its title names the picture
    QPushButton* Button2 = nullptr;
    QPushButton* Button18 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button13 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button14 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* tancho = nullptr;
    QLineEdit* talto = nullptr;
    QPushButton* Button5 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* Button11 = nullptr;
    QPushButton* Button12 = nullptr;
    QPushButton* Button15 = nullptr;
    QPushButton* Button16 = nullptr;
    QPushButton* Button17 = nullptr;
    QFrame* gp1 = nullptr;
    QLabel* S1 = nullptr;
    QComboBox* cb1 = nullptr;
    QPushButton* Button19 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // tfcpintura_controls.cpp: the layout.
    void buildControls();
    void buildCommandArea();
    void buildSelectPanel();
    void connectHandlers();

    // Every handler runs through here: an exception becomes the error box.
    void runGuarded(const std::function<void()>& handler);
    // The title, the size fields and the Select Picture panel as the state
    // has them; each command ends with it.
    void showState();
    void tell(const Notices& notices);
    // The offer to save. False when the user wanted the picture saved and
    // the save failed: the command must then stop, losing nothing.
    // `declined`, when given, tells whether the user answered No.
    bool offerToSave(bool* declined = nullptr);
    void chooseColor(ColorSlot slot);
    // guideScaled := guideSource scaled to the board's pixels (ResizeImage).
    void fitGuideImage();
    // The list entry the panel's text shows, or -1.
    int selectedEntry() const;
    // Runs a command that changes the picture on the board as one undo step.
    void asStep(const std::function<void()>& command);
    // After an undo or a redo: the fields, and a shown guide image at the
    // board's new size.
    void showRestoredPicture();
    // A change to the board cancels a running check and drops the outline.
    void noticeBoardChange();
    void showCheckAnswer(const solver::SolveResult& result);
    // "Import Picture" with a .non, .nonpack or webpbn .xml file. True when
    // an imported picture replaced the board.
    bool importPuzzles(const QString& path);
    // After an import: the library read again, its last picture on the board
    // with a fresh history.
    void showLastImportedPicture();
    // A warning when a clue of the picture as saved is cut off at the game
    // window's designed size.
    void tellClueFit();

    Platform& platform_;
    QString programFolder_;
    EditorState state_;
    EditorSurface surface_;
    EditorHistory history_;                  // of the picture on the board
    std::optional<FrameTimer> frameTimer_;   // made with Timer1
    Notices noticesAtCreation_;              // told at the first opening
    CheckWorker checkWorker_{*this};
    std::string checkedBoard_;               // the board the check or outline belongs to
};

}  // namespace mosarin
