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

std::vector<CluePlacement> rowCluePlacements(std::string_view text, int boardLeft, int top) {
    return rowCluePlacements(clueNumbers(text), boardLeft, top);
}

std::vector<CluePlacement> rowCluePlacements(const std::vector<int>& numbers, int boardLeft, int top) {
    std::vector<CluePlacement> placements;
    placements.reserve(numbers.size());
    int x = boardLeft;
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
        x -= *it >= 10 ? 13 : 8;
        placements.push_back({x, top, *it});
    }
    return placements;
}

std::vector<CluePlacement> columnCluePlacements(std::string_view text, int left, int boardTop) {
    return columnCluePlacements(clueNumbers(text), left, boardTop);
}

std::vector<CluePlacement> columnCluePlacements(const std::vector<int>& numbers, int left, int boardTop) {
    std::vector<CluePlacement> placements;
    placements.reserve(numbers.size());
    int step = 1;
    for (auto it = numbers.rbegin(); it != numbers.rend(); ++it, ++step) {
        placements.push_back({left + 5, boardTop - 11 * step, *it});
    }
    return placements;
}

}  // namespace mosarin
