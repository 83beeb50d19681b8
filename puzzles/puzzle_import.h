#pragma once
// Importing puzzles of the public formats (.non, .nonpack, webpbn .xml) into
// the picture library. A puzzle with a goal becomes a picture of exactly
// those cells, after its clues are checked against it; a puzzle given only by
// its clues is solved and taken only when it has exactly one solution. Every
// puzzle that can be taken is appended in one atomic rewrite of the library,
// whose existing lines stay byte for byte; the others are refused with the
// reason, and the rest of the file is still imported.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "picture/library_guard.h"
#include "picture/picture_record.h"
#include "picture/puzzle_text.h"

namespace mosarin {

// Seconds the solver may spend on one clue-only puzzle before it is refused
// as undecided.
constexpr double kDefaultImportBudgetSeconds = 10;

// True for the file names the importer reads: *.non, *.nonpack, *.xml.
bool isPuzzleFileName(const std::filesystem::path& file);

// The puzzles of a file's text: XML when it starts (after blanks) with '<',
// the .non form otherwise.
std::vector<PuzzleText> readPuzzleText(std::string_view text);

// The picture a puzzle becomes, with the "New" command's colours, or nothing
// with `refusal` saying why ("has 2 or more solutions", "has no solution",
// "could not be decided within 10 s", "clues that contradict the goal", or
// the reader's problem).
std::optional<TPictureRecord> pictureOfPuzzle(const PuzzleText& puzzle, double budgetSeconds, std::string& refusal);

struct PuzzleImportLine {
    std::string title;
    int width = 0;
    int height = 0;
    int picture = 0;        // the number the picture got in the library; 0 when refused
    std::string refusal;    // why not, when picture is 0
};

struct PuzzleFileImport {
    bool read = false;      // false: the file could not be read at all (see error)
    std::string error;      // a file or library problem: nothing was appended
    bool libraryChanged = false;  // another program changed the library since the guard's read: read it again
    std::vector<PuzzleImportLine> puzzles;
    int imported() const;
    int refused() const;
};

// Imports every puzzle of `file` at the end of `libraryFile` (which must
// exist), only into the library `guard` knows (see rewriteLibraryFile).
// Pictures beyond the library's 1000 are refused. The notes of the imported
// pictures go to the side file (picture_notes.h).
PuzzleFileImport importPuzzleFile(const std::filesystem::path& libraryFile, const std::filesystem::path& file,
                                  LibraryFileGuard& guard, double budgetSeconds = kDefaultImportBudgetSeconds,
                                  bool sync = true);

}  // namespace mosarin
