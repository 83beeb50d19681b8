#pragma once
// A puzzle's clues and the solver's knowledge of its cells, and the one
// place where clues are derived from a picture's cells.

#include <span>
#include <vector>

#include "picture/picture_record.h"
#include "solver/line_solver.h"

namespace mosarin::solver {

struct Clues {
    std::vector<Clue> rows;      // rows[r]: the clue of row r, top to bottom
    std::vector<Clue> columns;   // columns[c]: the clue of column c, left to right
    int width() const { return static_cast<int>(columns.size()); }
    int height() const { return static_cast<int>(rows.size()); }
    bool operator==(const Clues&) const = default;
};

// What is known of every cell, row by row. 0 <= column < width, 0 <= row < height.
struct Grid {
    int width = 0;
    int height = 0;
    std::vector<Cell> cells;

    Grid() = default;
    Grid(int w, int h) : width(w), height(h), cells(static_cast<size_t>(w) * h, Cell::Unknown) {}
    Cell& at(int column, int row) { return cells[static_cast<size_t>(row) * width + column]; }
    Cell at(int column, int row) const { return cells[static_cast<size_t>(row) * width + column]; }
    bool solved() const;
    bool operator==(const Grid&) const = default;
};

// The runs of cells in `line` that count as filled.
Clue clueOfLine(std::span<const Cell> line);

// The clues of a picture of `width` x `height` cells (columns 1..width,
// rows 1..height of the grid, as the game plays it): a cell counts as filled
// only when it holds exactly 1. width and height are clamped into 1..40 and
// 1..30, so nothing outside the picture is read.
Clues cluesOfPicture(const CellGrid& picture, int width, int height);

// The clues of a library picture, read from its packed rows and size.
Clues cluesOfRecord(const TPictureRecord& record);

// The clues of a fully decided grid (Unknown counts as empty).
Clues cluesOfGrid(const Grid& grid);

}  // namespace mosarin::solver
