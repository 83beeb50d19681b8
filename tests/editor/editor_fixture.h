#pragma once
// Builders for the editor's tests: numbered test pictures, the library bytes
// they make, and a rig holding a program folder, the fake platform and a
// real editor window whose timer is stopped, so every frame is the test's.

#include <QPoint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/tfcpintura.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {

// Easily told apart working colours (0x00BBGGRR).
constexpr ColorSet kEditorColors = {0x2040C0u, 0xE0F0F0u, 0xA0A0A0u, 0x40B0D0u, 0x103060u};

// Picture n of a test library: (n + 4) x (n + 3) cells, cell (n, 1) filled,
// and colours that differ from every other picture's.
TPictureRecord numberedPicture(int n);
// Pictures 1..count.
std::vector<TPictureRecord> numberedPictures(int count);
// The library file those pictures make.
std::string libraryBytes(const std::vector<TPictureRecord>& pictures);

// The empty 40 x 30 picture "New" makes, as its line is written.
TPictureRecord blankNewPicture();
// `record` with cell (column, row) flipped, as a save would store it.
TPictureRecord withCellFlipped(TPictureRecord record, int column, int row);

// The centre of cell (column, row), 1-based, in Image1 pixels.
QPoint cellPoint(int column, int row);

class EditorRig {
public:
    // files/pictures.txt holds `library`; with `writeFile` false there is no file.
    explicit EditorRig(const std::vector<TPictureRecord>& library, bool writeFile = true);
    // files/pictures.txt holds exactly `bytes`.
    explicit EditorRig(std::string_view bytes);

    TFcpintura& editor() { return *editor_; }
    EditorState& state() { return editor_->state(); }
    std::string fileBytes() const { return readBytes(libraryFile()); }
    std::filesystem::path libraryFile() const { return temp_ / "files/pictures.txt"; }
    const TempFolder& folder() const { return temp_; }
    // Shows the window and makes it active, for mouse events sent to it.
    bool activate();
    // A press and a release on the centre of cell (column, row).
    void paint(int column, int row);

    FakePlatform platform;

private:
    void open();

    TempFolder temp_;
    std::unique_ptr<TFcpintura> editor_;
};

}  // namespace mosarin::testing
