// The 40 x 30 pictures that line logic leaves wide open, shared by the
// solver's benchmarks: diagonal bands, a checkerboard and a sparse random
// picture.
#pragma once

#include <random>

#include "solver/grid.h"

namespace mosarin::bench {

// A cell is filled when (row + column + phase) mod period < filledWidth.
inline solver::Grid diagonalBands(int period, int phase, int filledWidth) {
    solver::Grid picture(40, 30);
    for (int row = 0; row < 30; ++row)
        for (int column = 0; column < 40; ++column)
            picture.at(column, row) =
                (row + column + phase) % period < filledWidth ? solver::Cell::Filled : solver::Cell::Empty;
    return picture;
}

// Bands half filled: the family the solver is measured on.
inline solver::Grid halfBands(int period, int phase) { return diagonalBands(period, phase, period / 2); }

// Two solutions (its mirror is the other), found within milliseconds.
inline solver::Grid checkerboard() { return diagonalBands(2, 1, 1); }

// 20 % filled from a fixed seed: several solutions.
inline solver::Grid sparseRandom() {
    solver::Grid picture(40, 30);
    std::mt19937 random(7);
    for (int row = 0; row < 30; ++row)
        for (int column = 0; column < 40; ++column)
            picture.at(column, row) = random() % 100 < 20 ? solver::Cell::Filled : solver::Cell::Empty;
    return picture;
}

}  // namespace mosarin::bench
