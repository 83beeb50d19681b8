#pragma once
// Everything the Pictures Editor knows about the picture on its board, as
// plain data. The window (TFcpintura) owns one; the painting rules, the
// storing of pictures and the commands work on it. No Qt here.

#include <string>
#include <utility>
#include <vector>

#include "picture/library_guard.h"
#include "picture/picture_record.h"

namespace mosarin {

constexpr int kEditorBoardOrigin = 20;   // x and y of the board's top-left corner
constexpr int kEditorCellSize = 15;      // pixels per cell, grid line included
constexpr int kEditorMarkInset = 2;      // a cell's mark starts 2 pixels inside its square
constexpr int kEditorMarkSize = 12;      // and is 12 x 12

// The colours "New" gives a picture: blue-violet cells on light grey, a grey
// cross, dark yellow lines and near-black brown major lines.
constexpr ColorSet kNewPictureColors = {0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu};

// What a command asks the window to tell the user, in order.
enum class NoticeKind { Information, Warning, Error };
struct Notice {
    NoticeKind kind;
    std::string text;
    bool operator==(const Notice&) const = default;
};
using Notices = std::vector<Notice>;

// True when one of the notices reports a failure.
bool hasError(const Notices& notices);

struct EditorState {
    CellGrid cells;                  // 0 empty, 1 filled
    TPictureLibrary library;
    int currentPicture = 1;          // 1-based slot on the board
    ColorSet colors{};               // the working colours, drawn with
    // The working size, drawn and painted with. Like the working colours it
    // reaches the library slot only through a save, so that changes the user
    // declined never reach the file with a later rewrite.
    int boardWidth = kMaxWidth, boardHeight = kMaxHeight;
    int boardOrigin = kEditorBoardOrigin;
    // The texts of the size fields tancho and talto, as the user left them.
    std::string widthText = "40";
    std::string heightText = "30";

    bool redrawPending = true;       // a frame is due at the next tick
    bool boardStale = true;          // the static layer must be rebuilt first
    bool modified = false;           // the board has changes not saved
    int hoverColumn = -1, hoverRow = -1;   // 0-based, last cell under the pointer
    bool dragging = false;
    int lastColumn = -1, lastRow = -1;     // 0-based, last cell flipped by the press or drag
    // The drag's pointer went off the board since it last entered a cell: the
    // cell it comes back to is flipped alone, not the line from the last one.
    bool dragOffBoard = false;

    bool guideVisible = false;
    bool resizeMode = false;
    // The guide-image selection in board-relative pixels, -1 when unset.
    int selStartX = -1, selStartY = -1, selEndX = -1, selEndY = -1;

    bool selectPanelOpen = false;    // gp1 shown and the command area disabled
    Color chooserColor = 0;          // the colour last chosen in the colour chooser
    bool damageReported = false;     // the user was told the library file is damaged
    // What the editor last knew of the library file: it writes only to the
    // file it last read or wrote, never to one it could not read.
    LibraryFileGuard libraryGuard;
    bool unreadableReported = false; // the user was told the library cannot be read
    // The picture on the board is a new one that the library, filled to 1000
    // pictures by another program meanwhile, has no room for: it is in no
    // slot, and a save must not put it over picture currentPicture.
    bool boardOutsideLibrary = false;

    // After a check found two solutions: the cells (1-based column, row) in
    // which they differ, outlined in outlineColor until the board changes.
    std::vector<std::pair<int, int>> outlinedCells;
    Color outlineColor = 0;

    // The working width and height, kept within 1..40 and 1..30.
    int width() const;
    int height() const;
    const TPictureRecord& currentRecord() const;
    TPictureRecord& currentRecord();
};

// "Picture %.3d": the caption of the command area.
std::string titleFor(int picture);

}  // namespace mosarin
