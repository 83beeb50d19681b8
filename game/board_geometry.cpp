#include "game/board_geometry.h"

#include <algorithm>

#include "game/clue_layout.h"

namespace mosarin {

namespace {

constexpr int kDesignedClueHeight = 11;
// The surface below and right of the designed one: the client area's strip
// that the play surface leaves bare.
constexpr int kSurfaceRightStrip = kDesignedClientWidth - kDesignedSurfaceWidth;
constexpr int kSurfaceBottomStrip = kDesignedClientHeight - kDesignedSurfaceHeight;
// The comfortable layout keeps this much of the surface clear all round.
constexpr int kMargin = 10;

int ceilDiv(int a, int b) { return (a + b - 1) / b; }
int roundDiv(int a, int b) { return (2 * a + b) / (2 * b); }

// The digit measurements at one font height, rounded outwards so that the
// gaps worked out from them are never narrower than drawn.
struct DigitBox {
    int advance;
    int inkTop;
    int inkBottom;   // below the text box's top, exclusive
};

DigitBox digitsAt(const ClueFontMetrics& font, int height) {
    const int reference = std::max(font.referenceHeight, 1);
    DigitBox box;
    box.advance = std::max(1, ceilDiv(font.digitAdvance * height, reference));
    box.inkTop = font.inkTop * height / reference;
    // A pixel more for the hinting of small sizes.
    box.inkBottom = std::min(height, ceilDiv((font.inkTop + font.inkHeight) * height, reference) + 1);
    if (box.inkBottom <= box.inkTop) box.inkBottom = box.inkTop + 1;
    return box;
}

int digitsOf(int value) { return value >= 10 ? 2 : 1; }

// The clue font grows with the pitch in the designed proportion.
int clueHeightFor(int pitch) { return std::max(kDesignedClueHeight, pitch * kDesignedClueHeight / kDesignedPitch); }

// The proportions of the designed cell: a 1-pixel ring inside the grid
// lines around the 11-pixel fill; the 4-pixel dot one pixel past the middle
// of the inside; the end screen's square one pixel in, framed up to the fill.
void setCellInsets(BoardGeometry& g) {
    const int p = g.pitch;
    g.fillInset = std::max(2, roundDiv(2 * p, kDesignedPitch));
    g.fillSize = p - 2 * g.fillInset + 1;
    g.markSize = std::max(4, roundDiv(4 * p, kDesignedPitch));
    g.markInset = (p + 2 - g.markSize) / 2;
    g.festiveInset = 1;
    g.festiveSize = p - 1;
    g.festiveRing = g.fillInset - g.festiveInset;
}

// Clue spacing at one pitch.
BoardGeometry comfortableAt(int pitch, const ClueFontMetrics& font) {
    BoardGeometry g;
    g.pitch = pitch;
    g.clueHeight = clueHeightFor(pitch);
    const DigitBox digit = digitsAt(font, g.clueHeight);
    const int rowGap = std::max(4, ceilDiv(digit.advance, 2));
    g.rowStepOneDigit = digit.advance + rowGap;
    g.rowStepTwoDigits = 2 * digit.advance + rowGap;
    g.rowEndGap = 0;
    const int inkHeight = digit.inkBottom - digit.inkTop;
    g.rowTextDown = (pitch - inkHeight) / 2 - digit.inkTop;
    const int columnGap = std::max(2, ceilDiv(inkHeight, 3));
    g.columnStep = inkHeight + columnGap;
    g.columnLift = digit.inkBottom + columnGap;
    g.columnIndentOneDigit = (pitch - digit.advance) / 2;
    g.columnIndentTwoDigits = (pitch - 2 * digit.advance) / 2;
    setCellInsets(g);
    return g;
}

// How far the clues reach out from the board: left of it (the widest row
// clue), above it (the tallest column clue, to the top of its ink), and
// past its right edge (a two-digit number wider than the last column).
struct ClueReach {
    int left = 0, up = 0, right = 0;
};

ClueReach clueReach(const BoardGeometry& g, const BoardLayoutInput& input, const ClueFontMetrics& font) {
    const DigitBox digit = digitsAt(font, g.clueHeight);
    ClueReach reach;
    for (const std::string& text : input.rowClues) {
        int width = g.rowEndGap;
        for (int value : clueNumbers(text)) width += value >= 10 ? g.rowStepTwoDigits : g.rowStepOneDigit;
        reach.left = std::max(reach.left, width);
    }
    for (const std::string& text : input.columnClues) {
        const std::vector<int> numbers = clueNumbers(text);
        if (numbers.empty()) continue;
        const int count = static_cast<int>(numbers.size());
        reach.up = std::max(reach.up, g.columnLift + g.columnStep * (count - 1) - digit.inkTop);
        for (int value : numbers) {
            const int indent = digitsOf(value) == 2 ? g.columnIndentTwoDigits : g.columnIndentOneDigit;
            reach.right = std::max(reach.right, indent + digitsOf(value) * digit.advance - g.pitch);
        }
    }
    return reach;
}

}  // namespace

int BoardGeometry::scaled(int designedLength) const { return roundDiv(designedLength * pitch, kDesignedPitch); }
int BoardGeometry::endImageLeft() const { return left - scaled(2); }
int BoardGeometry::endImageTop() const { return top - scaled(2); }

BoardGeometry designedBoardGeometry() {
    BoardGeometry g;
    g.designed = true;
    g.left = kDesignedBoardLeft;
    g.top = kDesignedBoardTop;
    g.pitch = kDesignedPitch;
    g.clueHeight = kDesignedClueHeight;
    g.rowStepOneDigit = 8;
    g.rowStepTwoDigits = 13;
    g.rowEndGap = 0;
    g.rowTextDown = 0;
    g.columnLift = 11;
    g.columnStep = 11;
    g.columnIndentOneDigit = 5;
    g.columnIndentTwoDigits = 5;
    setCellInsets(g);
    return g;
}

int surfaceWidthFor(int clientWidth) { return std::max(clientWidth, kDesignedClientWidth) - kSurfaceRightStrip; }
int surfaceHeightFor(int clientHeight) { return std::max(clientHeight, kDesignedClientHeight) - kSurfaceBottomStrip; }

BoardGeometry boardGeometry(const BoardLayoutInput& input) {
    // A window never smaller than designed; at the designed size (or below
    // it, which the window does not allow) the designed surface.
    if (input.clientWidth <= kDesignedClientWidth && input.clientHeight <= kDesignedClientHeight)
        return designedBoardGeometry();
    const int columns = std::max(input.columns, 1), rows = std::max(input.rows, 1);
    const int surfaceWidth = surfaceWidthFor(input.clientWidth);
    const int surfaceHeight = surfaceHeightFor(input.clientHeight);
    // The board and its clues share the surface left of the buttons.
    const int areaLeft = kMargin, areaTop = kMargin;
    const int areaWidth = std::max(1, input.clientWidth - kButtonStripWidth - kMargin);
    const int areaHeight = std::max(1, surfaceHeight - 2 * kMargin);

    BoardGeometry g;
    ClueReach reach;
    const int largest = std::max(kDesignedPitch, std::min(areaWidth / columns, areaHeight / rows));
    for (int pitch = largest; pitch >= kDesignedPitch; --pitch) {
        g = comfortableAt(pitch, input.font);
        reach = clueReach(g, input, input.font);
        const int width = reach.left + columns * pitch + 1 + reach.right;
        const int height = reach.up + rows * pitch + 1;
        if (width <= areaWidth && height <= areaHeight) break;
    }
    // Centred in the space; when even the smallest pitch leaves too little
    // room the clues still keep theirs, and the board reaches further.
    const int width = reach.left + columns * g.pitch + 1 + reach.right;
    const int height = reach.up + rows * g.pitch + 1;
    g.left = areaLeft + std::max(0, (areaWidth - width) / 2) + reach.left;
    g.top = areaTop + std::max(0, (areaHeight - height) / 2) + reach.up;
    g.surfaceWidth = surfaceWidth;
    g.surfaceHeight = surfaceHeight;
    g.designed = false;
    return g;
}

}  // namespace mosarin
