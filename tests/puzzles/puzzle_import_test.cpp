// Puzzles becoming pictures: exact cells from a goal, a single solution from
// clues, the reasons for refusing, and the library appended to in one
// rewrite that keeps its lines byte for byte.
#include <gtest/gtest.h>

#include <sstream>

#include "app/puzzle_commands.h"
#include "picture/library_file.h"
#include "picture/packed_rows.h"
#include "puzzles/picture_notes.h"
#include "puzzles/puzzle_import.h"
#include "solver/grid.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

// "#." rows into the cells a picture record should hold.
std::string packed(const std::vector<std::string>& rows) {
    CellGrid grid;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) grid.at(int(c) + 1, int(r) + 1) = rows[r][c] == '#';
    return packRows(grid);
}

struct PictureCase {
    const char* name;
    std::string non;
    std::vector<std::string> picture;   // empty: refused
    std::string refusal;
};

TEST(PictureOfPuzzle, TakesExactCellsOrASingleSolutionAndSaysWhyNot) {
    const PictureCase cases[] = {
        {"goal with matching clues", "width 3\nheight 2\nrows\n2\n1\ncolumns\n1\n1\n1\ngoal \"110001\"\n", {"##.", "..#"}, ""},
        {"goal the clues contradict", "width 3\nheight 2\nrows\n2\n1\ncolumns\n1\n1\n1\ngoal \"110010\"\n", {},
         "clues that contradict the goal"},
        {"clue-only with one solution", "width 3\nheight 2\nrows\n3\n1\ncolumns\n1\n2\n1\n", {"###", ".#."}, ""},
        {"clue-only with two", "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n", {}, "has 2 or more solutions"},
        {"clue-only with none", "width 2\nheight 1\nrows\n2\ncolumns\n0\n0\n", {}, "has no solution"},
        {"a damaged puzzle keeps its reader's reason", "width 2\nheight 1\nrows\n?\n", {}, "line 4: not a row clue"},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string refusal;
        const auto record = pictureOfPuzzle(readNonText(c.non).at(0), 5, refusal);
        ASSERT_EQ(record.has_value(), !c.picture.empty()) << refusal;
        EXPECT_EQ(refusal, c.refusal);
        if (!record) continue;
        EXPECT_EQ(record->packedRows, packed(c.picture));
        EXPECT_EQ(record->width, int(c.picture[0].size()));
        EXPECT_EQ(record->height, int(c.picture.size()));
        EXPECT_EQ(record->colors, (ColorSet{0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu}));
    }
}

TEST(PictureOfPuzzle, AnUndecidedSearchSaysWithinHowLong) {
    // 30 x 30 with a single run in every line has many solutions but takes
    // searching; no time at all decides nothing.
    std::string non = "width 30\nheight 30\nrows\n";
    for (int i = 0; i < 30; ++i) non += "1\n";
    non += "columns\n";
    for (int i = 0; i < 30; ++i) non += "1\n";
    std::string refusal;
    EXPECT_FALSE(pictureOfPuzzle(readNonText(non).at(0), 1e-9, refusal));
    EXPECT_EQ(refusal, "could not be decided within 1e-09 s");
}

const std::string kGoalPuzzle = "title \"Corner\"\nby \"Ann\"\nlicense \"free\"\nwidth 2\nheight 2\n"
                                "rows\n1\n0\ncolumns\n1\n0\ngoal \"1000\"\n";
const std::string kTwoSolutions = "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n";

TEST(ImportPuzzleFile, AppendsTheTakenPuzzlesAfterTheLibraryBytesAndKeepsTheirNotes) {
    TempFolder folder;
    // A library whose last line has only LF and no CR: its bytes stay exactly.
    TPictureRecord one{packed({"#"}), 1, 1, {1, 2, 3, 4, 5}};
    std::string before = formatPictureLine(one);
    before = before.substr(0, before.size() - 2) + "\n";
    writeBytes(folder / "pictures.txt", before);
    writeBytes(folder / "p.nonpack", kGoalPuzzle + "====\n" + kTwoSolutions + "====\n" + kGoalPuzzle);

    LibraryFileGuard guard = guardOfFileAsItIs(folder / "pictures.txt");
    const PuzzleFileImport result = importPuzzleFile(folder / "pictures.txt", folder / "p.nonpack", guard, 5, false);
    ASSERT_TRUE(result.read) << result.error;
    ASSERT_EQ(result.puzzles.size(), 3u);
    EXPECT_EQ(result.puzzles[0].picture, 2);
    EXPECT_EQ(result.puzzles[1].refusal, "has 2 or more solutions");
    EXPECT_EQ(result.puzzles[2].picture, 3);

    const std::string after = readBytes(folder / "pictures.txt");
    TPictureRecord corner{packed({"#.", ".."}), 2, 2, {0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu}};
    EXPECT_EQ(after, before + formatPictureLine(corner) + formatPictureLine(corner));

    const PictureNotes notes = readPictureNotes(folder / "pictures.txt");
    ASSERT_EQ(notes.count(clueKey(corner)), 1u);
    EXPECT_EQ(notes.at(clueKey(corner)).describe(), "Corner\nby Ann\nLicence: free");
    EXPECT_EQ(notes.count(clueKey(one)), 0u);
}

TEST(PictureNotes, ASideFileThatCannotBeReadIsNeverReplaced) {
    TempFolder folder;
    const TPictureRecord one{packed({"#"}), 1, 1, {1, 2, 3, 4, 5}};
    const PictureNotes added = {{clueKey(one), {"t", "a", "c", "l"}}};
    std::string error;
    // Too large to be read whole: its notes would be lost by a rewrite.
    const std::string huge(std::size_t(17) * 1024 * 1024, 'x');
    writeBytes(notesFileFor(folder / "pictures.txt"), huge);
    EXPECT_FALSE(addPictureNotes(folder / "pictures.txt", added, error));
    EXPECT_NE(error.find("cannot be read"), std::string::npos) << error;
    EXPECT_EQ(readBytes(notesFileFor(folder / "pictures.txt")).size(), huge.size());
    // Missing: made; present: added to, keeping what it held.
    std::filesystem::remove(notesFileFor(folder / "pictures.txt"));
    ASSERT_TRUE(addPictureNotes(folder / "pictures.txt", added, error)) << error;
    const TPictureRecord two{packed({"#", "#"}), 1, 2, {1, 2, 3, 4, 5}};
    ASSERT_TRUE(addPictureNotes(folder / "pictures.txt", {{clueKey(two), {"u", "", "", ""}}}, error)) << error;
    const PictureNotes notes = readPictureNotes(folder / "pictures.txt");
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes.at(clueKey(one)).license, "l");
    EXPECT_EQ(notes.at(clueKey(two)).title, "u");
}

TEST(ImportPuzzleFile, StopsAtTheThousandthPictureAndRefusesTheRest) {
    TempFolder folder;
    const TPictureRecord one{packed({"#"}), 1, 1, {1, 2, 3, 4, 5}};
    std::string library;
    for (int i = 0; i < kMaxPictures - 1; ++i) library += formatPictureLine(one);
    writeBytes(folder / "pictures.txt", library);
    writeBytes(folder / "p.nonpack", kGoalPuzzle + "====\n" + kGoalPuzzle);

    LibraryFileGuard guard = guardOfFileAsItIs(folder / "pictures.txt");
    const PuzzleFileImport result = importPuzzleFile(folder / "pictures.txt", folder / "p.nonpack", guard, 5, false);
    ASSERT_EQ(result.puzzles.size(), 2u);
    EXPECT_EQ(result.puzzles[0].picture, 1000);
    EXPECT_EQ(result.puzzles[1].refusal, "the library is full (1000 pictures)");
    EXPECT_EQ(readBytes(folder / "pictures.txt").size(), size_t(kMaxPictures) * 284);
}

TEST(ImportCommand, ExitStatusSaysWhetherEveryPuzzleWasTaken) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files;   // name, content; empty content: not created
        int status;
        const char* summary;
    };
    const Case cases[] = {
        {"every puzzle imported", {{"a.non", kGoalPuzzle}, {"b.xml", "<puzzle><solution><image>|X|</image></solution></puzzle>"}},
         0, "2 puzzles: 2 imported, 0 refused\n"},
        {"one refused", {{"a.non", kGoalPuzzle}, {"b.non", kTwoSolutions}}, 1, "2 puzzles: 1 imported, 1 refused\n"},
        {"one file missing", {{"a.non", kGoalPuzzle}, {"gone.non", ""}}, 1,
         "1 puzzles: 1 imported, 0 refused; 1 file could not be read\n"},
        {"nothing readable", {{"gone.non", ""}}, 2, "0 puzzles: 0 imported, 0 refused; 1 file could not be read\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", "");
        std::vector<std::string> arguments = {"mosarin", "--import"};
        for (const auto& [name, content] : c.files) {
            if (!content.empty()) writeBytes(folder / name, content);
            arguments.push_back((folder / name).string());
        }
        arguments.insert(arguments.end(), {"--library", (folder / "pictures.txt").string()});
        std::vector<const char*> argv;
        for (const std::string& argument : arguments) argv.push_back(argument.c_str());
        std::ostringstream out, err;
        EXPECT_EQ(runPuzzleCommands(int(argv.size()), argv.data(), folder.path(), out, err), c.status);
        const std::string printed = out.str();
        EXPECT_TRUE(printed.ends_with(c.summary)) << printed;
    }
}

}  // namespace
}  // namespace mosarin::testing
