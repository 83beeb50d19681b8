#pragma once
// Random pictures that make fair puzzles: the solver proves that their clues
// have exactly one solution. A random picture is usually ambiguous; rather
// than throwing it away, it is repaired where the solver shows the ambiguity
// (a cell in which two solutions differ, or one line logic leaves open), one
// cell at a time, so the result stays close to the random picture.

#include <cstdint>
#include <random>
#include <vector>

namespace mosarin {

enum class FairGrade {
    LineLogic,   // solvable by line logic alone, one line at a time
    Any,         // exactly one solution, whatever it takes to find it
};

struct FairPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> cells;   // width x height, row by row, 1 filled
    double density = 0;                // the share of filled cells asked for
    int repairs = 0;                   // cells changed after the random fill
    int restarts = 0;                  // random fills given up on

    bool filled(int column, int row) const { return cells[static_cast<std::size_t>(row) * width + column] != 0; }
};

// A picture of width x height (1..40 x 1..30) with exactly one solution, of
// the grade asked for, whose clues all fit the game window at its designed
// size. The same generator state gives the same picture: the
// solver works under a node budget here, never a clock. `density` outside
// 0.3..0.7 (0 by default) is chosen at random within it.
FairPicture generateFairPicture(int width, int height, FairGrade grade, std::mt19937_64& random, double density = 0);

}  // namespace mosarin
