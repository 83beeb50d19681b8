#pragma once
// A small nonogram board drawn the way the game draws its own: light cells,
// thin lines with every fifth one darker, grey-green clues left and above.

#include "art.h"

#include <functional>

namespace art {

enum class Mark { empty, filled, dot };

struct MiniBoard {
    CellRows solution;                   // decides the clues
    std::vector<std::vector<Mark>> marks;  // what the player has put down so far
    std::function<QColor(int column, int row)> tileColour;
    int pitch = kPitch;
    bool rowClues = true;
};

// Width taken by the row clues and height taken by the column clues.
QSize clueExtent(const MiniBoard& board);
// Draws `board` with its grid's top-left corner at `gridTopLeft`.
void drawMiniBoard(QPainter& painter, QPoint gridTopLeft, const MiniBoard& board);
// Marks matching the solution in the given rows (filled, or dotted when
// `dotEmpty`), empty elsewhere.
std::vector<std::vector<Mark>> marksFromSolution(const CellRows& solution, int firstRow, int endRow,
                                                 bool dotEmpty);

}  // namespace art
