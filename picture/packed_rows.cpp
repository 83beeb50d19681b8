#include "picture/packed_rows.h"

#include <algorithm>

namespace mosarin {

namespace {

constexpr int kCellsPerGroup = 5;
constexpr int kFirstPackedCode = 64;

// Weight of the cell `offset` places right of a group's first column:
// the leftmost cell is the high bit.
constexpr int cellWeight(int offset) { return 1 << (kCellsPerGroup - 1 - offset); }

}  // namespace

std::string packRows(const CellGrid& grid) {
    std::string packed(kPackedLength, kEmptyGroup);
    std::size_t position = 0;
    for (int row = 1; row <= kMaxHeight; ++row) {
        for (int group = 1; group <= kGroupsPerRow; ++group) {
            const int firstColumn = kCellsPerGroup * (group - 1) + 1;
            int value = 0;
            for (int offset = 0; offset < kCellsPerGroup; ++offset) {
                if (grid.at(firstColumn + offset, row) == 1) value += cellWeight(offset);
            }
            packed[position++] = static_cast<char>(kFirstPackedCode + value);
        }
    }
    return packed;
}

void unpackRows(std::string_view packed, CellGrid& grid) {
    std::size_t position = 0;
    for (int row = 1; row <= kMaxHeight; ++row) {
        for (int group = 1; group <= kGroupsPerRow; ++group, ++position) {
            // A character the text does not have is an empty group; the mask
            // keeps any other code from setting cells outside its own group.
            const int code = position < packed.size() ? static_cast<unsigned char>(packed[position])
                                                      : kFirstPackedCode;
            const int value = (code - kFirstPackedCode) & 31;
            const int firstColumn = kCellsPerGroup * (group - 1) + 1;
            for (int offset = 0; offset < kCellsPerGroup; ++offset) {
                grid.at(firstColumn + offset, row) = (value & cellWeight(offset)) != 0 ? 1 : 0;
            }
        }
    }
}

char sizeChar(int value) { return static_cast<char>(40 + std::clamp(value, 1, kMaxWidth)); }

int sizeFromChar(char c) { return static_cast<unsigned char>(c) - 40; }

}  // namespace mosarin
