#pragma once
// Turning a library picture into a puzzle, starting and resetting games.

#include <filesystem>
#include <string>

#include "game/game_state.h"
#include "picture/library_file.h"

namespace mosarin {

// The clue text of one line: each run of cells equal to 1 as "%.2d", in order.
// `cells` points at `length` consecutive values of the line.
std::string clueText(const int* cells, int length);

// Builds the puzzle of `currentPicture`: working colours, solutionGrid (all
// 40 x 30 cells), rowClues[1..height] and columnClues[1..width]. Leaves the
// play grid and every flag alone. A slot outside 1..count is refused with a
// MosarinError and nothing changes; short packed rows read as empty cells.
void asignarvec(GameState& state);

// "Play" with list entry `selectedIndex` (-1: nothing selected). Returns false,
// changing nothing, when nothing is selected or the entry names no picture
// of the library. Does not touch the panel: that is the window's.
bool startSelectedPicture(GameState& state, int selectedIndex);

// The game's reading of the library file: the library, the working colours
// of its last line, and currentPicture := 1. A file that cannot be opened
// changes nothing.
LibraryReadReport leerarchivo(GameState& state, const std::filesystem::path& libraryFile);

// The model part of resetting to the start screen: flags, working colours,
// the library read again from `libraryFile` (currentPicture := 1), clues
// emptied, boardShown false. Returns the read's report for the window to show.
LibraryReadReport inicializarvar1(GameState& state, const std::filesystem::path& libraryFile);

// "Pic%.4d %.2d x %.2d" entries for slots 1..count.
std::vector<std::string> pictureListEntries(const TPictureLibrary& library);

}  // namespace mosarin
