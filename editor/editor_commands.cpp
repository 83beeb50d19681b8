#include "editor/editor_commands.h"

#include <algorithm>
#include <cstdio>

#include "editor/picture_store.h"

namespace mosarin {

const char* const kOfferToSaveText = "The Picture was modified. Do you want save it?";
const char* const kClearBoardText = "Are you sure you want clear the board?";
const char* const kDeletePictureText = "Are you sure you want delete this picture?";
const char* const kPictureSavedText = "Picture saved";

namespace {

void askForNewBoard(EditorState& state) {
    state.redrawPending = true;
    state.boardStale = true;
}

// currentPicture within the pictures the library holds (slot 1 at least, the
// blank picture of an empty library).
void keepCurrentInLibrary(EditorState& state) {
    state.currentPicture = std::clamp(state.currentPicture, 1, std::max(state.library.count, 1));
}

}  // namespace

std::optional<Notice> newPictureRefusal(const EditorState& state) {
    if (state.library.count < kMaxPictures) return std::nullopt;
    return Notice{NoticeKind::Warning,
                  "The picture library already holds 1000 pictures, as many as it can. Delete a picture "
                  "before making a new one."};
}

Notices newPicture(EditorState& state, const std::filesystem::path& libraryFile) {
    state.library.count += 1;
    state.currentPicture = state.library.count;
    state.modified = false;
    state.guideVisible = false;
    state.widthText = "40";
    state.heightText = "30";
    state.colors = kNewPictureColors;
    state.cells.clear();
    TPictureRecord& record = state.currentRecord();
    record.width = kMaxWidth;
    record.height = kMaxHeight;
    record.colors = kNewPictureColors;
    Notices notices = guardapint(state, libraryFile);
    askForNewBoard(state);
    return notices;
}

Notices previousPicture(EditorState& state, const std::filesystem::path& libraryFile) {
    state.currentPicture -= 1;
    Notices notices = leerarchivo(state, libraryFile);
    keepCurrentInLibrary(state);
    showCurrentPicture(state);
    return notices;
}

Notices nextPicture(EditorState& state, const std::filesystem::path& libraryFile) {
    state.currentPicture = std::min(state.currentPicture + 1, state.library.count);
    Notices notices = leerarchivo(state, libraryFile);
    // The file may have become shorter since it was last read.
    keepCurrentInLibrary(state);
    showCurrentPicture(state);
    return notices;
}

std::vector<std::string> openSelectPanel(EditorState& state) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(state.library.count));
    char entry[48];
    for (int number = 1; number <= state.library.count; ++number) {
        const TPictureRecord& record = state.library.slots[static_cast<std::size_t>(number)];
        std::snprintf(entry, sizeof entry, "Pic%.4d %.2d x %.2d", number, record.width, record.height);
        entries.emplace_back(entry);
    }
    // An empty library has nothing to choose, and the panel closes only by
    // loading a choice: opened on an empty list it would lock the commands.
    state.selectPanelOpen = !entries.empty();
    return entries;
}

Notices loadSelectedPicture(EditorState& state, int selectedIndex, const std::filesystem::path& libraryFile) {
    if (selectedIndex < 0) return {};
    Notices notices = leerarchivo(state, libraryFile);
    state.currentPicture = selectedIndex + 1;
    keepCurrentInLibrary(state);
    state.selectPanelOpen = false;
    showCurrentPicture(state);
    return notices;
}

void clearBoard(EditorState& state) {
    state.cells.clear();
    askForNewBoard(state);
}

void changeSize(EditorState& state) {
    const BoardSize size = readSizeFields(state);
    state.boardWidth = size.width;
    state.boardHeight = size.height;
    state.modified = true;
    // Cells inside the new size keep their values; a picture made smaller and
    // then larger again comes back with the cut-off part empty.
    for (int column = 1; column < kGridSize; ++column) {
        for (int row = 1; row < kGridSize; ++row) {
            if (column > size.width || row > size.height) state.cells.at(column, row) = 0;
        }
    }
    askForNewBoard(state);
}

void applyChosenColor(EditorState& state, ColorSlot slot, Color color) {
    state.chooserColor = color;
    state.modified = true;
    state.colors[slot] = color;
    askForNewBoard(state);
}

}  // namespace mosarin
