#include "game/hint.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "solver/grid.h"
#include "solver/line_solver.h"
#include "solver/propagation.h"

namespace mosarin {

namespace {

using solver::Cell;
using solver::Clue;
using solver::Clues;
using solver::Grid;

// One row or one column of the picture, 0-based, as propagation names the
// line it could not complete.
using Line = solver::Propagator::Line;

std::vector<Cell> cellsOf(const Grid& grid, Line line) {
    std::vector<Cell> cells;
    const int length = line.isRow ? grid.width : grid.height;
    for (int i = 0; i < length; ++i) cells.push_back(line.isRow ? grid.at(i, line.index) : grid.at(line.index, i));
    return cells;
}

// "Row 12 (3 4 1)" or "Column 7 (0)": the line as the player reads it, 1-based.
std::string lineTitle(Line line, const Clue& clue) {
    std::string title = (line.isRow ? "Row " : "Column ") + std::to_string(line.index + 1) + " (";
    if (clue.empty()) title += "0";
    for (size_t i = 0; i < clue.size(); ++i) title += (i > 0 ? " " : "") + std::to_string(clue[i]);
    return title + ")";
}

// The cell at `position` along `line`, named by the other direction: "column 7"
// in a row, "row 12" in a column.
std::string crossName(Line line, int position) {
    return (line.isRow ? "column " : "row ") + std::to_string(position + 1);
}

// "4" when the clue has one run of that length; "second 4" when it has more,
// so that the sentence never leaves the player guessing which run is meant.
std::string runName(const Clue& clue, int run) {
    static const char* const kOrdinals[] = {"first",       "second",     "third",      "fourth",     "fifth",
                                            "sixth",       "seventh",    "eighth",     "ninth",      "tenth",
                                            "eleventh",    "twelfth",    "thirteenth", "fourteenth", "fifteenth",
                                            "sixteenth",   "seventeenth", "eighteenth", "nineteenth", "twentieth"};
    const int length = clue[static_cast<size_t>(run)];
    const auto same = std::count(clue.begin(), clue.end(), length);
    if (same == 1) return std::to_string(length);
    const auto before = std::count(clue.begin(), clue.begin() + run, length);
    return std::string(kOrdinals[std::min<long>(before, 19)]) + " " + std::to_string(length);
}

Grid playerGrid(const GameState& state) {
    Grid grid(state.width(), state.height());
    for (int row = 0; row < grid.height; ++row) {
        for (int column = 0; column < grid.width; ++column) {
            const int value = state.playGrid.at(column + 1, row + 1);
            grid.at(column, row) = value == cellFilled ? Cell::Filled : value == cellMarked ? Cell::Empty : Cell::Unknown;
        }
    }
    return grid;
}

// The first row, top to bottom, with a filled cell where the picture is
// empty or a dot where it is filled; -1 when every mark agrees with it.
int firstRowWithMistake(const GameState& state) {
    for (int row = 1; row <= state.height(); ++row) {
        for (int column = 1; column <= state.width(); ++column) {
            const bool wanted = state.solutionGrid.at(column, row) == 1;
            const int value = state.playGrid.at(column, row);
            if ((value == cellFilled && !wanted) || (value == cellMarked && wanted)) return row - 1;
        }
    }
    return -1;
}

// With no mistake on the board, it is finished once every cell of the
// picture is filled (the next frame shows the end screen).
bool everyPictureCellFilled(const GameState& state) {
    for (int row = 1; row <= state.height(); ++row) {
        for (int column = 1; column <= state.width(); ++column) {
            if (state.solutionGrid.at(column, row) == 1 && state.playGrid.at(column, row) != cellFilled) return false;
        }
    }
    return true;
}

// The line to explain is the one that decides the most unmarked cells, but a
// line that decides a filled cell always comes before one that only decides
// empty ones: filling is the step that brings the picture closer. Ties go to
// rows before columns, then to the first in reading order. In that line the
// first cell decided filled is named, else the first decided empty. The
// player's marks agree with the picture here, so every line can be completed.
Hint lineDeduction(const Grid& grid, const Clues& clues) {
    solver::LineSolver lineSolver;
    Line best{true, 0};
    int bestCell = -1, bestScore = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const int count = pass == 0 ? grid.height : grid.width;
        for (int index = 0; index < count; ++index) {
            const Line line{pass == 0, index};
            const Clue& clue = line.isRow ? clues.rows[index] : clues.columns[index];
            const std::vector<Cell> known = cellsOf(grid, line);
            std::vector<Cell> decided = known;
            if (!lineSolver.solve(clue, decided)) continue;
            int newCells = 0, firstFilled = -1, firstEmpty = -1;
            for (size_t i = 0; i < known.size(); ++i) {
                if (known[i] == decided[i]) continue;
                ++newCells;
                int& first = decided[i] == Cell::Filled ? firstFilled : firstEmpty;
                if (first < 0) first = static_cast<int>(i);
            }
            // Deciding a filled cell outweighs any number of empty ones (at most 40).
            const int score = newCells + (firstFilled >= 0 ? 1000 : 0);
            if (score > bestScore) {
                bestScore = score;
                best = line;
                bestCell = firstFilled >= 0 ? firstFilled : firstEmpty;
            }
        }
    }
    if (bestCell < 0) return {};

    const Clue& clue = best.isRow ? clues.rows[best.index] : clues.columns[best.index];
    const std::vector<Cell> known = cellsOf(grid, best);
    std::vector<Cell> decided = known;
    lineSolver.solve(clue, decided);
    std::string reason;
    if (decided[static_cast<size_t>(bestCell)] == Cell::Empty) {
        reason = "must be empty: no run can reach it.";
    } else {
        const int run = lineSolver.onlyRunCovering(clue, known, bestCell);
        reason = "must be filled: every way of placing the " + (run >= 0 ? runName(clue, run) : std::string("runs")) +
                 " covers it.";
    }
    Hint hint;
    hint.kind = HintKind::LineDeduction;
    hint.row = best.isRow ? best.index : bestCell;
    hint.column = best.isRow ? bestCell : best.index;
    hint.sentence = lineTitle(best, clue) + ": " + crossName(best, bestCell) + " " + reason;
    return hint;
}

// Called only when no single line decides a cell, so `grid` is already as
// far as line logic takes it and one trial cell needs only its own row and
// column solved again. Cells are tried in reading order, filled first. A
// trial whose value an earlier fitting trial already implied is skipped:
// it is contained in that trial, so it cannot break a line, and skipping it
// names the same cell as trying everything would (on a checkerboard it
// saves all but a few of the trials). Once `budget` has run out, before a
// trial or inside one, the hint says it found nothing quickly.
Hint probeDeduction(const Grid& grid, const Clues& clues, const solver::Budget& budget) {
    // A few thousand cache slots: one hint meets few line states twice, and
    // clearing a large table would cost more than it saves.
    solver::Propagator propagator(clues, 4096);
    propagator.setBudget(&budget);
    auto outOfTime = [] {
        Hint hint;
        hint.kind = HintKind::OutOfTime;
        hint.sentence = "No single row or column decides another cell, and no trial decided one quickly.";
        return hint;
    };
    std::vector<std::uint8_t> implied(grid.cells.size());   // bit 1: filled, bit 2: empty
    auto bitOf = [](Cell value) { return value == Cell::Filled ? std::uint8_t{1} : std::uint8_t{2}; };
    Grid trial = grid;
    for (int row = 0; row < grid.height; ++row) {
        for (int column = 0; column < grid.width; ++column) {
            if (grid.at(column, row) != Cell::Unknown) continue;
            for (const Cell value : {Cell::Filled, Cell::Empty}) {
                if (implied[static_cast<size_t>(row) * grid.width + column] & bitOf(value)) continue;
                // A trial is a few microseconds, a look at the clock far less.
                if (budget.timeIsUp()) return outOfTime();
                trial.cells = grid.cells;
                trial.at(column, row) = value;
                const bool fits = propagator.propagateCell(trial, column, row);
                if (propagator.interrupted()) return outOfTime();
                if (fits) {
                    for (size_t i = 0; i < trial.cells.size(); ++i) {
                        if (grid.cells[i] == Cell::Unknown && trial.cells[i] != Cell::Unknown) implied[i] |= bitOf(trial.cells[i]);
                    }
                    continue;
                }
                const Line broken = propagator.contradictedLine();
                Hint hint;
                hint.kind = HintKind::Probe;
                hint.row = row;
                hint.column = column;
                hint.sentence = "No single row or column decides another cell. If column " + std::to_string(column + 1) +
                                " row " + std::to_string(row + 1) + " were " +
                                (value == Cell::Filled ? "filled" : "empty") + ", " +
                                (broken.isRow ? "row " : "column ") + std::to_string(broken.index + 1) +
                                " could not be completed.";
                return hint;
            }
        }
    }
    Hint hint;
    hint.kind = HintKind::NoDeduction;
    hint.sentence = "No single row or column, nor a single trial, decides another cell.";
    return hint;
}

}  // namespace

Hint findHint(const GameState& state, std::chrono::microseconds time) {
    const solver::Budget budget = solver::Budget::forSeconds(std::chrono::duration<double>(time).count());
    if (!state.puzzleActive || state.solved) return {};
    if (const int row = firstRowWithMistake(state); row >= 0) {
        Hint hint;
        hint.kind = HintKind::Mistake;
        hint.row = row;
        hint.sentence = "Row " + std::to_string(row + 1) + " has a mistake.";
        return hint;
    }
    if (everyPictureCellFilled(state)) return {};

    const Clues clues = solver::cluesOfPicture(state.solutionGrid, state.width(), state.height());
    const Grid grid = playerGrid(state);
    Hint hint = lineDeduction(grid, clues);
    if (hint.kind == HintKind::None) hint = probeDeduction(grid, clues, budget);
    return hint;
}

}  // namespace mosarin
