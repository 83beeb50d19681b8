#pragma once
// Saved game files: "%.4d" picture number, then the 1200 cells of the play
// grid row by row as single digits, then CR LF (1206 bytes in all).

#include <cstdint>
#include <string>
#include <string_view>

#include "picture/dated_file_name.h"
#include "picture/picture_record.h"

namespace mosarin {

constexpr int kSavedGameLineLength = 1204;  // without the CR LF

// "Pic%.4dDate%.2d%.2dTime%.2d%.2d.pgu" from the picture and day, month, hour, minute.
std::string savedGameFileName(int picture, const LocalDateTime& when);

// The whole file content: the line and its CR LF.
std::string formatSavedGame(int picture, const CellGrid& playGrid);

struct SavedGame {
    std::int32_t picture = 0;
    // Columns 1..40 of rows 1..30 as read; cells other than 0, 1 and 2, and
    // cells past the end of a short line, read as 0 (empty).
    CellGrid cells;
};

// Reads the first line of a saved game's text (the rest is ignored).
SavedGame parseSavedGame(std::string_view fileContent);

}  // namespace mosarin
