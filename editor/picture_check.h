#pragma once
// The editor's fairness check (F7) as plain rules: the clues the board's
// picture would have when saved, what to tell the user about the solver's
// answer, and a colour for outlining cells that stands out from the
// picture's own. No Qt here.

#include <optional>
#include <string>

#include "editor/editor_state.h"
#include "solver/puzzle_solver.h"

namespace mosarin {

// How long a check may run before the editor says it couldn't decide.
constexpr double kPictureCheckSeconds = 10;

// The clues of the board's cells at the size a save would store.
solver::Clues cluesAsSaved(const EditorState& state);

// Said on "Save" and F7 when some clue of the picture as saved would be cut
// off at the game window's designed size; nothing when all fit.
std::optional<std::string> clueFitWarning(const EditorState& state);

// Everything on which the clues and the outline depend: two states with the
// same key show the same board to check.
std::string checkedBoardKey(const EditorState& state);

// The information box's text for a finished check.
std::string checkMessage(const solver::SolveResult& result);

// The cells (1-based column, row) in which the two solutions of a
// "Multiple" answer differ; empty for any other answer.
std::vector<std::pair<int, int>> cellsToOutline(const solver::SolveResult& result);

// Of a few vivid colours, the one farthest (in RGB) from the nearest of the
// given colours, which must be plain 0x00BBGGRR values (system colours
// resolved by the caller).
Color outlineColorFor(const ColorSet& plainColors);

}  // namespace mosarin
