// init.jpg: the start screen's title. "Mosarin" is the solution of a small
// nonogram, clues and all; below it a tulip puzzle half solved turns into
// its finished colour mosaic. The picture's own background is cut from
// back.jpg so that it sits on the start screen without a visible edge.

#include "art.h"
#include "glyphs.h"
#include "mini_board.h"

#include <QPainterPath>

#include <memory>

namespace art {
namespace {

constexpr QSize kTitleSize{640, 340};
constexpr int kWordPitch = 15;
constexpr int kArrowLength = 44;
constexpr int kFrame = 3;

// Each letter in one glaze, every tile a little lighter or darker.
QColor wordTileColour(Noise& noise, int letter) {
    static const std::vector<QColor> glazes{palette::teal, palette::coral, palette::gold, palette::teal,
                                            palette::coral, palette::gold, palette::teal};
    const QColor base = glazes[std::size_t(letter) % glazes.size()];
    return mix(base, noise.unit() < 0.5 ? Qt::white : Qt::black, 0.04 + 0.1 * noise.unit());
}

// Returns the bottom of the drawn board.
int drawWordBoard(QPainter& painter) {
    MiniBoard board;
    board.solution = wordCells("Mosarin");
    const int rows = int(board.solution.size());
    board.marks = marksFromSolution(board.solution, 0, rows, false);
    auto noise = std::make_shared<Noise>(31);
    const int columns = int(board.solution.front().size());
    const std::vector<int> letters = letterOfColumns("Mosarin");
    board.tileColour = [noise, letters](int column, int) {
        return wordTileColour(*noise, letters[std::size_t(column)]);
    };
    board.pitch = kWordPitch;
    board.rowClues = false;
    const QSize clues = clueExtent(board);
    const int left = (kTitleSize.width() - columns * kWordPitch) / 2;
    const int top = 8 + clues.height();
    drawMiniBoard(painter, QPoint(left, top), board);
    return top + rows * kWordPitch;
}

QColor mosaicColour(Noise& noise, bool filled, int row) {
    if (!filled)
        return mix(palette::cream, palette::paperDeep, noise.unit() * 0.8);
    if (row < tulipPetalRows())
        return mix(palette::coral, noise.unit() < 0.3 ? palette::sand : palette::coralDeep, noise.unit() * 0.5);
    return mix(palette::sage, palette::tealDeep, noise.unit() * 0.6);
}

void drawFinishedMosaic(QPainter& painter, QPoint origin) {
    const CellRows tulip = tulipCells();
    const int size = int(tulip.size()) * kPitch;
    painter.fillRect(QRect(origin - QPoint(kFrame, kFrame), QSize(size + 2 * kFrame + 1, size + 2 * kFrame + 1)),
                     palette::goldDeep);
    painter.fillRect(QRect(origin - QPoint(2, 2), QSize(size + 5, size + 5)), palette::gold);
    painter.fillRect(QRect(origin, QSize(size + 1, size + 1)), mix(palette::boardLine, palette::goldDeep, 0.3));
    Noise noise(5);
    for (std::size_t r = 0; r < tulip.size(); ++r)
        for (std::size_t c = 0; c < tulip[r].size(); ++c)
            drawTile(painter, QRect(origin + QPoint(int(c) * kPitch + 1, int(r) * kPitch + 1), QSize(13, 13)),
                     mosaicColour(noise, tulip[r][c], int(r)));
    drawStar(painter, origin + QPointF(size + 6, -5), 8, palette::gold, palette::goldDeep);
    drawStar(painter, origin + QPointF(-7, size + 4), 5.5, palette::gold, palette::goldDeep);
    drawStar(painter, origin + QPointF(size + 14, 14), 4.5, palette::sand, palette::coralDeep);
}

void drawArrow(QPainter& painter, QPointF from) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(palette::teal, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(from, from + QPointF(kArrowLength - 6, 0));
    QPainterPath head;
    head.moveTo(from + QPointF(kArrowLength, 0));
    head.lineTo(from + QPointF(kArrowLength - 12, -8));
    head.lineTo(from + QPointF(kArrowLength - 12, 8));
    head.closeSubpath();
    painter.setPen(QPen(palette::teal, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(palette::teal);
    painter.drawPath(head);
    painter.restore();
}

void drawTulipStory(QPainter& painter, int top) {
    MiniBoard board;
    board.solution = tulipCells();
    board.marks = marksFromSolution(board.solution, 0, 7, true);
    board.marks[7][2] = board.marks[7][3] = Mark::filled;
    board.marks[8][0] = board.marks[9][0] = Mark::dot;
    board.tileColour = [](int, int) { return palette::tealDeep; };
    const QSize clues = clueExtent(board);
    const int gridSize = int(board.solution.size()) * kPitch;
    const int gap = 22;
    const int width = clues.width() + gridSize + gap + kArrowLength + gap + gridSize;
    const QPoint grid((kTitleSize.width() - width) / 2 + clues.width(), top + clues.height());
    drawMiniBoard(painter, grid, board);
    drawArrow(painter, QPointF(grid.x() + gridSize + gap, grid.y() + gridSize / 2.0));
    drawFinishedMosaic(painter, QPoint(grid.x() + gridSize + 2 * gap + kArrowLength, grid.y()));
}

}  // namespace

QImage makeTitle(const QImage& background) {
    QImage image = background.copy(QRect(kTitleAt, kTitleSize)).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    const int wordBottom = drawWordBoard(painter);
    drawTulipStory(painter, wordBottom + 16);
    return image;
}

}  // namespace art
