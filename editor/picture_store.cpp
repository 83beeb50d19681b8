#include "editor/picture_store.h"

#include <algorithm>

#include "picture/number_field.h"
#include "picture/packed_rows.h"

namespace mosarin {

namespace {

// Reads one size text, keeping the value within 1..largest; the text is
// rewritten only when the value had to be corrected.
int readSizeField(std::string& text, int largest) {
    const int typed = readNumberField(text);
    const int kept = std::clamp(typed, 1, largest);
    if (kept != typed) text = std::to_string(kept);
    return kept;
}

TPictureRecord blankPicture() {
    TPictureRecord blank;
    blank.packedRows.assign(kPackedLength, kEmptyGroup);
    blank.width = kMaxWidth;
    blank.height = kMaxHeight;
    blank.colors = kNewPictureColors;
    return blank;
}

std::size_t slotIndex(int number) { return static_cast<std::size_t>(std::clamp(number, 0, kMaxPictures)); }

}  // namespace

BoardSize readSizeFields(EditorState& state) {
    return {readSizeField(state.widthText, kMaxWidth), readSizeField(state.heightText, kMaxHeight)};
}

BoardSize sizeFieldsAsSaved(const EditorState& state) {
    std::string width = state.widthText, height = state.heightText;
    return {readSizeField(width, kMaxWidth), readSizeField(height, kMaxHeight)};
}

Notices leerarchivo(EditorState& state, const std::filesystem::path& libraryFile) {
    const LibraryReadReport report = readLibraryFile(libraryFile, state.library);
    if (report.lastColors) state.colors = *report.lastColors;
    // Slot 1 of an empty library holds no picture and no packed rows.
    if (state.library.count == 0) state.library.slots[1] = blankPicture();
    Notices notices;
    if (report.damaged() && !state.damageReported) {
        notices.push_back({NoticeKind::Warning, report.describe()});
        state.damageReported = true;
    }
    return notices;
}

void asignarpintura(EditorState& state, int number) {
    const TPictureRecord& record = state.library.slots[slotIndex(number)];
    state.widthText = std::to_string(record.width);
    state.heightText = std::to_string(record.height);
    state.boardWidth = record.width;
    state.boardHeight = record.height;
    state.colors = record.colors;
    unpackRows(record.packedRows, state.cells);
}

Notices escribirarchivo(EditorState& state, const std::filesystem::path& libraryFile) {
    const LibraryWriteResult result = writeLibraryFile(libraryFile, state.library);
    if (!result.ok) {
        return {{NoticeKind::Error, result.error +
                                        ". The picture library file was left as it was; the pictures stay in the "
                                        "editor until they can be saved."}};
    }
    // The file is now the editor's own clean copy.
    state.damageReported = false;
    return {};
}

Notices guardapint(EditorState& state, const std::filesystem::path& libraryFile) {
    state.modified = false;
    state.currentPicture = std::clamp(state.currentPicture, 1, kMaxPictures);
    const BoardSize size = readSizeFields(state);
    TPictureRecord& record = state.library.slots[slotIndex(state.currentPicture)];
    record.packedRows = packRows(state.cells);
    record.width = size.width;
    record.height = size.height;
    record.colors = state.colors;
    state.boardWidth = size.width;
    state.boardHeight = size.height;
    state.library.count = std::max(state.library.count, state.currentPicture);
    Notices notices = escribirarchivo(state, libraryFile);
    if (hasError(notices)) state.modified = true;
    return notices;
}

Notices deleteCurrentPicture(EditorState& state, const std::filesystem::path& libraryFile) {
    TPictureLibrary& library = state.library;
    // An empty library's blank picture counts as its one picture.
    if (library.count <= 1) return {{NoticeKind::Warning, "You can not delete all pictures"}};
    if (state.currentPicture < library.count) {
        for (int k = std::max(state.currentPicture, 1) + 1; k <= library.count; ++k) {
            library.slots[slotIndex(k - 1)] = library.slots[slotIndex(k)];
        }
        library.count -= 1;
    } else {
        library.count -= 1;
        state.currentPicture = library.count;
    }
    state.currentPicture = std::max(state.currentPicture, 1);
    asignarpintura(state, state.currentPicture);
    Notices notices = escribirarchivo(state, libraryFile);
    state.guideVisible = false;
    state.redrawPending = true;
    state.boardStale = true;
    return notices;
}

void showCurrentPicture(EditorState& state) {
    asignarpintura(state, state.currentPicture);
    state.guideVisible = false;
    state.redrawPending = true;
    state.boardStale = true;
}

}  // namespace mosarin
