#pragma once
// Moving pictures between the editor's board and its library, and the
// library between memory and the file: leerarchivo, asignarpintura,
// guardapint and deleting the current picture.

#include <filesystem>
#include <optional>

#include "editor/editor_state.h"
#include "picture/library_file.h"

namespace mosarin {

struct BoardSize {
    int width;
    int height;
};

// Reads the size texts as number fields and keeps them within 1..40 and
// 1..30. A text is rewritten to the value kept only when that value had to
// be corrected, so "12abc" stays as typed and "55" becomes "40".
BoardSize readSizeFields(EditorState& state);
// The size a save would store, leaving the texts as they are.
BoardSize sizeFieldsAsSaved(const EditorState& state);

// Reads the library file into the editor's library (working colours of its
// last line). A file that cannot be opened changes nothing. An empty library
// gets a blank 40 x 30 picture in slot 1, with the colours of "New", so the
// board always shows a picture that can be painted and saved as picture 1.
// Damage the reader repaired is told once, until the file is rewritten. A file
// that is there but cannot be read is told once, with the path and the
// system's reason, until a read succeeds; nothing is written to it meanwhile.
Notices leerarchivo(EditorState& state, const std::filesystem::path& libraryFile);

// Shows slot `number` (clamped into 0..1000) on the board: size texts, working
// colours and all 40 x 30 cells. Sets no flag and not currentPicture.
void asignarpintura(EditorState& state, int number);

// Rewrites the file from slots 1..count. A failed write is an Error notice
// naming the file and the reason; the old file stays whole and the library
// in memory keeps the change. A file that cannot be read, or that another
// program changed since the editor last read or wrote it, is not written:
// an Error notice says so, the file is read again, and the picture on the
// board stays there, marked modified, so that the next save stores it into
// the library as the file now holds it (a picture the file did not hold
// yet becomes its new last one).
Notices escribirarchivo(EditorState& state, const std::filesystem::path& libraryFile);

// Reads the library again after another program changed it, keeping the
// picture on the board (and `modified`) as escribirarchivo does.
Notices readAgainKeepingBoard(EditorState& state, const std::filesystem::path& libraryFile);

// Why the commands that write the library (New, Delete, Import and Export
// Picture) must not start: the file could not be read. Nothing otherwise.
std::optional<Notice> libraryWriteRefusal(const EditorState& state);

// Stores the board into slot currentPicture (cells, size texts read with
// readSizeFields, working colours), clears `modified` and rewrites the file.
// Saving the blank picture of an empty library makes it picture 1. When the
// write fails, `modified` is set again: the picture is not in the file.
Notices guardapint(EditorState& state, const std::filesystem::path& libraryFile);

// The picture on the board as guardapint would store it (cells, size texts
// read with readSizeFields, working colours), leaving the library alone.
TPictureRecord pictureOnBoard(EditorState& state);

// "Delete" once the user said Yes: removes picture currentPicture, shows the
// picture now at that number (or the new last one) and rewrites the file.
// The last picture of a library is never deleted: a warning, nothing changes.
Notices deleteCurrentPicture(EditorState& state, const std::filesystem::path& libraryFile);

// Puts slot currentPicture on the board, hides the guide image and asks for
// a whole new frame: what every command showing another picture ends with.
void showCurrentPicture(EditorState& state);

}  // namespace mosarin
