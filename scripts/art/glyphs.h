#pragma once

#include "art.h"

#include <string>

namespace art {

// `word` in a 7-row cell font, letters one empty column apart. Only the
// letters of "Mosarin" are known.
CellRows wordCells(const std::string& word);
// For each column of wordCells(word): the index of its letter, or -1 for a gap.
std::vector<int> letterOfColumns(const std::string& word);
// A 10 x 10 tulip; rows before tulipPetalRows() are the flower.
CellRows tulipCells();
int tulipPetalRows();

}  // namespace art
