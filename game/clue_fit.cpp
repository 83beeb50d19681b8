#include "game/clue_fit.h"

#include <cstdio>

#include "game/clue_layout.h"

namespace mosarin {

std::vector<CutClue> cluesCutAtDesignedSize(const solver::Clues& clues) {
    // At the designed size the geometry is the same whatever the puzzle: the
    // clues' room lies left of and above the board, down to the surface's
    // edges at x = 0 and y = 0.
    const BoardGeometry designed = designedBoardGeometry();
    std::vector<CutClue> cut;
    // The last placement of each list is the number farthest from the board.
    for (int row = 0; row < clues.height(); ++row) {
        const auto placements = rowCluePlacements(clues.rows[static_cast<size_t>(row)], designed, row + 1);
        if (!placements.empty() && placements.back().x < 0) cut.push_back({true, row + 1, static_cast<int>(placements.size())});
    }
    for (int column = 0; column < clues.width(); ++column) {
        const auto placements = columnCluePlacements(clues.columns[static_cast<size_t>(column)], designed, column + 1);
        if (!placements.empty() && placements.back().y < 0) cut.push_back({false, column + 1, static_cast<int>(placements.size())});
    }
    return cut;
}

std::string cutClueWarning(const std::vector<CutClue>& cut) {
    const CutClue& first = cut.front();
    const char* line = first.row ? "Row" : "Column";
    const char* kind = first.row ? "row" : "column";
    char text[256];
    std::snprintf(text, sizeof text,
                  "%s %d has %d numbers: at the window's designed size its clue is cut off; enlarge the window or "
                  "simplify the %s.",
                  line, first.line, first.numbers, kind);
    std::string warning = text;
    if (cut.size() == 2) warning += " One more line is cut off too.";
    if (cut.size() > 2) {
        std::snprintf(text, sizeof text, " %d more lines are cut off too.", static_cast<int>(cut.size() - 1));
        warning += text;
    }
    return warning;
}

}  // namespace mosarin
