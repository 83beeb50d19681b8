#pragma once
// Shared palette, layout and helpers of the artwork generator. The pictures
// are drawn for fixed places on the game's 780 x 555 play surface, so the
// layout constants below mirror where the game draws each of them.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <random>
#include <vector>

namespace art {

inline constexpr int kSurfaceWidth = 780;
inline constexpr int kSurfaceHeight = 555;
inline constexpr int kBoardLeft = 130;
inline constexpr int kBoardTop = 120;
inline constexpr int kPitch = 14;
inline constexpr QPoint kTitleAt{50, 35};
inline constexpr QPoint kEndFrameAt{kBoardLeft - 2, kBoardTop - 2};
inline constexpr QPoint kOverlayAt{200, 260};

// Warm paper tones with teal, gold and coral accents.
namespace palette {
inline const QColor paperLight{250, 246, 237};
inline const QColor paperDeep{240, 231, 214};
inline const QColor cream{255, 250, 240};
inline const QColor ink{38, 70, 83};
inline const QColor teal{42, 157, 143};
inline const QColor tealDeep{31, 111, 106};
inline const QColor gold{233, 196, 106};
inline const QColor goldDeep{176, 132, 46};
inline const QColor sand{244, 162, 97};
inline const QColor coral{231, 111, 81};
inline const QColor coralDeep{180, 72, 50};
inline const QColor sage{138, 177, 125};
inline const QColor clue{115, 131, 125};  // the game's clue grey-green
inline const QColor boardLine{205, 192, 160};
inline const QColor boardLineBold{150, 128, 92};
}  // namespace palette

// A fixed-seed generator whose sequence is the same on every platform
// (mt19937 is fully specified; the standard distributions are not).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : engine_(seed) {}
    int between(int low, int high) { return low + int(engine_() % std::uint32_t(high - low + 1)); }
    double unit() { return engine_() / 4294967296.0; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[std::size_t(between(0, int(items.size()) - 1))]; }

private:
    std::mt19937 engine_;
};

// A bitmap of filled (true) and empty cells, row by row.
using CellRows = std::vector<std::vector<bool>>;

QColor mix(const QColor& a, const QColor& b, double towardB);
QFont boldFont(int pixelSize);
// A font whose character cell (ascent + descent) is `cellHeight` pixels, as
// the game sizes its texts.
QFont boldFontByCellHeight(int cellHeight);
// A glazed mosaic tile filling `cell`: flat colour, light top-left bevel,
// darker bottom-right edge.
void drawTile(QPainter& painter, const QRect& cell, const QColor& colour);
void drawStar(QPainter& painter, QPointF centre, double outerRadius, const QColor& fill, const QColor& edge);
std::vector<int> runsOf(const std::vector<bool>& line);
std::vector<bool> columnOf(const CellRows& rows, std::size_t column);

QImage makeBackground();
QImage makeTitle(const QImage& background);
QImage makeEndFrame(const QImage& background);
QImage makeOverlay();
// Replaces every pixel whose alpha is below half by `key` and makes the
// rest opaque, so the game's colour-keyed drawing shows no blended fringes.
QImage keyedOnto(const QImage& drawing, const QColor& key);

// The program's icon, `size` pixels square, and the same drawing as SVG.
QImage makeIcon(int size);
QByteArray makeIconSvg();

struct ArtSet {
    QImage background, title, endFrame, overlay;
};
// Writes start, board and end screen mock-ups as PNGs into `folder`.
bool writeMockups(const ArtSet& art, const QString& folder);

}  // namespace art
