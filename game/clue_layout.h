#pragma once
// Where the numbers of a clue text stand on the play surface. Pure geometry,
// shared by the static layer and the hovered line's darker clues.

#include <string_view>
#include <vector>

namespace mosarin {

struct CluePlacement {
    int x;       // top-left corner of the number's text box
    int y;
    int value;   // drawn with "%d", no leading zero
};

// The run lengths of a clue text read back two characters at a time. A
// trailing odd character or a pair that is not two digits is skipped.
std::vector<int> clueNumbers(std::string_view text);

// A row's numbers stand right-aligned against the board's left edge at
// `boardLeft`, each 13 pixels wide when it has two digits and 8 when it has
// one, the last run nearest the board; all at `top`, the row's top edge.
std::vector<CluePlacement> rowCluePlacements(std::string_view text, int boardLeft, int top);
std::vector<CluePlacement> rowCluePlacements(const std::vector<int>& numbers, int boardLeft, int top);

// A column's numbers stack upwards from the board's top edge at `boardTop`
// in 11-pixel steps, the last run lowest, each starting 5 pixels into the
// column whose left edge is `left`.
std::vector<CluePlacement> columnCluePlacements(std::string_view text, int left, int boardTop);
std::vector<CluePlacement> columnCluePlacements(const std::vector<int>& numbers, int left, int boardTop);

}  // namespace mosarin
