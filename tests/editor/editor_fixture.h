#pragma once
// Builders for the editor's tests: numbered test pictures, the library bytes
// they make, and a rig holding a program folder, the fake platform and a
// real editor window whose timer is stopped, so every frame is the test's.

#include <QGroupBox>
#include <QLineEdit>
#include <QPoint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/tfcpintura.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {

// Easily told apart working colours (0x00BBGGRR).
constexpr ColorSet kEditorColors = {0x2040C0u, 0xE0F0F0u, 0xA0A0A0u, 0x40B0D0u, 0x103060u};

// Picture n: (n + 4) x (n + 3) cells, cell (n, 1) filled, colours of its own.
TPictureRecord numberedPicture(int n);
std::vector<TPictureRecord> numberedPictures(int count);   // pictures 1..count
std::string libraryBytes(const std::vector<TPictureRecord>& pictures);
TPictureRecord blankNewPicture();   // the empty 40 x 30 picture "New" makes
TPictureRecord withCellFlipped(TPictureRecord record, int column, int row);
QPoint cellPoint(int column, int row);   // the centre of a cell, 1-based, in Image1 pixels
// Empties a text field and types `text` into it as the user would.
void typeInto(QLineEdit* field, const char* text);

class EditorRig {
public:
    // files/pictures.txt holds `bytes`; with nothing there is no file.
    explicit EditorRig(std::optional<std::string> bytes);
    explicit EditorRig(const std::vector<TPictureRecord>& library) : EditorRig(libraryBytes(library)) {}
    explicit EditorRig(int count) : EditorRig(numberedPictures(count)) {}

    TFcpintura& editor() { return *editor_; }
    EditorState& state() { return editor_->state(); }
    std::string fileBytes() const { return readBytes(libraryFile()); }
    std::filesystem::path libraryFile() const { return temp_ / "files/pictures.txt"; }
    const TempFolder& folder() const { return temp_; }
    QString title() { return editor_->GroupBox3->title(); }
    QStringList texts() const { return platform.texts(); }
    void goTo(int picture);          // ">>>" from picture 1
    void paint(int column, int row); // a press and a release on a cell
    bool activate();                 // shown and active, for mouse events sent to it

    FakePlatform platform;

private:
    TempFolder temp_;
    std::unique_ptr<TFcpintura> editor_;
};

}  // namespace mosarin::testing
