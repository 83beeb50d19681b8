// Whole puzzles with known answers: the verdict, the grade, the solutions
// found, and where two solutions differ.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "solver/puzzle_solver.h"

namespace mosarin::solver {
namespace {

Grid gridOf(const std::vector<std::string>& rows) {
    Grid grid(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int row = 0; row < grid.height; ++row)
        for (int column = 0; column < grid.width; ++column) grid.at(column, row) = rows[row][column] == '#' ? Cell::Filled : Cell::Empty;
    return grid;
}

// A picture at the size limit: an ellipse with diagonal gaps.
Grid largestPicture() {
    Grid grid(kMaxWidth, kMaxHeight);
    for (int y = 0; y < kMaxHeight; ++y)
        for (int x = 0; x < kMaxWidth; ++x)
            grid.at(x, y) = (x - 20) * (x - 20) + (y - 15) * (y - 15) * 2 < 300 && (x + y) % 4 != 0 ? Cell::Filled : Cell::Empty;
    return grid;
}

using CellSet = std::set<std::pair<int, int>>;

TEST(PuzzleSolver, KnownPicturesGetTheirVerdictGradeSolutionsAndDifferingCells) {
    const struct {
        const char* name;
        Grid picture;
        Verdict verdict;
        Grade grade;
        CellSet differing;   // where two solutions differ, when there are two
    } cases[] = {
        {"heart", gridOf({".#.#.", "#####", "#####", ".###.", "..#.."}), Verdict::Unique, Grade::LineLogic, {}},
        {"needs probing",
         gridOf({".#.#.#..", "###.#...", "#.#..##.", "##.#..##", "#..##..#", "..###.##", "##.#....", "....##.."}),
         Verdict::Unique, Grade::Probing, {}},
        {"needs search",
         gridOf({"#...##.#..##..#", "#.#...#.....###", "##.....#..#.#..", ".#..##.#.....##", "..###..##.##.##",
                 ".#...##...#.#..", ".#..#..###..#..", "..#...#..#..###", ".#.#.##.###.#..", ".##....##...#..",
                 ".#..##..##..#..", "....#.##..##.#.", ".###..#...###..", "#.#...##..#.#..", "....######.#.##"}),
         Verdict::Unique, Grade::Search, {}},
        {"empty 40 x 30", gridOf(std::vector<std::string>(30, std::string(40, '.'))), Verdict::Unique, Grade::LineLogic, {}},
        {"full 40 x 30", gridOf(std::vector<std::string>(30, std::string(40, '#'))), Verdict::Unique, Grade::LineLogic, {}},
        {"ellipse 40 x 30", largestPicture(), Verdict::Unique, Grade::LineLogic, {}},
        {"one cell", gridOf({"#"}), Verdict::Unique, Grade::LineLogic, {}},
        {"2 x 2 diagonal", gridOf({"#.", ".#"}), Verdict::Multiple, Grade::Search, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {"diagonal beside a solid part", gridOf({"###..", "###..", "...#.", "....#"}), Verdict::Multiple,
         Grade::Search, {{3, 2}, {4, 2}, {3, 3}, {4, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The clues as the game and the editor hold the picture, with stray cells just beyond its size.
        CellGrid held;
        for (int row = 0; row < c.picture.height; ++row)
            for (int column = 0; column < c.picture.width; ++column) held.at(column + 1, row + 1) = c.picture.at(column, row) == Cell::Filled;
        held.at(c.picture.width + 1, 1) = held.at(1, c.picture.height + 1) = 1;
        const Clues clues = cluesOfPicture(held, c.picture.width, c.picture.height);
        ASSERT_EQ(clues, cluesOfGrid(c.picture));
        const SolveResult result = solvePuzzle(clues);
        ASSERT_EQ(result.verdict, c.verdict);
        EXPECT_EQ(result.grade, c.grade);
        if (c.grade == Grade::Search) {
            // The clause check beside the search may decide before the search's
            // first node on a busy machine; with a node limit the search runs
            // alone and must reach the same verdict by searching.
            const SolveResult searched = solvePuzzle(clues, Budget{.maxNodes = 1'000'000});
            EXPECT_EQ(searched.verdict, c.verdict);
            EXPECT_GT(searched.nodes, 0);
        } else {
            EXPECT_EQ(result.nodes, 0);
        }
        if (c.verdict == Verdict::Unique) {
            EXPECT_EQ(result.solution, c.picture);
            continue;
        }
        EXPECT_EQ(cluesOfGrid(result.solution), clues);
        EXPECT_EQ(cluesOfGrid(result.otherSolution), clues);
        const auto cells = differingCells(result.solution, result.otherSolution);
        EXPECT_EQ(CellSet(cells.begin(), cells.end()), c.differing);
        EXPECT_EQ(cells.size(), c.differing.size());
    }
}

TEST(PuzzleSolver, ImpossibleCluesHaveNoSolutionAndAnExhaustedBudgetDecidesNothing) {
    EXPECT_EQ(solvePuzzle(Clues{{{1}, {}}, {{}, {}}}).verdict, Verdict::None);
    EXPECT_EQ(solvePuzzle(Clues{{{3}}, {{1}, {1}}}).verdict, Verdict::None);   // a run longer than its row

    const Clues needsSearch = cluesOfGrid(gridOf({"#.", ".#"}));
    const SolveResult stopped = solvePuzzle(needsSearch, Budget{.maxNodes = 1});
    EXPECT_EQ(stopped.verdict, Verdict::Undecided);
    EXPECT_EQ(stopped.nodes, 1);

    const std::atomic<bool> cancelled{true};
    EXPECT_EQ(solvePuzzle(needsSearch, Budget::forSeconds(60, &cancelled)).verdict, Verdict::Undecided);
    EXPECT_EQ(solvePuzzle(needsSearch, Budget::forSeconds(1e-9)).verdict, Verdict::Undecided);
}

}  // namespace
}  // namespace mosarin::solver
