#include "game/saved_games.h"

#include "game/puzzle.h"
#include "picture/atomic_file.h"
#include "picture/whole_file.h"

namespace mosarin {

namespace {

// Only the first line matters and it is 1206 bytes long; reading a bounded
// prefix keeps a huge file picked by mistake from being read whole.
constexpr std::size_t kReadLimit = 4096;

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

    // The reader never blocks, so a pipe or a device picked in the dialog is
    // refused at once like a folder instead of freezing the window.
    const FileReadResult read = readRegularFilePrefix(file, kReadLimit);
    if (read.status != FileReadStatus::Ok) {
        outcome.status = LoadGameStatus::CannotOpen;
        return outcome;
    }

    SavedGame saved = parseSavedGame(read.bytes);
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
    // A loaded game begins its own history: the file holds none.
    state.history.clear();
    state.keyDragMode = dragNone;
    state.puzzleActive = true;
    state.boardStale = true;
    state.redrawPending = true;
    outcome.status = LoadGameStatus::Loaded;
    return outcome;
}

std::string badPictureMessage(const std::filesystem::path& file, int picture, int count) {
    std::string holds = count == 0   ? "no pictures"
                        : count == 1 ? "only picture 1"
                                     : "pictures 1 to " + std::to_string(count);
    return "The saved game \"" + file.string() + "\" is for picture " + std::to_string(picture) +
           ", which is not in the picture library (it holds " + holds + "). Nothing was loaded.";
}

}  // namespace mosarin
