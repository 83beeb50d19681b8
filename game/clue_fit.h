#pragma once
// Whether a picture's clues can all be read on the play surface at the
// window's designed size. A row's numbers run leftwards from the board's
// left edge and a column's upwards from its top edge (clue_layout.h); a
// number that would start beyond the surface's edge is cut off there, and
// the picture cannot be solved from what is shown. No Qt here: the editor
// and the command-line check both ask.

#include <string>
#include <vector>

#include "solver/grid.h"

namespace mosarin {

struct CutClue {
    bool row;      // a row's clue, else a column's
    int line;      // 1-based row or column
    int numbers;   // how many numbers its clue has
    bool operator==(const CutClue&) const = default;
};

// The lines whose clue is cut off at the designed size, rows first, each in
// order.
std::vector<CutClue> cluesCutAtDesignedSize(const solver::Clues& clues);

// What the editor tells the user, naming the first such line and how many
// more there are. Precondition: `cut` is not empty.
std::string cutClueWarning(const std::vector<CutClue>& cut);

}  // namespace mosarin
