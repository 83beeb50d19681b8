#pragma once
// The 240-character text form of a picture's 40 x 30 cells, and size characters.

#include <string>
#include <string_view>

#include "picture/picture_record.h"

namespace mosarin {

constexpr int kPackedLength = 240;       // 30 rows of 8 groups
constexpr int kGroupsPerRow = 8;         // 5 cells a group
constexpr char kEmptyGroup = '@';        // code 64: five empty cells

// Packs columns 1..40 of rows 1..30. A cell counts as filled only when it holds exactly 1.
std::string packRows(const CellGrid& grid);

// Writes every cell of columns 1..40, rows 1..30 from the packed text; the rest
// of the grid is left alone. Characters missing from a short text read as empty
// groups; only the low five bits of (code - 64) count, so nothing outside the
// text or the grid is ever touched.
void unpackRows(std::string_view packed, CellGrid& grid);

// Size characters: code 40 + value. sizeChar clamps the value into 1..40, so
// it always gives a character a reader accepts (41..80).
char sizeChar(int value);
int sizeFromChar(char c);

}  // namespace mosarin
