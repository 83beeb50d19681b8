#pragma once
// Pictures the solver's tests build: regular ones that line logic leaves
// wide open, and seeded random ones.

#include <random>

#include "solver/grid.h"

namespace mosarin::solver {

// Diagonal bands: a cell is filled when (row + column + phase) mod period < period / 2.
inline Grid bands(int width, int height, int period, int phase) {
    Grid grid(width, height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            grid.at(column, row) = (row + column + phase) % period < period / 2 ? Cell::Filled : Cell::Empty;
    return grid;
}

// A checkerboard with one cell switched.
inline Grid checkerboardWithSwitch(int width, int height, int switchedColumn, int switchedRow) {
    Grid grid(width, height);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) grid.at(column, row) = (row + column) % 2 ? Cell::Filled : Cell::Empty;
    Cell& cell = grid.at(switchedColumn, switchedRow);
    cell = cell == Cell::Filled ? Cell::Empty : Cell::Filled;
    return grid;
}

// Each cell filled with the given chance, from a fixed seed.
inline Grid randomPicture(int width, int height, int percentFilled, unsigned seed) {
    std::mt19937 random(seed);
    Grid grid(width, height);
    for (Cell& cell : grid.cells) cell = static_cast<int>(random() % 100) < percentFilled ? Cell::Filled : Cell::Empty;
    return grid;
}

}  // namespace mosarin::solver
