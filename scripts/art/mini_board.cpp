#include "mini_board.h"

#include <QFontMetrics>

#include <algorithm>

namespace art {
namespace {

constexpr int kClueLine = 11;  // vertical step between stacked column clues
constexpr int kClueGap = 3;    // space between row clue numbers

QFont clueFont() { return boldFontByCellHeight(11); }

int rowClueWidth(const std::vector<int>& runs, const QFontMetrics& metrics) {
    int width = 0;
    for (int run : runs)
        width += metrics.horizontalAdvance(QString::number(run)) + kClueGap;
    return width;
}

void drawGrid(QPainter& painter, QPoint origin, int columns, int rows, int pitch) {
    painter.fillRect(QRect(origin, QSize(columns * pitch, rows * pitch)), palette::cream);
    for (int i = 0; i <= columns; ++i) {
        painter.setPen(i % 5 == 0 || i == columns ? palette::boardLineBold : palette::boardLine);
        painter.drawLine(origin.x() + i * pitch, origin.y(), origin.x() + i * pitch, origin.y() + rows * pitch);
    }
    for (int i = 0; i <= rows; ++i) {
        painter.setPen(i % 5 == 0 || i == rows ? palette::boardLineBold : palette::boardLine);
        painter.drawLine(origin.x(), origin.y() + i * pitch, origin.x() + columns * pitch, origin.y() + i * pitch);
    }
}

void drawMarks(QPainter& painter, QPoint origin, const MiniBoard& board) {
    for (std::size_t r = 0; r < board.marks.size(); ++r) {
        for (std::size_t c = 0; c < board.marks[r].size(); ++c) {
            const int pitch = board.pitch;
            const QPoint cell = origin + QPoint(int(c) * pitch, int(r) * pitch);
            if (board.marks[r][c] == Mark::filled)
                drawTile(painter, QRect(cell + QPoint(1, 1), QSize(pitch - 1, pitch - 1)),
                         board.tileColour(int(c), int(r)));
            else if (board.marks[r][c] == Mark::dot)
                painter.fillRect(QRect(cell + QPoint(pitch / 2 - 1, pitch / 2 - 1), QSize(3, 3)),
                                 palette::boardLineBold);
        }
    }
}

void drawClues(QPainter& painter, QPoint origin, const MiniBoard& board) {
    const CellRows& solution = board.solution;
    const int pitch = board.pitch;
    painter.setFont(clueFont());
    painter.setPen(palette::clue);
    const QFontMetrics metrics(painter.font());
    const int textTop = (pitch - metrics.height()) / 2 + 1;
    for (std::size_t r = 0; board.rowClues && r < solution.size(); ++r) {
        const std::vector<int> runs = runsOf(solution[r]);
        int x = origin.x() - 2;
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            const QString text = QString::number(*run);
            x -= metrics.horizontalAdvance(text) + kClueGap;
            painter.drawText(QRect(x, origin.y() + int(r) * pitch + textTop, 40, metrics.height()),
                             Qt::AlignLeft | Qt::AlignTop, text);
        }
    }
    for (std::size_t c = 0; c < solution.front().size(); ++c) {
        const std::vector<int> runs = runsOf(columnOf(solution, c));
        int y = origin.y() - 1;
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            y -= kClueLine;
            painter.drawText(QRect(origin.x() + int(c) * pitch, y, pitch + 1, kClueLine),
                             Qt::AlignHCenter | Qt::AlignVCenter, QString::number(*run));
        }
    }
}

}  // namespace

QSize clueExtent(const MiniBoard& board) {
    const CellRows& solution = board.solution;
    const QFontMetrics metrics(clueFont());
    int width = 0;
    for (const auto& row : solution)
        if (board.rowClues)
            width = std::max(width, rowClueWidth(runsOf(row), metrics));
    std::size_t stack = 0;
    for (std::size_t c = 0; c < solution.front().size(); ++c)
        stack = std::max(stack, runsOf(columnOf(solution, c)).size());
    return QSize(board.rowClues ? width + 2 : 0, int(stack) * kClueLine + 1);
}

void drawMiniBoard(QPainter& painter, QPoint gridTopLeft, const MiniBoard& board) {
    const int rows = int(board.solution.size());
    const int columns = int(board.solution.front().size());
    painter.save();
    drawGrid(painter, gridTopLeft, columns, rows, board.pitch);
    drawMarks(painter, gridTopLeft, board);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawClues(painter, gridTopLeft, board);
    painter.restore();
}

std::vector<std::vector<Mark>> marksFromSolution(const CellRows& solution, int firstRow, int endRow,
                                                 bool dotEmpty) {
    std::vector<std::vector<Mark>> marks(solution.size());
    for (std::size_t r = 0; r < solution.size(); ++r) {
        const bool inRange = int(r) >= firstRow && int(r) < endRow;
        for (bool filled : solution[r])
            marks[r].push_back(!inRange ? Mark::empty : filled ? Mark::filled : dotEmpty ? Mark::dot : Mark::empty);
    }
    return marks;
}

}  // namespace art
