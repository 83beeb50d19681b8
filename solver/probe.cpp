// Probing: each unknown cell tried both ways with propagation, until the
// grid stands still.
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "solver/propagation.h"

namespace mosarin::solver {

namespace {

// A set of rows and columns, for grids of up to 64 of each (a larger
// grid's trials are not made again from records).
class LineMask {
public:
    void add(int column, int row) {
        if (row < 64) rows_ |= std::uint64_t{1} << row;
        if (column < 64) columns_ |= std::uint64_t{1} << column;
    }
    bool empty() const { return rows_ == 0 && columns_ == 0; }
    LineMask& operator|=(const LineMask& other) {
        rows_ |= other.rows_;
        columns_ |= other.columns_;
        return *this;
    }
    LineMask operator&(const LineMask& other) const {
        LineMask both;
        both.rows_ = rows_ & other.rows_;
        both.columns_ = columns_ & other.columns_;
        return both;
    }
    std::uint64_t rows() const { return rows_; }
    std::uint64_t columns() const { return columns_; }

private:
    std::uint64_t rows_ = 0, columns_ = 0;
};

// A record is looked at against every lesson since it was made; past this
// many, it is made afresh instead.
constexpr int kLessonsARecordOutlives = 64;
// Cells the records of one probe may hold (8 bytes each) before they are
// dropped and made afresh.
constexpr std::size_t kMostRecordedCells = std::size_t{1} << 20;

}  // namespace

bool besideKnownCells(const Grid& grid, int column, int row) {
    int known = 0;
    known += column == 0 || grid.at(column - 1, row) != Cell::Unknown;
    known += column + 1 == grid.width || grid.at(column + 1, row) != Cell::Unknown;
    known += row == 0 || grid.at(column, row - 1) != Cell::Unknown;
    known += row + 1 == grid.height || grid.at(column, row + 1) != Cell::Unknown;
    return known >= 2;
}

ProbeOutcome probe(Grid& grid, Propagator& propagator, const Budget& budget, ProbeChoice* choice, ProbeScope scope) {
    // Trial grids reused for every probe: copying into them allocates nothing.
    Grid filled = grid, empty = grid;
    const size_t count = grid.cells.size();
    // Per cell, the values (bit 1 filled, bit 2 empty) that a fitting trial
    // of this round has already implied.
    std::vector<std::uint8_t> implied(count);
    auto bitOf = [](Cell value) { return value == Cell::Filled ? std::uint8_t{1} : std::uint8_t{2}; };
    // The cells each trial's propagation decided, besides the tried cell:
    // looking at those alone is far cheaper than comparing whole grids.
    std::vector<int> filledChanged, emptyChanged;
    auto markImplied = [&](const Grid& trial, const std::vector<int>& changed, size_t tried) {
        implied[tried] |= bitOf(trial.cells[tried]);
        for (const int i : changed) implied[i] |= bitOf(trial.cells[i]);
        return static_cast<int>(changed.size()) + 1;
    };
    // What each fitting trial decided, for making it again after lessons
    // (a round that learns something is followed by another that tries
    // every cell again). The trial's cells and the lessons' cells since,
    // together, leave solved every line that only one of them touched, so
    // only the lines both touched need solving again to give exactly what
    // propagating the trial afresh would; most trials are far from what was
    // learnt and need none. Indexed by cell * 2 + (0 filled, 1 empty);
    // `lesson` -1 when there is none.
    struct TrialRecord {
        int lesson = -1;
        std::uint32_t first = 0, size = 0;   // its decided cells in `decidedCells`
        LineMask lines;                      // the lines of those cells and of the tried cell
    };
    std::vector<TrialRecord> records(count * 2);
    std::vector<std::pair<int, Cell>> decidedCells;
    // The lines in which each lesson decided cells, by lesson number.
    std::vector<LineMask> lessonLines(1);
    std::vector<int> lessonCells;
    auto lesson = [&] { return static_cast<int>(lessonLines.size()) - 1; };
    int oldestUsableLesson = 0;   // records from before it lost their cells
    auto gridChanged = [&] {
        LineMask lines;
        for (const int i : lessonCells) lines.add(i % grid.width, i / grid.width);
        lessonLines.push_back(lines);
    };
    // Exact line sets only while every line has its bit.
    const bool linesFit = grid.width <= 64 && grid.height <= 64;
    // The lines of a record that lessons since have changed.
    auto linesChangedSince = [&](const TrialRecord& record) {
        LineMask since;
        for (int later = record.lesson + 1; later <= lesson(); ++later) since |= lessonLines[static_cast<std::size_t>(later)];
        return since & record.lines;
    };
    // Runs `propagate`, adding the cells it decides to `into`.
    auto recordingInto = [&](std::vector<int>& into, auto propagate) {
        propagator.recordChanges(&into);
        const bool fits = propagate();
        propagator.recordChanges(nullptr);
        return fits;
    };
    // Sets `trial` to the grid with (index, value) tried, by replaying a
    // record or by propagating; false when that value breaks a line.
    auto tryValue = [&](Grid& trial, std::vector<int>& changed, int column, int row, Cell value) {
        const size_t index = static_cast<size_t>(row) * grid.width + column;
        TrialRecord& record = records[index * 2 + (value == Cell::Filled ? 0 : 1)];
        trial.cells = grid.cells;
        trial.cells[index] = value;
        changed.clear();
        const bool recorded = linesFit && record.lesson >= oldestUsableLesson && lesson() - record.lesson <= kLessonsARecordOutlives;
        const LineMask changedLines = recorded ? linesChangedSince(record) : LineMask{};
        bool fits = true;
        if (recorded) {
            // The record on the grid as it is now: where a lesson since
            // decided a cell it decided too, the lesson's value counts.
            for (std::uint32_t k = record.first; k < record.first + record.size && fits; ++k) {
                Cell& cell = trial.cells[decidedCells[k].first];
                if (cell == Cell::Unknown) {
                    cell = decidedCells[k].second;
                    changed.push_back(decidedCells[k].first);
                } else {
                    fits = cell == decidedCells[k].second;   // else the trial breaks on the new grid
                }
            }
            if (fits && changedLines.empty()) return true;
            // Only the lines both changed can be unsolved.
            if (fits) {
                fits = recordingInto(changed, [&] { return propagator.propagateLines(trial, changedLines.rows(), changedLines.columns()); });
            }
        } else {
            fits = recordingInto(changed, [&] { return propagator.propagateCell(trial, column, row); });
        }
        if (fits) {
            if (decidedCells.size() > kMostRecordedCells) {
                // Rarely reached (very long probes of large grids): start afresh.
                decidedCells.clear();
                lessonLines.emplace_back();
                oldestUsableLesson = lesson();
            }
            record = {lesson(), static_cast<std::uint32_t>(decidedCells.size()), static_cast<std::uint32_t>(changed.size()), {}};
            record.lines.add(column, row);
            for (const int i : changed) {
                decidedCells.emplace_back(i, trial.cells[i]);
                record.lines.add(i % grid.width, i / grid.width);
            }
        }
        return fits;
    };
    // Sets one cell of the grid and follows it, keeping in `lessonCells`
    // what it decided; the outcome when that fails.
    auto learn = [&](int column, int row, Cell value) {
        grid.at(column, row) = value;
        lessonCells.assign(1, row * grid.width + column);
        if (recordingInto(lessonCells, [&] { return propagator.propagateCell(grid, column, row); })) return ProbeOutcome::Stuck;
        return propagator.interrupted() ? ProbeOutcome::OutOfBudget : ProbeOutcome::Contradiction;
    };

    for (bool progress = true; progress;) {
        if (grid.solved()) return ProbeOutcome::Solved;
        progress = false;
        std::fill(implied.begin(), implied.end(), 0);
        int bestScore = -1;
        if (choice) *choice = {};
        for (int row = 0; row < grid.height; ++row) {
            for (int column = 0; column < grid.width; ++column) {
                const size_t index = static_cast<size_t>(row) * grid.width + column;
                if (grid.cells[index] != Cell::Unknown) continue;
                if (scope == ProbeScope::BesideKnownCells && !besideKnownCells(grid, column, row)) continue;
                int decidedBy[2] = {-1, -1};   // cells each way decided; -1 when not tried
                bool decided = false;
                for (const Cell value : {Cell::Filled, Cell::Empty}) {
                    if (implied[index] & bitOf(value)) continue;
                    if (budget.timeIsUp()) return ProbeOutcome::OutOfBudget;
                    Grid& trial = value == Cell::Filled ? filled : empty;
                    std::vector<int>& changed = value == Cell::Filled ? filledChanged : emptyChanged;
                    const bool fits = tryValue(trial, changed, column, row, value);
                    if (fits) {
                        decidedBy[value == Cell::Filled ? 0 : 1] = markImplied(trial, changed, index);
                        continue;
                    }
                    if (propagator.interrupted()) return ProbeOutcome::OutOfBudget;
                    // This value breaks a line: the cell takes the other one.
                    const Cell other = value == Cell::Filled ? Cell::Empty : Cell::Filled;
                    if (value == Cell::Empty && decidedBy[0] >= 0) {
                        grid.cells = filled.cells;   // the filled trial fits and is propagated already
                        lessonCells = filledChanged;
                        lessonCells.push_back(static_cast<int>(index));
                    } else if (const ProbeOutcome outcome = learn(column, row, other); outcome != ProbeOutcome::Stuck) {
                        return outcome;
                    }
                    decided = true;
                    break;
                }
                if (decided) {
                    gridChanged();
                    progress = true;
                    continue;
                }
                if (decidedBy[0] < 0 || decidedBy[1] < 0) continue;
                // Both ways fit: what they decide alike holds either way.
                bool common = false;
                for (const int i : filledChanged) common = common || filled.cells[i] == empty.cells[i];
                if (common) {
                    lessonCells.clear();
                    for (const int i : filledChanged) {
                        if (filled.cells[i] == empty.cells[i]) {
                            grid.cells[i] = filled.cells[i];
                            lessonCells.push_back(i);
                        }
                    }
                    if (!recordingInto(lessonCells, [&] { return propagator.propagateCells(grid, lessonCells); })) {
                        return propagator.interrupted() ? ProbeOutcome::OutOfBudget : ProbeOutcome::Contradiction;
                    }
                    gridChanged();
                    progress = true;
                    continue;
                }
                // Both branches of a well-chosen cell decide much: the product
                // favours a cell that shrinks the picture whichever way it goes.
                const int score = (decidedBy[0] + 1) * (decidedBy[1] + 1);
                if (choice && score > bestScore) {
                    bestScore = score;
                    *choice = {column, row};
                }
            }
        }
    }
    return grid.solved() ? ProbeOutcome::Solved : ProbeOutcome::Stuck;
}

}  // namespace mosarin::solver
