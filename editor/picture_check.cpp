#include "editor/picture_check.h"

#include <climits>

#include "editor/picture_store.h"
#include "game/clue_fit.h"
#include "picture/packed_rows.h"

namespace mosarin {

solver::Clues cluesAsSaved(const EditorState& state) {
    const BoardSize size = sizeFieldsAsSaved(state);
    return solver::cluesOfPicture(state.cells, size.width, size.height);
}

std::optional<std::string> clueFitWarning(const EditorState& state) {
    const std::vector<CutClue> cut = cluesCutAtDesignedSize(cluesAsSaved(state));
    if (cut.empty()) return std::nullopt;
    return cutClueWarning(cut);
}

std::string checkedBoardKey(const EditorState& state) {
    const BoardSize size = sizeFieldsAsSaved(state);
    std::string key = packRows(state.cells);
    key += sizeChar(size.width);
    key += sizeChar(size.height);
    key += std::to_string(state.currentPicture);
    for (Color color : state.colors) key += "," + std::to_string(color);
    return key;
}

std::string checkMessage(const solver::SolveResult& result) {
    switch (result.verdict) {
    case solver::Verdict::Unique:
        switch (result.grade) {
        case solver::Grade::LineLogic: return "This picture has exactly one solution; line logic alone solves it.";
        case solver::Grade::Probing: return "This picture has exactly one solution; it needs probing to solve.";
        case solver::Grade::Search: return "This picture has exactly one solution; it needs guessing to solve.";
        }
        break;
    case solver::Verdict::Multiple:
        return "This picture has more than one solution: the outlined cells can go either way.";
    case solver::Verdict::None:
        // Clues made from a picture always have that picture as a solution.
        return "This picture's clues have no solution.";
    case solver::Verdict::Undecided:
        break;
    }
    return "The check could not decide within 10 seconds whether this picture has exactly one solution.";
}

std::vector<std::pair<int, int>> cellsToOutline(const solver::SolveResult& result) {
    std::vector<std::pair<int, int>> cells;
    if (result.verdict != solver::Verdict::Multiple) return cells;
    for (const auto& [column, row] : solver::differingCells(result.solution, result.otherSolution)) {
        cells.emplace_back(column + 1, row + 1);
    }
    return cells;
}

Color outlineColorFor(const ColorSet& plainColors) {
    // Red, green, blue, magenta, cyan, yellow, orange, black, white.
    constexpr Color kCandidates[] = {0x0000FFu, 0x00FF00u, 0xFF0000u, 0xFF00FFu, 0xFFFF00u,
                                     0x00FFFFu, 0x0080FFu, 0x000000u, 0xFFFFFFu};
    auto channel = [](Color color, int shift) { return static_cast<int>((color >> shift) & 0xFFu); };
    Color best = kCandidates[0];
    int bestDistance = -1;
    for (Color candidate : kCandidates) {
        int nearest = INT_MAX;
        for (Color color : plainColors) {
            int distance = 0;
            for (int shift : {0, 8, 16}) {
                const int d = channel(candidate, shift) - channel(color, shift);
                distance += d * d;
            }
            nearest = std::min(nearest, distance);
        }
        if (nearest > bestDistance) {
            bestDistance = nearest;
            best = candidate;
        }
    }
    return best;
}

}  // namespace mosarin
