#include "picture/saved_game.h"

#include <algorithm>
#include <cstdio>

#include "picture/number_field.h"

namespace mosarin {

namespace {

constexpr std::size_t kPictureDigits = 4;

}  // namespace

std::string savedGameFileName(int picture, const LocalDateTime& when) {
    return datedFileName(picture, when, ".pgu");
}

std::string formatSavedGame(int picture, const CellGrid& playGrid) {
    std::string text;
    text.reserve(kSavedGameLineLength + 2);
    // Picture numbers are 1..1000; the clamp only keeps the line its fixed
    // length if a caller ever passes something else.
    char number[8];
    std::snprintf(number, sizeof number, "%.4d", std::clamp(picture, 0, 9999));
    text += number;
    for (int row = 1; row <= kMaxHeight; ++row) {
        for (int column = 1; column <= kMaxWidth; ++column) {
            // One character per cell whatever the grid holds: a state the game
            // does not know is saved as empty rather than shifting the rest.
            const std::int32_t cell = playGrid.at(column, row);
            text += (cell == 1 || cell == 2) ? static_cast<char>('0' + cell) : '0';
        }
    }
    text += "\r\n";
    return text;
}

SavedGame parseSavedGame(std::string_view fileContent) {
    std::string_view line = fileContent.substr(0, fileContent.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    SavedGame game;
    game.picture = readNumberField(line.substr(0, kPictureDigits));
    for (int row = 1; row <= kMaxHeight; ++row) {
        for (int column = 1; column <= kMaxWidth; ++column) {
            const std::size_t position = kPictureDigits + kMaxWidth * (row - 1) + (column - 1);
            const char c = position < line.size() ? line[position] : '0';
            game.cells.at(column, row) = (c == '1' || c == '2') ? c - '0' : 0;
        }
    }
    return game;
}

}  // namespace mosarin
