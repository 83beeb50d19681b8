#include "solver/grid.h"

#include <algorithm>

#include "picture/packed_rows.h"

namespace mosarin::solver {

bool Grid::solved() const {
    return std::none_of(cells.begin(), cells.end(), [](Cell c) { return c == Cell::Unknown; });
}

Clue clueOfLine(std::span<const Cell> line) {
    Clue clue;
    int run = 0;
    for (Cell cell : line) {
        if (cell == Cell::Filled) {
            ++run;
        } else if (run > 0) {
            clue.push_back(run);
            run = 0;
        }
    }
    if (run > 0) clue.push_back(run);
    return clue;
}

Clues cluesOfGrid(const Grid& grid) {
    Clues clues;
    std::vector<Cell> line;
    for (int row = 0; row < grid.height; ++row) {
        line.assign(grid.cells.begin() + static_cast<long>(row) * grid.width,
                    grid.cells.begin() + static_cast<long>(row + 1) * grid.width);
        clues.rows.push_back(clueOfLine(line));
    }
    for (int column = 0; column < grid.width; ++column) {
        line.clear();
        for (int row = 0; row < grid.height; ++row) line.push_back(grid.at(column, row));
        clues.columns.push_back(clueOfLine(line));
    }
    return clues;
}

Clues cluesOfPicture(const CellGrid& picture, int width, int height) {
    width = std::clamp(width, 1, kMaxWidth);
    height = std::clamp(height, 1, kMaxHeight);
    Grid grid(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            grid.at(column, row) = picture.at(column + 1, row + 1) == 1 ? Cell::Filled : Cell::Empty;
        }
    }
    return cluesOfGrid(grid);
}

Clues cluesOfRecord(const TPictureRecord& record) {
    CellGrid picture;
    unpackRows(record.packedRows, picture);
    return cluesOfPicture(picture, record.width, record.height);
}

}  // namespace mosarin::solver
