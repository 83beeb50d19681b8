#pragma once
// The explained hint (key H): one sentence that tells the player where to
// look next, worked out from the player's own marks with the solver's line
// logic and trials. A hint only reads the game; it never marks a cell.

#include <chrono>
#include <string>

#include "game/game_state.h"

namespace mosarin {

enum class HintKind {
    None,            // no puzzle being played, or the picture is finished: say nothing
    Mistake,         // a filled cell or a dot contradicts the picture: `row` names its row
    LineDeduction,   // one row or column alone decides the cell (`column`, `row`)
    Probe,           // trying the cell (`column`, `row`) one way breaks a line
    NoDeduction,     // neither a single line nor a single trial decides anything
    OutOfTime,       // no single line decides a cell, and the trials ran out of time
};

struct Hint {
    HintKind kind = HintKind::None;
    int row = -1;      // 0-based; -1 when the hint names no row
    int column = -1;   // 0-based; -1 when the hint names no column
    std::string sentence;
};

// How long a hint may work before it gives up on trying cells, counted from
// the call. It runs on the window's thread, so this bounds what H can freeze
// the game for; the mistake and single-line steps (well under a millisecond
// on 40 x 30) always run to the end, even past it.
inline constexpr std::chrono::milliseconds kHintTime{40};

// The hint for the game in `state`, over the current picture's area. The
// clues are those of `solutionGrid`; a play cell 1 counts as filled, 2 as
// known empty, anything else as not yet marked. A mistake and a cell one
// line decides are always found; trials stop once `time` has passed since
// the call, and the hint then says so (HintKind::OutOfTime).
Hint findHint(const GameState& state, std::chrono::microseconds time = kHintTime);

}  // namespace mosarin
