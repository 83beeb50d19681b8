// Turning read puzzles into library pictures, and appending them.
#include "puzzles/puzzle_import.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "picture/exchange_file.h"
#include "picture/library_file.h"
#include "picture/packed_rows.h"
#include "picture/text_lines.h"
#include "picture/whole_file.h"
#include "puzzles/picture_notes.h"
#include "solver/puzzle_solver.h"

namespace mosarin {

namespace {

// The "New" command's colours, as the editor gives a new picture.
constexpr ColorSet kImportedColors = {0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu};
// A bundle of every public puzzle is a few megabytes; this is far beyond it.
constexpr std::size_t kMaxPuzzleFileBytes = std::size_t(32) * 1024 * 1024;

TPictureRecord recordOfCells(int width, int height, auto filled) {
    CellGrid grid;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) grid.at(column + 1, row + 1) = filled(column, row) ? 1 : 0;
    }
    TPictureRecord record;
    record.packedRows = packRows(grid);
    record.width = width;
    record.height = height;
    record.colors = kImportedColors;
    return record;
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

int linesOf(std::string_view text) {
    int count = 0;
    LineSplitter lines(withoutEndPadding(text));
    for (std::string_view line; lines.next(line);) ++count;
    return count;
}

}  // namespace

bool isPuzzleFileName(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
    return extension == ".non" || extension == ".nonpack" || extension == ".xml";
}

std::vector<PuzzleText> readPuzzleText(std::string_view text) {
    std::string_view start = text;
    if (start.starts_with("\xEF\xBB\xBF")) start.remove_prefix(3);
    const std::size_t first = start.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && start[first] == '<') return readWebpbnXml(text);
    return readNonText(text);
}

std::optional<TPictureRecord> pictureOfPuzzle(const PuzzleText& puzzle, double budgetSeconds, std::string& refusal) {
    if (!puzzle.problem.empty()) {
        refusal = puzzle.problem;
        return std::nullopt;
    }
    const int width = puzzle.width;
    const int height = puzzle.height;
    if (!puzzle.goal.empty()) {
        const auto filled = [&](int column, int row) {
            return puzzle.goal[static_cast<std::size_t>(row) * width + column] != 0;
        };
        TPictureRecord record = recordOfCells(width, height, filled);
        if (puzzle.hasClues()) {
            const solver::Clues ofGoal = solver::cluesOfRecord(record);
            if (ofGoal.rows != puzzle.rows || ofGoal.columns != puzzle.columns) {
                refusal = "clues that contradict the goal";
                return std::nullopt;
            }
        }
        return record;
    }
    solver::Clues clues;
    clues.rows = puzzle.rows;
    clues.columns = puzzle.columns;
    const solver::SolveResult result = solver::solvePuzzle(clues, solver::Budget::forSeconds(budgetSeconds));
    switch (result.verdict) {
    case solver::Verdict::Unique:
        return recordOfCells(width, height, [&](int column, int row) {
            return result.solution.at(column, row) == solver::Cell::Filled;
        });
    case solver::Verdict::Multiple:
        refusal = "has 2 or more solutions";
        break;
    case solver::Verdict::None:
        refusal = "has no solution";
        break;
    case solver::Verdict::Undecided:
        refusal = "could not be decided within " + seconds(budgetSeconds) + " s";
        break;
    }
    return std::nullopt;
}

int PuzzleFileImport::imported() const {
    return static_cast<int>(std::count_if(puzzles.begin(), puzzles.end(), [](const auto& p) { return p.picture > 0; }));
}

int PuzzleFileImport::refused() const { return static_cast<int>(puzzles.size()) - imported(); }

PuzzleFileImport importPuzzleFile(const std::filesystem::path& libraryFile, const std::filesystem::path& file,
                                  LibraryFileGuard& guard, double budgetSeconds, bool sync) {
    PuzzleFileImport outcome;
    const FileReadResult source = readRegularFile(file, kMaxPuzzleFileBytes);
    if (source.status != FileReadStatus::Ok) {
        outcome.error = source.status == FileReadStatus::NotRegular ? "not a regular file"
                        : source.status == FileReadStatus::TooLarge ? "too large to be a puzzle file"
                                                                    : std::strerror(source.systemError);
        return outcome;
    }
    const FileReadResult library = readRegularFile(libraryFile, kMaxTextFileBytes);
    if (library.status != FileReadStatus::Ok) {
        outcome.error = "the picture library \"" + libraryFile.string() + "\" cannot be read: " +
                        (library.status == FileReadStatus::CannotOpen ? std::strerror(library.systemError)
                                                                      : "not a regular file or too large");
        return outcome;
    }
    outcome.read = true;
    const int picturesBefore = linesOf(library.bytes);

    std::string lines;
    PictureNotes notes;
    int next = picturesBefore + 1;
    for (const PuzzleText& puzzle : readPuzzleText(source.bytes)) {
        PuzzleImportLine& line = outcome.puzzles.emplace_back();
        line.title = puzzle.title;
        line.width = puzzle.width;
        line.height = puzzle.height;
        std::optional<TPictureRecord> record = pictureOfPuzzle(puzzle, budgetSeconds, line.refusal);
        if (!record) continue;
        if (next > kMaxPictures) {
            line.refusal = "the library is full (1000 pictures)";
            continue;
        }
        line.picture = next++;
        lines += formatPictureLine(*record);
        const PictureNote note{puzzle.title, puzzle.author, puzzle.copyright, puzzle.license};
        if (!note.empty()) notes[clueKey(*record)] = note;
    }
    if (lines.empty()) return outcome;

    const ImportOutcome appended = appendExchangeText(libraryFile, lines, "\"" + file.string() + "\"", guard, sync);
    if (appended.status != ImportStatus::Imported) {
        outcome.error = appended.message;
        outcome.libraryChanged = appended.status == ImportStatus::Changed;
        for (PuzzleImportLine& line : outcome.puzzles) {
            if (line.picture > 0) {
                line.picture = 0;
                line.refusal = "not written: the library could not be rewritten";
            }
        }
        return outcome;
    }
    std::string notesError;
    if (!addPictureNotes(libraryFile, notes, notesError)) outcome.error = "the pictures were imported, but " + notesError;
    return outcome;
}

}  // namespace mosarin
