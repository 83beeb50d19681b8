#include "game/clue_drawing.h"

#include <array>

namespace mosarin {

namespace {

const QFont& clueFont() {
    static const QFont font = arialBold(11);
    return font;
}

// A run is at most 40 long; the texts are made once rather than per number.
const QString& numberText(int value) {
    static const std::array<QString, 100> texts = [] {
        std::array<QString, 100> made;
        for (int v = 0; v < 100; ++v) made[static_cast<size_t>(v)] = QString::number(v);
        return made;
    }();
    return texts[static_cast<size_t>(value)];
}

void drawPlacements(Canvas& canvas, const std::vector<CluePlacement>& placements, Color color) {
    for (const CluePlacement& placement : placements) {
        canvas.text(placement.x, placement.y, numberText(placement.value), clueFont(), color);
    }
}

}  // namespace

void drawRowClue(Canvas& canvas, const GameState& state, int row, Color color) {
    const int top = state.boardTop + kCellPitch * (row - 1);
    drawPlacements(canvas, rowCluePlacements(state.rowClues[static_cast<size_t>(row)], state.boardLeft, top), color);
}

void drawColumnClue(Canvas& canvas, const GameState& state, int column, Color color) {
    const int left = state.boardLeft + kCellPitch * (column - 1);
    drawPlacements(canvas, columnCluePlacements(state.columnClues[static_cast<size_t>(column)], left, state.boardTop),
                   color);
}

}  // namespace mosarin
