#include "game/clue_layout.h"

namespace mosarin {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::vector<int> clueNumbers(std::string_view text) {
    std::vector<int> numbers;
    numbers.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        if (isDigit(text[i]) && isDigit(text[i + 1])) numbers.push_back((text[i] - '0') * 10 + (text[i + 1] - '0'));
    }
    return numbers;
}

std::vector<CluePlacement> rowCluePlacements(std::string_view text, const BoardGeometry& geometry, int row) {
    return rowCluePlacements(clueNumbers(text), geometry, row);
}

std::vector<CluePlacement> rowCluePlacements(const std::vector<int>& numbers, const BoardGeometry& geometry, int row) {
    std::vector<CluePlacement> placements;
    placements.reserve(numbers.size());
    const int top = geometry.cellTop(row) + geometry.rowTextDown;
    int x = geometry.left - geometry.rowEndGap;
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        x -= *it >= 10 ? geometry.rowStepTwoDigits : geometry.rowStepOneDigit;
        placements.push_back({x, top, *it});
    }
    return placements;
}

std::vector<CluePlacement> columnCluePlacements(std::string_view text, const BoardGeometry& geometry, int column) {
    return columnCluePlacements(clueNumbers(text), geometry, column);
}

std::vector<CluePlacement> columnCluePlacements(const std::vector<int>& numbers, const BoardGeometry& geometry,
                                                int column) {
    std::vector<CluePlacement> placements;
    placements.reserve(numbers.size());
    const int left = geometry.cellLeft(column);
    int y = geometry.top - geometry.columnLift;
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        const int indent = *it >= 10 ? geometry.columnIndentTwoDigits : geometry.columnIndentOneDigit;
        placements.push_back({left + indent, y, *it});
        y -= geometry.columnStep;
    }
    return placements;
}

std::vector<CluePlacement> rowCluePlacements(std::string_view text, int boardLeft, int top) {
    BoardGeometry geometry = designedBoardGeometry();
    geometry.left = boardLeft;
    geometry.top = top;
    return rowCluePlacements(text, geometry, 1);
}

std::vector<CluePlacement> columnCluePlacements(std::string_view text, int left, int boardTop) {
    BoardGeometry geometry = designedBoardGeometry();
    geometry.left = left;
    geometry.top = boardTop;
    return columnCluePlacements(text, geometry, 1);
}

}  // namespace mosarin
