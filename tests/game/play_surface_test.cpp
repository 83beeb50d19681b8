// The start screen and the static board layer, checked pixel by pixel on
// frames rendered off-screen with solid-colour assets.
#include <gtest/gtest.h>

#include "game/clue_layout.h"
#include "game/play_surface.h"
#include "game/puzzle.h"
#include "shell/canvas.h"
#include "tests/game/rules_fixtures.h"
#include "tests/support/fake_platform.h"

namespace mosarin {
namespace {

using namespace mosarin::testing;

constexpr QRgb kTextPixel = 0xFF73837Du;   // 0x7D8373 as red 115, green 131, blue 125

GameState boardOf(const std::vector<std::string>& picture) {
    GameState state = stateWith({pictureOf(picture)});
    state.currentPicture = 1;
    asignarvec(state);
    return state;
}

QImage staticLayer(const GameState& state) {
    PlaySurface surface;
    tablero(state, solidAssets(), surface);
    return surface.boardImage;
}

TEST(StartScreen, AssetsAndTextsInPlace) {
    GameState state;
    PlaySurface surface;
    FakePlatform platform;
    state.redrawPending = true;
    mostrar(state, solidAssets(), surface, platform);
    const QImage& frame = surface.frameImage;
    ASSERT_EQ(frame.size(), QSize(780, 555));
    EXPECT_FALSE(state.redrawPending);

    EXPECT_EQ(frame.pixel(0, 0), kBackPixel);
    EXPECT_EQ(frame.pixel(50, 35), kStartPixel);
    EXPECT_EQ(frame.pixel(149, 84), kStartPixel);
    EXPECT_EQ(frame.pixel(150, 84), kBackPixel);
    EXPECT_EQ(frame.pixel(49, 35), kBackPixel);

    // Maker line at (250, 385): its ink lies right of and below that corner.
    EXPECT_TRUE(containsPixel(frame, QRect(250, 385, 300, 24), kTextPixel));
    EXPECT_TRUE(allPixels(frame, QRect(200, 385, 49, 24), kBackPixel));
    EXPECT_TRUE(allPixels(frame, QRect(250, 360, 400, 24), kBackPixel));
    // Contact lines at (270, 409) and (260, 425).
    EXPECT_TRUE(containsPixel(frame, QRect(270, 412, 300, 13), kTextPixel));
    EXPECT_TRUE(allPixels(frame, QRect(200, 409, 69, 16), kBackPixel));
    EXPECT_TRUE(containsPixel(frame, QRect(260, 428, 300, 17), kTextPixel));
    EXPECT_TRUE(allPixels(frame, QRect(200, 425, 59, 20), kBackPixel));
}

TEST(StartScreen, AnAbsentAssetDrawsNothing) {
    GameState state;
    PlaySurface surface;
    FakePlatform platform;
    GameAssets assets = solidAssets();
    assets.startImage = QImage();
    mostrar(state, assets, surface, platform);
    EXPECT_EQ(surface.frameImage.pixel(60, 40), kBackPixel);
}

TEST(StaticLayer, GridLinesOfATwelveBySevenBoard) {
    const QImage board = staticLayer(boardOf(std::vector<std::string>(7, "............")));
    const QRgb line1 = toRgb(kTestColors[colorLine1]), line2 = toRgb(kTestColors[colorLine2]);
    for (int i = 0; i <= 12; ++i) {
        const QRgb expected = (i == 0 || i == 5 || i == 10) ? line2 : line1;
        for (int row = 0; row < 7; ++row) {
            EXPECT_EQ(board.pixel(130 + 14 * i, 127 + 14 * row), expected) << "vertical " << i << " row " << row;
        }
    }
    for (int i = 0; i <= 7; ++i) {
        const QRgb expected = (i == 0 || i == 5) ? line2 : line1;
        for (int column = 0; column < 12; ++column) {
            EXPECT_EQ(board.pixel(137 + 14 * column, 120 + 14 * i), expected) << "horizontal " << i;
        }
    }
    // The lines leave out their end points: the bottom-right corner is bare.
    EXPECT_EQ(board.pixel(298, 218), kBackPixel);
    EXPECT_EQ(board.pixel(130, 218), line1);
    EXPECT_EQ(board.pixel(299, 127), kBackPixel);
    EXPECT_EQ(board.pixel(137, 219), kBackPixel);
    EXPECT_EQ(board.pixel(129, 127), kBackPixel);
    EXPECT_TRUE(allPixels(board, QRect(299, 100, 200, 150), kBackPixel)) << "no line beyond the right edge";
    EXPECT_TRUE(allPixels(board, QRect(100, 219, 300, 150), kBackPixel)) << "no line below the bottom edge";
}

TEST(StaticLayer, BoardFillInsideTheGrid) {
    const QImage board = staticLayer(boardOf(std::vector<std::string>(7, "............")));
    const QRgb back1 = toRgb(kTestColors[colorBack1]);
    EXPECT_TRUE(allPixels(board, QRect(131, 121, 13, 13), back1));
    EXPECT_TRUE(allPixels(board, QRect(285, 205, 13, 13), back1));
}

TEST(StaticLayer, LargestBoardHasDarkRightAndBottomEdges) {
    const QImage board = staticLayer(boardOf(std::vector<std::string>(30, std::string(40, '.'))));
    const QRgb line2 = toRgb(kTestColors[colorLine2]);
    EXPECT_EQ(board.pixel(690, 300), line2);
    EXPECT_EQ(board.pixel(690, 120), line2);
    EXPECT_EQ(board.pixel(400, 540), line2);
    EXPECT_EQ(board.pixel(689, 539), toRgb(kTestColors[colorBack1]));
    EXPECT_EQ(board.pixel(691, 300), kBackPixel);
    EXPECT_EQ(board.pixel(400, 541), kBackPixel);
    EXPECT_EQ(board.pixel(690, 540), kBackPixel);
}

TEST(ClueLayout, RowNumbersStandAgainstTheLeftEdge) {
    const std::vector<CluePlacement> placements = rowCluePlacements("020103", 130, 120);
    ASSERT_EQ(placements.size(), 3u);
    const int expected[][3] = {{122, 120, 3}, {114, 120, 1}, {106, 120, 2}};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(placements[i].x, expected[i][0]);
        EXPECT_EQ(placements[i].y, expected[i][1]);
        EXPECT_EQ(placements[i].value, expected[i][2]);
    }
    const std::vector<CluePlacement> wide = rowCluePlacements("120340", 130, 134);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(wide[0].x, 117);   // 40
    EXPECT_EQ(wide[1].x, 109);   // 3
    EXPECT_EQ(wide[2].x, 96);    // 12
}

TEST(ClueLayout, ColumnNumbersStackUpwards) {
    const std::vector<CluePlacement> placements = columnCluePlacements("1205", 144, 120);
    ASSERT_EQ(placements.size(), 2u);
    EXPECT_EQ(placements[0].x, 149);
    EXPECT_EQ(placements[0].y, 109);
    EXPECT_EQ(placements[0].value, 5);
    EXPECT_EQ(placements[1].x, 149);
    EXPECT_EQ(placements[1].y, 98);
    EXPECT_EQ(placements[1].value, 12);
}

TEST(ClueLayout, MalformedTextsAreSkippedNotMisread) {
    EXPECT_EQ(clueNumbers("0203x"), (std::vector<int>{2, 3}));
    EXPECT_EQ(clueNumbers("02a103"), (std::vector<int>{2, 3}));
    EXPECT_TRUE(clueNumbers("").empty());
}

// A 10 x 20 picture whose row 1 reads 2 1 3 and whose column 2 reads 12 5.
std::vector<std::string> cluePicture() {
    std::vector<std::string> rows(20, "..........");
    rows[0] = "##..#..###";
    for (int r = 1; r < 12; ++r) rows[static_cast<size_t>(r)] = ".#........";
    for (int r = 13; r < 18; ++r) rows[static_cast<size_t>(r)] = ".#........";
    return rows;
}

TEST(StaticLayer, ClueNumbersWhereTheTextsPlaceThem) {
    const GameState state = boardOf(cluePicture());
    ASSERT_EQ(state.rowClues[1], "020103");
    ASSERT_EQ(state.columnClues[2], "1205");
    const QImage board = staticLayer(state);
    // Row 1: 2 at x = 106, 1 at 114, 3 at 122, nothing further left.
    for (int x : {106, 114, 122}) {
        EXPECT_FALSE(allPixels(board, QRect(x, 120, 8, 14), kBackPixel)) << "no ink at x = " << x;
    }
    EXPECT_TRUE(containsPixel(board, QRect(100, 120, 30, 14), kTextPixel));
    EXPECT_TRUE(allPixels(board, QRect(0, 120, 106, 14), kBackPixel));
    // Row 13 is empty: no clue beside it.
    EXPECT_TRUE(allPixels(board, QRect(0, 120 + 14 * 12, 130, 14), kBackPixel));
    // Column 2: 5 at (149, 109), 12 at (149, 98), nothing above.
    EXPECT_FALSE(allPixels(board, QRect(149, 109, 8, 11), kBackPixel));
    EXPECT_FALSE(allPixels(board, QRect(149, 98, 13, 11), kBackPixel));
    EXPECT_TRUE(allPixels(board, QRect(144, 0, 14, 98), kBackPixel));
    // Column 3 is empty: nothing above it but the spill of column 2's 12.
    EXPECT_TRUE(allPixels(board, QRect(162, 0, 10, 120), kBackPixel));
}

TEST(Mostrar, BoardWithoutPuzzleShowsOnlyTheStaticLayer) {
    GameState state = boardOf(std::vector<std::string>(5, "#####"));
    setPlayCells(state, {"#####"});
    state.boardShown = true;
    state.boardStale = true;
    state.puzzleActive = false;
    state.hoverColumn = state.hoverRow = 0;
    PlaySurface surface;
    FakePlatform platform;
    mostrar(state, solidAssets(), surface, platform);
    EXPECT_FALSE(state.boardStale);
    EXPECT_FALSE(state.redrawPending);
    EXPECT_FALSE(state.solved);
    EXPECT_EQ(surface.frameImage, surface.boardImage);
    EXPECT_EQ(surface.frameImage.pixel(135, 125), toRgb(kTestColors[colorBack1]));
}

}  // namespace
}  // namespace mosarin
