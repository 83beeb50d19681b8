// The shipped library is fair, and `mosarin --check` as a real process,
// with no display: exit status, the lines it prints, and damaged files left
// as they are.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "game/clue_fit.h"
#include "game/clue_layout.h"
#include "game/puzzle.h"
#include "picture/library_file.h"
#include "picture/packed_rows.h"
#include "solver/puzzle_solver.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(ShippedLibrary, EveryPictureHasExactlyOneSolutionAndItsCluesFitBesideTheBoard) {
    GameState state;
    ASSERT_TRUE(readLibraryFile(MOSARIN_SOURCE_DIR "/files/pictures.txt", state.library, true).opened);
    ASSERT_GE(state.library.count, 30);
    for (state.currentPicture = 1; state.currentPicture <= state.library.count; ++state.currentPicture) {
        SCOPED_TRACE(state.currentPicture);
        const TPictureRecord& record = state.library.slots[static_cast<size_t>(state.currentPicture)];
        EXPECT_EQ(solver::solvePuzzle(solver::cluesOfRecord(record), solver::Budget::forSeconds(10)).verdict, solver::Verdict::Unique);
        asignarvec(state);   // the clue texts the game draws; none may start off the play surface
        for (int row = 1; row <= record.height; ++row)
            for (const CluePlacement& p : rowCluePlacements(state.rowClues[row], kBoardLeft, kBoardTop)) EXPECT_GE(p.x, 0) << "row " << row;
        for (int column = 1; column <= record.width; ++column)
            for (const CluePlacement& p : columnCluePlacements(state.columnClues[column], kBoardLeft, kBoardTop)) EXPECT_GE(p.y, 0) << "column " << column;
    }
}

// A clue fits while its farthest number starts on the surface: 16 one-digit
// or 10 two-digit numbers beside a row, 10 numbers above a column.
TEST(ClueFit, CluesBeyondTheSurfaceAtTheDesignedSizeAreCutOff) {
    const auto repeated = [](int value, int count) { return solver::Clue(static_cast<size_t>(count), value); };
    solver::Clue mixed = repeated(12, 9);
    mixed.push_back(3);   // 9 x 13 + 8 = 125 pixels
    const struct {
        const char* name;
        solver::Clue row, column;
        std::vector<CutClue> cut;
    } cases[] = {
        {"16 one-digit numbers, 10 in a column", repeated(1, 16), repeated(1, 10), {}},
        {"10 two-digit numbers", repeated(10, 10), {}, {}},
        {"nine two-digit and one one-digit", mixed, {}, {}},
        {"17 one-digit numbers", repeated(1, 17), {}, {{true, 2, 17}}},
        {"11 two-digit numbers", repeated(10, 11), {}, {{true, 2, 11}}},
        {"11 in a column", {}, repeated(1, 11), {{false, 3, 11}}},
        {"both", repeated(1, 20), repeated(2, 12), {{true, 2, 20}, {false, 3, 12}}},
    };
    for (const auto& c : cases) {
        solver::Clues clues;
        clues.rows = {{}, c.row};
        clues.columns = {{}, {}, c.column};
        EXPECT_EQ(cluesCutAtDesignedSize(clues), c.cut) << c.name;
    }
    EXPECT_EQ(cutClueWarning({{true, 3, 20}}),
              "Row 3 has 20 numbers: at the window's designed size its clue is cut off; enlarge the window or simplify the row.");
    EXPECT_EQ(cutClueWarning({{false, 7, 11}, {false, 8, 11}}),
              "Column 7 has 11 numbers: at the window's designed size its clue is cut off; enlarge the window or simplify "
              "the column. One more line is cut off too.");
}

std::string pictureLine(const std::vector<std::string>& rows) {
    CellGrid cells;
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column) cells.at(int(column) + 1, int(row) + 1) = rows[row][column] == '#';
    TPictureRecord record{packRows(cells), int(rows[0].size()), int(rows.size()), {0x0000FFu, 0xFFFFFFu, 0xEEEEEEu, 0x888888u, 0x222222u}};
    return formatPictureLine(record);
}

struct ProgramRun {
    int status;
    std::string output;
};

// With no display at all: an application object would fail on xcb for want of an X server.
ProgramRun runProgram(const std::string& program, const std::string& arguments) {
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " MOSARIN_BUILD_DIR "/" + program + " " + arguments + " 2>&1";
    ProgramRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) run.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(CheckCommand, ExitsAndReportsAsTheLibraryDeserves) {
    TempFolder temp;
    const std::string heart = pictureLine({".#.#.", "#####", "#####", ".###.", "..#.."});
    const std::string diagonal = pictureLine({"#..", ".#.", "..."});
    writeBytes(temp / "ambiguous.txt", heart + diagonal + heart);
    const std::string damaged = heart + "00000255000000?@@\r\n", folder = temp.path().string() + "/";
    writeBytes(temp / "damaged.txt", damaged);
    std::string seventeen;   // a row of 17 single cells: its clue starts left of the surface
    for (int n = 0; n < 17; ++n) seventeen += n ? ".#" : "#";
    writeBytes(temp / "cut.txt", heart + pictureLine({seventeen}));

    const struct {
        std::string arguments;
        int status;
        std::vector<std::string> wanted;   // each must appear in the output
    } cases[] = {
        {"--check", 0, {"Pic0001", "44 pictures: 44 unique, 0 with several solutions, 0 with none, 0 undecided"}},
        {"--check " + folder + "ambiguous.txt --budget 0.5", 1,
         {"Pic0001   5 x  5  unique     line logic", "Pic0002   3 x  3  multiple   search", "two solutions differ in 4 cells",
          "Pic0003   5 x  5  unique", "3 pictures: 2 unique, 1 with several solutions"}},
        {"--check " + folder + "cut.txt", 1,
         {"Pic0002  33 x  1  cut-off", "row 1 has 17 numbers, cut off at the designed size (1 lines in all); the solver: unique", "2 pictures: 1 unique", "1 cut-off"}},
        {"--check " + folder + "damaged.txt", 2, {"had a damaged line (2) that was repaired", "left as it is"}},
        {"--check " + folder + "missing.txt", 2, {"cannot read the picture library", "no such file"}},
        {"--check --budget 5x", 2, {"--budget needs a number of seconds above 0"}},
        {"--help", 0, {"Usage: mosarin", "--check [LIBRARY]", "--budget SECONDS"}},
    };
    // The program and its Qt-free twin answer alike.
    for (const std::string program : {"mosarin", "mosarin-check"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(program + " " + c.arguments);
            const ProgramRun run = runProgram(program, c.arguments);
            EXPECT_EQ(run.status, c.status) << run.output;
            for (const std::string& text : c.wanted) EXPECT_NE(run.output.find(text), std::string::npos) << text << "\n" << run.output;
        }
    }
    // The check only reads: no repair, no copy of the original beside it.
    EXPECT_EQ(readBytes(temp / "damaged.txt"), damaged);
    EXPECT_FALSE(std::filesystem::exists(temp / "damaged.txt.original"));
}

}  // namespace
}  // namespace mosarin::testing
