#include "puzzles/fair_picture.h"

#include <algorithm>

#include "game/clue_fit.h"
#include "solver/puzzle_solver.h"

namespace mosarin {

namespace {

// Search nodes the full solver may visit on one candidate. A node budget,
// not seconds, so that a seed gives the same picture on any machine.
constexpr std::int64_t kSearchNodes = 200;
// The full solver is asked only once line logic leaves at most this many
// cells open: on a wide-open random picture its probing costs far more than
// line logic, and what it would show is what line logic shows already.
constexpr std::size_t kOpenCellsForSearch = 48;

// A number in [0, bound) from the raw generator output; the standard
// distributions may differ between libraries, this never does.
int below(std::mt19937_64& random, int bound) { return static_cast<int>(random() % static_cast<std::uint64_t>(bound)); }
double unit(std::mt19937_64& random) { return static_cast<double>(random() >> 11) * 0x1.0p-53; }

solver::Grid gridOf(const FairPicture& picture) {
    solver::Grid grid(picture.width, picture.height);
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column)
            grid.at(column, row) = picture.filled(column, row) ? solver::Cell::Filled : solver::Cell::Empty;
    return grid;
}

// A picture whose clue is cut off at the game window's designed size cannot
// be solved there. The cells that bring the first such line nearer to
// fitting: its empty cells beside a run, between its first and last run.
// Filling one lengthens a run and narrows a gap, and closing a gap merges
// two runs, so the line's clue never gets longer. Empty when every clue fits.
std::vector<std::pair<int, int>> cellsShorteningACutClue(const FairPicture& picture, const solver::Clues& clues) {
    const std::vector<CutClue> cut = cluesCutAtDesignedSize(clues);
    if (cut.empty()) return {};
    const CutClue& line = cut.front();
    const int length = line.row ? picture.width : picture.height;
    const auto cellAt = [&](int i) {
        return line.row ? std::pair{i, line.line - 1} : std::pair{line.line - 1, i};
    };
    const auto filledAt = [&](int i) { return i >= 0 && i < length && picture.filled(cellAt(i).first, cellAt(i).second); };
    int first = 0, last = length - 1;
    while (first < length && !filledAt(first)) ++first;
    while (last >= 0 && !filledAt(last)) --last;
    std::vector<std::pair<int, int>> cells;
    for (int i = first + 1; i < last; ++i) {
        if (!filledAt(i) && (filledAt(i - 1) || filledAt(i + 1))) cells.push_back(cellAt(i));
    }
    return cells;
}

// The cells that show why the picture is not yet fair: a clue cut off at the
// designed size first, then where two solutions
// differ, or else where line logic stops. Empty when it is fair.
std::vector<std::pair<int, int>> ambiguousCells(const FairPicture& picture, FairGrade grade) {
    // An empty picture has one solution, but no puzzle: nothing to find and
    // nothing to see. Any cell will do to start one.
    if (std::find(picture.cells.begin(), picture.cells.end(), 1) == picture.cells.end()) {
        std::vector<std::pair<int, int>> every;
        for (int row = 0; row < picture.height; ++row)
            for (int column = 0; column < picture.width; ++column) every.emplace_back(column, row);
        return every;
    }
    const solver::Clues clues = solver::cluesOfGrid(gridOf(picture));
    if (std::vector<std::pair<int, int>> cells = cellsShorteningACutClue(picture, clues); !cells.empty()) return cells;
    solver::Grid known(picture.width, picture.height);
    solver::Propagator propagator(clues);
    propagator.propagateAll(known);   // the picture itself fits, so no contradiction
    if (known.solved()) return {};
    std::vector<std::pair<int, int>> open;
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column)
            if (known.at(column, row) == solver::Cell::Unknown) open.emplace_back(column, row);
    if (grade == FairGrade::LineLogic || open.size() > kOpenCellsForSearch) return open;

    solver::Budget budget;
    budget.maxNodes = kSearchNodes;
    const solver::SolveResult result = solver::solvePuzzle(clues, budget);
    switch (result.verdict) {
    case solver::Verdict::Unique:
        return {};
    case solver::Verdict::Multiple:
        return solver::differingCells(result.solution, result.otherSolution);
    case solver::Verdict::None:      // cannot happen: the picture is a solution
    case solver::Verdict::Undecided:
        break;
    }
    return open;   // too hard to settle within the budget: make it easier where logic stops
}

// The cell to change among `cells`: an empty one when there is one. Filling
// a cell lengthens a run, and long runs are what line logic gets a grip on;
// emptying cells of a sparse picture would only make it sparser and vaguer.
std::pair<int, int> cellToChange(const FairPicture& picture, const std::vector<std::pair<int, int>>& cells,
                                 std::mt19937_64& random) {
    std::vector<std::pair<int, int>> empty;
    for (const auto& cell : cells) {
        if (!picture.filled(cell.first, cell.second)) empty.push_back(cell);
    }
    const auto& from = empty.empty() ? cells : empty;
    return from[static_cast<std::size_t>(below(random, static_cast<int>(from.size())))];
}

void fillRandomly(FairPicture& picture, std::mt19937_64& random) {
    for (std::uint8_t& cell : picture.cells) cell = unit(random) < picture.density ? 1 : 0;
}

}  // namespace

FairPicture generateFairPicture(int width, int height, FairGrade grade, std::mt19937_64& random, double density) {
    FairPicture picture;
    picture.width = std::clamp(width, 1, 40);
    picture.height = std::clamp(height, 1, 30);
    picture.cells.assign(static_cast<std::size_t>(picture.width) * picture.height, 0);
    picture.density = density >= 0.3 && density <= 0.7 ? density : 0.3 + 0.4 * unit(random);
    // Each repair fills one more cell, so the picture becomes fair long
    // before this; the limit only guards against a size that never does.
    const int repairLimit = static_cast<int>(picture.cells.size());
    fillRandomly(picture, random);
    for (;;) {
        const std::vector<std::pair<int, int>> cells = ambiguousCells(picture, grade);
        if (cells.empty()) return picture;
        if (picture.repairs >= repairLimit) {
            ++picture.restarts;
            picture.repairs = 0;
            fillRandomly(picture, random);
            continue;
        }
        const auto [column, row] = cellToChange(picture, cells, random);
        std::uint8_t& cell = picture.cells[static_cast<std::size_t>(row) * picture.width + column];
        cell = cell ? 0 : 1;
        ++picture.repairs;
    }
}

}  // namespace mosarin
