#include "game/saved_games.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "game/puzzle.h"
#include "picture/atomic_file.h"

namespace mosarin {

namespace {

// Only the first line matters and it is 1206 bytes long; reading a bounded
// prefix keeps a huge file picked by mistake from being read whole.
constexpr std::size_t kReadLimit = 4096;

bool readPrefix(const std::filesystem::path& file, std::string& out) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    out.resize(kReadLimit);
    in.read(out.data(), static_cast<std::streamsize>(kReadLimit));
    if (in.bad()) return false;
    out.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

}  // namespace

SaveGameOutcome saveGame(const GameState& state, const std::filesystem::path& filesFolder,
                         const LocalDateTime& when) {
    SaveGameOutcome outcome;
    outcome.file = filesFolder / savedGameFileName(state.currentPicture, when);
    std::string error;
    outcome.written = writeFileAtomically(outcome.file, formatSavedGame(state.currentPicture, state.playGrid),
                                          /*sync=*/true, error);
    outcome.error = error;
    return outcome;
}

LoadGameOutcome loadGame(GameState& state, const std::filesystem::path& file) {
    LoadGameOutcome outcome;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return outcome;  // Missing

    std::string content;
    if (std::filesystem::is_directory(file, ec) || !readPrefix(file, content)) {
        outcome.status = LoadGameStatus::CannotOpen;
        return outcome;
    }

    SavedGame saved = parseSavedGame(content);
    outcome.picture = saved.picture;
    if (!state.library.holds(saved.picture)) {
        outcome.status = LoadGameStatus::BadPicture;
        return outcome;
    }

    state.currentPicture = saved.picture;
    asignarvec(state);
    for (int row = 1; row <= kMaxHeight; ++row)
        for (int column = 1; column <= kMaxWidth; ++column)
            state.playGrid.at(column, row) = saved.cells.at(column, row);
    state.puzzleActive = true;
    state.boardStale = true;
    state.redrawPending = true;
    outcome.status = LoadGameStatus::Loaded;
    return outcome;
}

std::string badPictureMessage(const std::filesystem::path& file, int picture, int count) {
    std::string range = count > 0 ? "1.." + std::to_string(count) : "none: the library is empty";
    return "The saved game \"" + file.string() + "\" is for picture " + std::to_string(picture) +
           ", which is not in the picture library (pictures " + range + "). Nothing was loaded";
}

}  // namespace mosarin
