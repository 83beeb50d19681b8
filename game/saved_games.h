#pragma once
// "Save Game" and "Load Game" as far as files and the game model go; the
// window adds the dialogs, message boxes and focus moves.

#include <filesystem>
#include <string>

#include "game/game_state.h"
#include "picture/saved_game.h"

namespace mosarin {

struct SaveGameOutcome {
    bool written = false;
    std::filesystem::path file;   // where the game was (or was to be) written
    std::string error;            // the path and the system's reason when !written
};

// Writes the puzzle on show into `filesFolder`, named after the picture and
// the moment; a file of the same name is replaced. The model is not changed.
SaveGameOutcome saveGame(const GameState& state, const std::filesystem::path& filesFolder,
                         const LocalDateTime& when);

enum class LoadGameStatus {
    Loaded,        // the puzzle is set up with the stored marks
    Missing,       // no file of that name
    CannotOpen,    // it exists but cannot be read as a file
    BadPicture,    // its picture number names no picture of the library
};

struct LoadGameOutcome {
    LoadGameStatus status = LoadGameStatus::Missing;
    int picture = 0;              // the number read, for the message
};

// Reads the saved game at `file` and, when its picture is in the library,
// sets up that puzzle with the stored marks (puzzleActive, boardStale and
// redrawPending set). Any other outcome leaves the model as it was.
LoadGameOutcome loadGame(GameState& state, const std::filesystem::path& file);

// The message shown when a saved game names no picture of the library.
std::string badPictureMessage(const std::filesystem::path& file, int picture, int count);

}  // namespace mosarin
