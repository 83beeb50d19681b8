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

constexpr const char* kReadAgainHint =
    " Once it can, \"<<<\", \">>>\" or opening the editor again reads it.";

// The picture on the board, as a refused write must keep it.
struct BoardPicture {
    CellGrid cells;
    std::string widthText, heightText;
    ColorSet colors;
    int number;
    bool modified;
    TPictureRecord slot;
};

BoardPicture boardPicture(const EditorState& state) {
    return {state.cells,          state.widthText, state.heightText,     state.colors,
            state.currentPicture, state.modified,  state.currentRecord()};
}

// Reads the library again and puts `board` back on the board and into its
// slot, marked modified when `markModified`. A picture the file did not hold
// when last read (a new one, or one past pictures another program deleted)
// becomes the new last picture, so a save never overwrites a picture it
// has not seen.
Notices readAgainKeeping(EditorState& state, const std::filesystem::path& libraryFile, const BoardPicture& board,
                         bool markModified) {
    const int known = state.libraryGuard.pictures;
    Notices notices = leerarchivo(state, libraryFile);
    state.cells = board.cells;
    state.widthText = board.widthText;
    state.heightText = board.heightText;
    state.colors = board.colors;
    state.currentPicture = board.number;
    state.boardOutsideLibrary = false;
    if (board.number > known && !state.libraryGuard.unreadable()) {
        state.boardOutsideLibrary = state.library.count >= kMaxPictures;
        state.currentPicture = std::min(state.library.count + 1, kMaxPictures);
    }
    // A full library keeps all its pictures: the board's stays off it.
    if (!state.boardOutsideLibrary) state.currentRecord() = board.slot;
    state.modified = markModified || board.modified;
    state.redrawPending = true;
    state.boardStale = true;
    return notices;
}

Notices writeKeeping(EditorState& state, const std::filesystem::path& libraryFile, const BoardPicture& board,
                     bool markModified) {
    const LibraryWriteResult result = writeLibraryFile(libraryFile, state.library, state.libraryGuard);
    switch (result.status) {
    case LibraryWriteStatus::Written:
        // The file is now the editor's own clean copy.
        state.damageReported = false;
        return {};
    case LibraryWriteStatus::Failed:
        return {{NoticeKind::Error, result.error +
                                        " The picture library file was left as it was; the pictures stay in the "
                                        "editor until they can be saved."}};
    case LibraryWriteStatus::Changed: {
        Notices notices{{NoticeKind::Error, result.error +
                                                " It was read again; the picture on the board is kept, marked "
                                                "modified, and a new save stores it into the library as it is now."}};
        const Notices reread = readAgainKeeping(state, libraryFile, board, markModified);
        notices.insert(notices.end(), reread.begin(), reread.end());
        return notices;
    }
    case LibraryWriteStatus::Unreadable:
        break;
    }
    // A later read may succeed (the user mended the permissions): then the
    // refused save is one against a file not yet seen, as above.
    readAgainKeeping(state, libraryFile, board, markModified);
    if (state.libraryGuard.unreadable()) return {{NoticeKind::Error, result.error + kReadAgainHint}};
    return {{NoticeKind::Error, "The picture library \"" + libraryFile.string() +
                                    "\" can be read again and was read afresh; nothing was written to it. The "
                                    "picture on the board is kept, marked modified, and a new save stores it into "
                                    "the library."}};
}

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
    rememberRead(state.libraryGuard, report);
    if (report.lastColors) state.colors = *report.lastColors;
    // Slot 1 of an empty library holds no picture and no packed rows.
    if (state.library.count == 0) state.library.slots[1] = blankPicture();
    Notices notices;
    if (report.damaged() && !state.damageReported) {
        notices.push_back({NoticeKind::Warning, report.describe()});
        state.damageReported = true;
    }
    if (!report.failure.empty() && !state.unreadableReported) {
        notices.push_back({NoticeKind::Warning, report.failure +
                                                    " Nothing will be written to it: Save, New, Delete, Import "
                                                    "Picture and Export Picture are refused until it can be read." +
                                                    kReadAgainHint});
    }
    state.unreadableReported = !report.failure.empty();
    return notices;
}

Notices readAgainKeepingBoard(EditorState& state, const std::filesystem::path& libraryFile) {
    return readAgainKeeping(state, libraryFile, boardPicture(state), /*markModified=*/false);
}

std::optional<Notice> libraryWriteRefusal(const EditorState& state) {
    if (!state.libraryGuard.unreadable()) return std::nullopt;
    return Notice{NoticeKind::Error,
                  state.libraryGuard.failure + " Nothing is written to it until it can be read again." + kReadAgainHint};
}

void asignarpintura(EditorState& state, int number) {
    state.boardOutsideLibrary = false;
    const TPictureRecord& record = state.library.slots[slotIndex(number)];
    state.widthText = std::to_string(record.width);
    state.heightText = std::to_string(record.height);
    state.boardWidth = record.width;
    state.boardHeight = record.height;
    state.colors = record.colors;
    unpackRows(record.packedRows, state.cells);
}

Notices escribirarchivo(EditorState& state, const std::filesystem::path& libraryFile) {
    return writeKeeping(state, libraryFile, boardPicture(state), /*markModified=*/true);
}

TPictureRecord pictureOnBoard(EditorState& state) {
    const BoardSize size = readSizeFields(state);
    TPictureRecord record = state.currentRecord();
    record.packedRows = packRows(state.cells);
    record.width = size.width;
    record.height = size.height;
    record.colors = state.colors;
    return record;
}

Notices guardapint(EditorState& state, const std::filesystem::path& libraryFile) {
    if (state.boardOutsideLibrary) {
        state.modified = true;
        return {{NoticeKind::Error, "The picture library \"" + libraryFile.string() +
                                        "\" is full (1000 pictures): another program filled it, so the picture on "
                                        "the board cannot be stored in it. Nothing was written."}};
    }
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
    if (state.boardOutsideLibrary) {
        // The picture on the board is in no slot: deleting it drops it from
        // the board alone, and the file keeps every picture.
        showCurrentPicture(state);
        state.modified = false;
        return {};
    }
    const BoardPicture before = boardPicture(state);
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
    // Refused, nothing is deleted: the picture stays on the board as it was.
    Notices notices = writeKeeping(state, libraryFile, before, /*markModified=*/false);
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
