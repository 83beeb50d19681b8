#include "game/clue_drawing.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>

namespace mosarin {

namespace {

// The designed clues are 11 pixels high; a larger board's grow with it.
const QFont& clueFont(int height) {
    static std::array<QFont, 128> fonts;
    static std::array<bool, 128> made{};
    const size_t index = static_cast<size_t>(std::clamp(height, 1, 127));
    if (!made[index]) {
        fonts[index] = arialBold(static_cast<int>(index));
        made[index] = true;
    }
    return fonts[index];
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

void drawPlacements(Canvas& canvas, const std::vector<CluePlacement>& placements, int height, Color color) {
    const QFont& font = clueFont(height);
    for (const CluePlacement& placement : placements) {
        canvas.text(placement.x, placement.y, numberText(placement.value), font, color);
    }
}

}  // namespace

void drawRowClue(Canvas& canvas, const GameState& state, int row, Color color) {
    const BoardGeometry& g = state.geometry;
    drawPlacements(canvas, rowCluePlacements(state.rowClues[static_cast<size_t>(row)], g, row), g.clueHeight, color);
}

void drawColumnClue(Canvas& canvas, const GameState& state, int column, Color color) {
    const BoardGeometry& g = state.geometry;
    drawPlacements(canvas, columnCluePlacements(state.columnClues[static_cast<size_t>(column)], g, column),
                   g.clueHeight, color);
}

const ClueFontMetrics& clueFontMetrics() {
    static const ClueFontMetrics measured = [] {
        ClueFontMetrics metrics;
        metrics.referenceHeight = 100;
        const QFontMetrics font(arialBold(metrics.referenceHeight));
        int advance = 0;
        for (char digit = '0'; digit <= '9'; ++digit)
            advance = std::max(advance, font.horizontalAdvance(QChar::fromLatin1(digit)));
        metrics.digitAdvance = advance;
        // The ink box of all ten digits, from the baseline; the text box's
        // top lies one ascent above the baseline.
        const QRect ink = font.tightBoundingRect(QStringLiteral("0123456789"));
        metrics.inkTop = font.ascent() + ink.top();
        metrics.inkHeight = ink.height();
        return metrics;
    }();
    return measured;
}

}  // namespace mosarin
