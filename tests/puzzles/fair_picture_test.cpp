// Generated pictures are fair: the solver proves one solution (by line logic
// alone when asked), a seed gives the same pictures, and --generate appends
// them to the library after its existing bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/puzzle_commands.h"
#include "picture/library_file.h"
#include "game/clue_fit.h"
#include "puzzles/fair_picture.h"
#include "solver/puzzle_solver.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

solver::Clues cluesOf(const FairPicture& picture) {
    solver::Grid grid(picture.width, picture.height);
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column)
            grid.at(column, row) = picture.filled(column, row) ? solver::Cell::Filled : solver::Cell::Empty;
    return solver::cluesOfGrid(grid);
}

TEST(FairPicture, EverySizeAndGradeHasExactlyOneSolution) {
    const struct {
        int width, height;
        FairGrade grade;
    } cases[] = {{1, 1, FairGrade::Any},       {40, 1, FairGrade::LineLogic}, {7, 9, FairGrade::Any},
                 {15, 15, FairGrade::LineLogic}, {40, 30, FairGrade::Any},  {40, 30, FairGrade::LineLogic}};
    std::mt19937_64 random(5);
    for (const auto& c : cases) {
        for (int n = 0; n < 3; ++n) {
            SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << " #" << n);
            const FairPicture picture = generateFairPicture(c.width, c.height, c.grade, random);
            ASSERT_EQ(picture.cells.size(), size_t(c.width) * c.height);
            EXPECT_GE(picture.density, 0.3);
            EXPECT_LE(picture.density, 0.7);
            const solver::SolveResult result = solver::solvePuzzle(cluesOf(picture), solver::Budget::forSeconds(20));
            ASSERT_EQ(result.verdict, solver::Verdict::Unique);
            EXPECT_TRUE(cluesCutAtDesignedSize(cluesOf(picture)).empty()) << "every clue readable at the designed size";
            if (c.grade == FairGrade::LineLogic) {
                EXPECT_EQ(result.grade, solver::Grade::LineLogic);
            }
            for (int row = 0; row < c.height; ++row) {
                for (int column = 0; column < c.width; ++column) {
                    EXPECT_EQ(result.solution.at(column, row) == solver::Cell::Filled, picture.filled(column, row));
                }
            }
        }
    }
}

TEST(FairPicture, NoPictureIsEmpty) {
    // Small boards are often filled with nothing at all at 30 % density.
    std::mt19937_64 random(1);
    for (int n = 0; n < 40; ++n) {
        const FairPicture picture = generateFairPicture(1 + n % 3, 1, FairGrade::Any, random);
        EXPECT_NE(std::count(picture.cells.begin(), picture.cells.end(), 1), 0) << n;
    }
}

TEST(FairPicture, ASeedGivesTheSamePictureAndAnotherSeedAnother) {
    std::mt19937_64 first(42), again(42), other(43);
    const FairPicture a = generateFairPicture(20, 15, FairGrade::Any, first);
    EXPECT_EQ(a.cells, generateFairPicture(20, 15, FairGrade::Any, again).cells);
    EXPECT_NE(a.cells, generateFairPicture(20, 15, FairGrade::Any, other).cells);
}

int generate(const std::vector<std::string>& arguments, std::string& printed) {
    std::vector<const char*> argv = {"mosarin"};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out, err;
    const int status = *runPuzzleCommands(int(argv.size()), argv.data(), ".", out, err);
    printed = out.str() + err.str();
    return status;
}

TEST(GenerateCommand, AppendsReproduciblePicturesAndRefusesBadArguments) {
    TempFolder folder;
    const std::string library = (folder / "pictures.txt").string();
    const std::string before = std::string(282, '@').replace(0, 42, "00000001000000020000000300000004000000051)") + "\r\n";
    writeBytes(folder / "pictures.txt", before);
    std::string printed;
    ASSERT_EQ(generate({"--generate", "3", "--size", "12x8", "--seed", "9", "--library", library}, printed), 0) << printed;
    const std::string once = readBytes(folder / "pictures.txt");
    ASSERT_EQ(once.size(), 4u * 284);
    EXPECT_EQ(once.substr(0, 284), before);
    writeBytes(folder / "pictures.txt", before);
    ASSERT_EQ(generate({"--generate", "3", "--size", "12x8", "--seed", "9", "--library", library}, printed), 0);
    EXPECT_EQ(readBytes(folder / "pictures.txt"), once);

    auto pictures = std::make_unique<TPictureLibrary>();
    readLibraryFile(folder / "pictures.txt", *pictures, true);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_EQ(pictures->slots[n].width, 12);
        EXPECT_EQ(solver::solvePuzzle(solver::cluesOfRecord(pictures->slots[n])).verdict, solver::Verdict::Unique);
    }

    const std::vector<std::vector<std::string>> refused = {
        {"--generate", "0", "--size", "5x5", "--library", library},
        {"--generate", "2", "--library", library},
        {"--generate", "2", "--size", "41x5", "--library", library},
        {"--generate", "2", "--size", "5x5", "--grade", "hard", "--library", library},
        {"--generate", "2", "--size", "5x5", "--seed", "-1", "--library", library},
        {"--generate", "997", "--size", "5x5", "--library", library},   // 4 + 997 > 1000
    };
    for (const auto& arguments : refused) {
        EXPECT_EQ(generate(arguments, printed), 2) << arguments[1] << " " << arguments[2];
        EXPECT_EQ(readBytes(folder / "pictures.txt"), once);
    }
}

}  // namespace
}  // namespace mosarin::testing
