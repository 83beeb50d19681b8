#include "game/puzzle.h"

#include <cstdio>

#include "picture/packed_rows.h"
#include "picture/mosarin_error.h"

namespace mosarin {

std::string clueText(const int* cells, int length) {
    std::string text;
    int run = 0;
    char digits[16];
    auto closeRun = [&] {
        if (run == 0) return;
        std::snprintf(digits, sizeof digits, "%.2d", run);
        text += digits;
        run = 0;
    };
    for (int i = 0; i < length; ++i) {
        if (cells[i] == 1) {
            ++run;
        } else {
            closeRun();
        }
    }
    closeRun();
    return text;
}

namespace {

void computeClues(GameState& state) {
    const int width = state.width();
    const int height = state.height();
    int line[kGridSize];
    for (int row = 1; row <= height; ++row) {
        for (int column = 1; column <= width; ++column) line[column - 1] = state.solutionGrid.at(column, row);
        state.rowClues[static_cast<size_t>(row)] = clueText(line, width);
    }
    for (int column = 1; column <= width; ++column) {
        // A column is contiguous in the [column][row] grid; row 0 is unused.
        state.columnClues[static_cast<size_t>(column)] = clueText(&state.solutionGrid.cells[column][1], height);
    }
}

}  // namespace

void asignarvec(GameState& state) {
    const int number = state.currentPicture;
    if (!state.library.holds(number)) {
        // A saved game can name any number; playing a slot that was never
        // read from the library would show a picture that does not exist.
        throw MosarinError("Picture " + std::to_string(number) + " is not in the picture library, which holds " +
                           std::to_string(state.library.count) + " pictures");
    }
    const TPictureRecord& record = state.library.slots[static_cast<size_t>(number)];
    state.colors = record.colors;
    unpackRows(record.packedRows, state.solutionGrid);
    computeClues(state);
}

bool startSelectedPicture(GameState& state, int selectedIndex) {
    if (selectedIndex < 0) return false;
    if (!state.library.holds(selectedIndex + 1)) return false;
    state.currentPicture = selectedIndex + 1;
    asignarvec(state);
    for (int column = 1; column <= state.width(); ++column) {
        for (int row = 1; row <= state.height(); ++row) state.playGrid.at(column, row) = cellEmpty;
    }
    state.history.clear();
    state.keyDragMode = dragNone;
    state.puzzleActive = true;
    state.boardStale = true;
    state.redrawPending = true;
    state.boardShown = true;
    return true;
}

LibraryReadReport leerarchivo(GameState& state, const std::filesystem::path& libraryFile) {
    LibraryReadReport report = readLibraryFile(libraryFile, state.library);
    if (report.lastColors) state.colors = *report.lastColors;
    // A file that could not be opened leaves the library, and so the
    // picture number that refers to it, as they were.
    if (report.opened) state.currentPicture = 1;
    return report;
}

LibraryReadReport inicializarvar1(GameState& state, const std::filesystem::path& libraryFile) {
    state.blinkCount = 0;
    state.colors = kDefaultGameColors;
    state.lastColumn = state.lastRow = -1;
    state.hoverColumn = state.hoverRow = -1;
    state.dragMode = dragNone;
    state.redrawPending = true;
    state.boardStale = true;
    state.puzzleActive = false;
    state.history.clear();   // the game it belonged to is dropped
    state.keyDragMode = dragNone;

    LibraryReadReport report = leerarchivo(state, libraryFile);
    for (std::string& clue : state.columnClues) clue.clear();
    for (std::string& clue : state.rowClues) clue.clear();
    state.boardShown = false;
    return report;
}

std::vector<std::string> pictureListEntries(const TPictureLibrary& library) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(library.count));
    char entry[64];
    for (int number = 1; number <= library.count; ++number) {
        const TPictureRecord& record = library.slots[static_cast<size_t>(number)];
        std::snprintf(entry, sizeof entry, "Pic%.4d %.2d x %.2d", number, record.width, record.height);
        entries.emplace_back(entry);
    }
    return entries;
}

}  // namespace mosarin
