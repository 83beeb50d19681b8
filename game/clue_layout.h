#pragma once
// Where the numbers of a clue text stand on the play surface. Pure geometry,
// shared by the static layer and the hovered line's darker clues.

#include <string_view>
#include <vector>

#include "game/board_geometry.h"

namespace mosarin {

struct CluePlacement {
    int x;       // top-left corner of the number's text box
    int y;
    int value;   // drawn with "%d", no leading zero
};

// The run lengths of a clue text read back two characters at a time. A
// trailing odd character or a pair that is not two digits is skipped.
std::vector<int> clueNumbers(std::string_view text);

// A row's numbers stand right-aligned against the board's left edge, each
// taking the geometry's step for its digits, the last run nearest the
// board; row `row` is 1-based.
std::vector<CluePlacement> rowCluePlacements(std::string_view text, const BoardGeometry& geometry, int row);
std::vector<CluePlacement> rowCluePlacements(const std::vector<int>& numbers, const BoardGeometry& geometry, int row);

// A column's numbers stack upwards from the board's top edge, the last run
// lowest, each indented into column `column` (1-based) by its digits.
std::vector<CluePlacement> columnCluePlacements(std::string_view text, const BoardGeometry& geometry, int column);
std::vector<CluePlacement> columnCluePlacements(const std::vector<int>& numbers, const BoardGeometry& geometry,
                                                int column);

// The same at the designed spacing, for a board whose left edge is
// `boardLeft` and a row whose top edge is `top` (13 pixels for a two-digit
// number, 8 for one) and for a column whose left edge is `left` below the
// board's top edge `boardTop` (11-pixel steps, 5 pixels into the column).
std::vector<CluePlacement> rowCluePlacements(std::string_view text, int boardLeft, int top);
std::vector<CluePlacement> columnCluePlacements(std::string_view text, int left, int boardTop);

}  // namespace mosarin
