// The saved-game reader on any content: every cell it gives back must be one
// of the three cell states, and what it read, written again, reads the same.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "picture/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const mosarin::SavedGame game = mosarin::parseSavedGame(mosarin::fuzz::asText(data, size));
    for (int row = 1; row <= mosarin::kMaxHeight; ++row)
        for (int column = 1; column <= mosarin::kMaxWidth; ++column)
            if (game.cells.at(column, row) < 0 || game.cells.at(column, row) > 2) std::abort();
    if (game.picture >= 0 && game.picture <= 9999) {
        const std::string text = mosarin::formatSavedGame(game.picture, game.cells);
        if (text.size() != mosarin::kSavedGameLineLength + 2) std::abort();
        const mosarin::SavedGame again = mosarin::parseSavedGame(text);
        if (again.picture != game.picture || again.cells.cells != game.cells.cells) std::abort();
    }
    return 0;
}
