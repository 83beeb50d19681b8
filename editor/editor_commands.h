#pragma once
// The editor's commands as plain functions over the editor state. The window
// asks the user first where a command asks (the offer to save, the colour
// chooser, "Clear"'s confirmation) and shows the notices returned.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_state.h"

namespace mosarin {

extern const char* const kOfferToSaveText;   // "The Picture was modified. Do you want save it?"
extern const char* const kClearBoardText;    // "Are you sure you want clear the board?"
extern const char* const kDeletePictureText; // "Are you sure you want delete this picture?"
extern const char* const kPictureSavedText;  // "Picture saved"

// "New" on a library that already holds 1000 pictures is refused with this
// warning before anything is asked or changed.
std::optional<Notice> newPictureRefusal(const EditorState& state);

// "New" after the offer to save: appends an empty 40 x 30 picture with the
// default colours as the last slot, shows it and saves it at once.
// Precondition: newPictureRefusal gave nothing.
Notices newPicture(EditorState& state, const std::filesystem::path& libraryFile);

// "<<<" and ">>>" after the offer to save: the neighbouring picture, read
// afresh from the file, so every unsaved change is dropped. They stop at the
// first and the last picture.
Notices previousPicture(EditorState& state, const std::filesystem::path& libraryFile);
Notices nextPicture(EditorState& state, const std::filesystem::path& libraryFile);

// "Edit" after the offer to save: opens the Select Picture panel and returns
// its list, "Pic%.4d %.2d x %.2d" for slots 1..count of the library in memory.
// An empty library opens no panel: the blank picture stays on the board.
std::vector<std::string> openSelectPanel(EditorState& state);

// "Load" with list entry `selectedIndex` (-1: nothing selected, which does
// nothing). Reads the library afresh and shows the chosen picture; cells
// painted while the panel was open are dropped.
Notices loadSelectedPicture(EditorState& state, int selectedIndex, const std::filesystem::path& libraryFile);

// "Clear" once the user said Yes. Leaves `modified` alone.
void clearBoard(EditorState& state);

// "Change": the size texts, kept within 1..40 x 1..30, become the board's
// working size; cells outside it are emptied. The slot waits for a save.
void changeSize(EditorState& state);

// A colour button once the chooser gave `color`: the working colour of
// `slot` (the library slot waits for a save); the chooser opens on it next time.
void applyChosenColor(EditorState& state, ColorSlot slot, Color color);

}  // namespace mosarin
