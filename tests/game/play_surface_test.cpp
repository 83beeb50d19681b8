// The play surface checked pixel by pixel on frames rendered off-screen
// with solid-colour assets: the start screen, the static board layer, the
// per-frame layer and the end screen.
#include <gtest/gtest.h>

#include <QPainter>

#include <array>
#include <functional>

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
const QRgb kPicture = toRgb(kTestColors[colorPicture]);
const QRgb kBack1 = toRgb(kTestColors[colorBack1]);
const QRgb kBack2 = toRgb(kTestColors[colorBack2]);
const QRgb kHoveredClue = toRgb(0x111111u);

// Top-left corner of a cell's grid square, 1-based like the play grid.
int X(int column) { return 130 + 14 * (column - 1); }
int Y(int row) { return 120 + 14 * (row - 1); }

// The 11 x 11 square inside a cell is `inner` and the 1-pixel ring around it `ring`.
void expectSquare(const QImage& frame, int column, int row, QRgb inner, QRgb ring) {
    SCOPED_TRACE(::testing::Message() << "cell " << column << ", " << row);
    const int x = X(column), y = Y(row);
    EXPECT_TRUE(allPixels(frame, QRect(x + 2, y + 2, 11, 11), inner));
    for (const QRect side : {QRect(x + 1, y + 1, 1, 13), QRect(x + 13, y + 1, 1, 13), QRect(x + 1, y + 1, 13, 1),
                             QRect(x + 1, y + 13, 13, 1)})
        EXPECT_TRUE(allPixels(frame, side, ring));
}

struct Scene {
    GameState state;
    GameAssets assets = solidAssets();
    PlaySurface surface;
    FakePlatform platform;

    // A 10 x 10 picture that the tests never finish unless they say so.
    explicit Scene(const std::vector<std::string>& picture = std::vector<std::string>(10, "##########"))
        : state(playing(picture)) {}
    const QImage& frame() {
        mostrar(state, assets, surface, platform);
        return surface.frameImage;
    }
    // A board without puzzle shows the static layer alone.
    const QImage& staticLayer() {
        state.puzzleActive = false;
        return frame();
    }
};

TEST(StartScreen, AssetsAndTextsInPlace) {
    Scene scene;
    scene.state.boardShown = false;
    const QImage& frame = scene.frame();
    ASSERT_EQ(frame.size(), QSize(780, 555));
    // init at (50, 35), 100 x 50, over the background.
    const std::pair<QPoint, QRgb> pixels[] = {{{0, 0}, kBackPixel},      {{50, 35}, kStartPixel}, {{149, 84}, kStartPixel},
                                              {{150, 84}, kBackPixel},   {{49, 35}, kBackPixel}};
    for (const auto& [at, color] : pixels) EXPECT_EQ(frame.pixel(at), color) << at.x() << ", " << at.y();
    // Where each text line inks, at its cell height: the maker line (27)
    // from its cap tops to its baseline, no descenders; the first contact
    // line (17) from its ascenders; the second one's leading "m" from its
    // x-height to its baseline, in the columns left of the first line.
    const struct {
        QRect area;
        int top, bottom, left;
    } lines[] = {{{200, 360, 500, 49}, 389, 406, 251},
                 {{200, 409, 500, 16}, 411, -1, 271},
                 {{200, 425, 70, 30}, 430, 438, 261}};
    for (const auto& line : lines) {
        QRect ink;
        for (int y = line.area.top(); y <= line.area.bottom(); ++y) {
            for (int x = line.area.left(); x <= line.area.right(); ++x) {
                if (frame.pixel(x, y) != kBackPixel) ink |= QRect(x, y, 1, 1);
            }
        }
        SCOPED_TRACE(::testing::Message() << "text ink " << ink.left() << "," << ink.top() << " .. " << ink.right()
                                          << "," << ink.bottom());
        EXPECT_EQ(ink.top(), line.top);
        if (line.bottom >= 0) {
            EXPECT_EQ(ink.bottom(), line.bottom);
        }
        EXPECT_EQ(ink.left(), line.left);
    }
    EXPECT_TRUE(containsPixel(frame, QRect(250, 385, 300, 24), kTextPixel));
}

// The start screen's frame is kept at 24 bits while it shows; a board after
// it is drawn on a 32-bit frame with exactly the pixels it has without a
// start screen before it, and the start screen comes back as it was. A
// painter taken on the kept frame draws into it as it now is.
TEST(StartScreen, FrameKeptAt24BitsUntilABoard) {
    Scene scene, boardFirst;
    scene.state.boardShown = false;
    const QImage start = scene.frame().copy();
    EXPECT_EQ(start.format(), QImage::Format_RGB888);
    {
        QImage& kept = scene.surface.frameImage;
        QPainter painter(&kept);
        painter.fillRect(QRect(0, 0, 8, 8), Qt::black);
        painter.end();
        EXPECT_EQ(kept.pixel(5, 5), qRgb(0, 0, 0));
        EXPECT_EQ(kept.pixel(8, 8), start.pixel(8, 8));
        scene.surface.showsStartScreen = false;   // composed again below
    }
    scene.state.boardShown = scene.state.boardStale = true;
    EXPECT_EQ(scene.frame().format(), QImage::Format_RGB32);
    EXPECT_EQ(scene.frame(), boardFirst.frame());
    scene.state.boardShown = false;
    EXPECT_EQ(scene.frame(), start);
}

// Every line of the grid every 14 pixels, every fifth one from the left and
// top edges in colorLine2, the cells filled with colorBack1 inside, and
// nothing past the last line (a line leaves out its end point).
TEST(StaticLayer, GridLinesAndFillOfEverySize) {
    const QRgb line1 = toRgb(kTestColors[colorLine1]), line2 = toRgb(kTestColors[colorLine2]);
    for (const auto& [w, h] : {std::pair{12, 7}, std::pair{40, 30}, std::pair{5, 1}}) {
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        const QImage board = Scene(std::vector<std::string>(h, std::string(w, '.'))).staticLayer();
        const int right = 130 + 14 * w, bottom = 120 + 14 * h;
        for (int i = 0; i <= w; ++i) {
            for (int row = 0; row < h; ++row)
                ASSERT_EQ(board.pixel(130 + 14 * i, 127 + 14 * row), i % 5 ? line1 : line2) << "x line " << i;
        }
        for (int i = 0; i <= h; ++i) {
            for (int column = 0; column < w; ++column)
                ASSERT_EQ(board.pixel(137 + 14 * column, 120 + 14 * i), i % 5 ? line1 : line2) << "y line " << i;
        }
        EXPECT_TRUE(allPixels(board, QRect(131, 121, 13, 13), kBack1));
        EXPECT_TRUE(allPixels(board, QRect(right - 13, bottom - 13, 13, 13), kBack1));
        EXPECT_EQ(board.pixel(right, bottom), kBackPixel);
        EXPECT_TRUE(allPixels(board, QRect(right + 1, 100, 780, 455), kBackPixel));
        EXPECT_TRUE(allPixels(board, QRect(100, bottom + 1, 780, 555), kBackPixel));
        EXPECT_TRUE(allPixels(board, QRect(0, 0, 780, 100), kBackPixel)) << "empty clues draw nothing";
    }
}

TEST(ClueLayout, RowNumbersStandAgainstTheBoardColumnNumbersStackUpwards) {
    struct Case {
        std::vector<CluePlacement> placements;
        std::vector<std::array<int, 3>> expected;   // x, y, value
    };
    const Case cases[] = {
        {rowCluePlacements("020103", 130, 120), {{122, 120, 3}, {114, 120, 1}, {106, 120, 2}}},
        {rowCluePlacements("120340", 130, 134), {{117, 134, 40}, {109, 134, 3}, {96, 134, 12}}},
        {columnCluePlacements("1205", 144, 120), {{149, 109, 5}, {149, 98, 12}}},
        {rowCluePlacements("02a10", 130, 120), {{122, 120, 2}}},   // what is not two digits is skipped
    };
    for (const Case& c : cases) {
        std::vector<std::array<int, 3>> actual;
        for (const CluePlacement& p : c.placements) actual.push_back({p.x, p.y, p.value});
        EXPECT_EQ(actual, c.expected);
    }
}

TEST(StaticLayer, ClueNumbersWhereTheTextsPlaceThem) {
    // A 10 x 20 picture whose row 1 reads 2 1 3 and whose column 2 reads 12 5.
    std::vector<std::string> rows(20, "..........");
    rows[0] = "##..#..###";
    for (int r : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17}) rows[static_cast<size_t>(r)] = ".#........";
    Scene scene(rows);
    ASSERT_EQ(scene.state.rowClues[1], "020103");
    ASSERT_EQ(scene.state.columnClues[2], "1205");
    const QImage& board = scene.staticLayer();
    // Row 1: 2 at x = 106, 1 at 114, 3 at 122, nothing further left.
    for (int x : {106, 114, 122}) EXPECT_FALSE(allPixels(board, QRect(x, 120, 8, 14), kBackPixel)) << "no ink at x = " << x;
    EXPECT_TRUE(containsPixel(board, QRect(100, 120, 30, 14), kTextPixel));
    EXPECT_TRUE(allPixels(board, QRect(0, 120, 106, 14), kBackPixel));
    EXPECT_TRUE(allPixels(board, QRect(0, 120 + 14 * 12, 130, 14), kBackPixel)) << "row 13 is empty";
    // Column 2: 5 at (149, 109), 12 at (149, 98), nothing above.
    EXPECT_FALSE(allPixels(board, QRect(149, 109, 8, 11), kBackPixel));
    EXPECT_FALSE(allPixels(board, QRect(149, 98, 13, 11), kBackPixel));
    EXPECT_TRUE(allPixels(board, QRect(144, 0, 14, 98), kBackPixel));
    EXPECT_TRUE(allPixels(board, QRect(162, 0, 10, 120), kBackPixel)) << "column 3 holds only the spill of 12";
}

// Clue numbers are drawn in an 11-pixel cell: an "8" inks the rows 1..8 below
// its top, and two-digit numbers set 13 pixels apart keep two columns of
// background between them rather than running together.
TEST(StaticLayer, ClueDigitsFitTheirCellAndAdjacentNumbersStayApart) {
    std::string second(40, '.');
    second.replace(0, 8, "########");
    Scene scene({"############.##########.###########.###", second});
    ASSERT_EQ(scene.state.rowClues[1], "12101103");   // at x = 83, 96, 109 and 122
    ASSERT_EQ(scene.state.rowClues[2], "08");         // at (122, 134)
    const QImage& board = scene.staticLayer();

    QRect eight;
    for (int y = 120; y < 160; ++y) {
        for (int x = 118; x < 130; ++x) {
            if (board.pixel(x, y) != kBackPixel && y >= 134) eight |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_EQ(eight.top(), 134 + 1);
    EXPECT_EQ(eight.bottom(), 134 + 8);

    for (int next : {96, 109, 122}) {
        EXPECT_TRUE(allPixels(board, QRect(next - 2, 120, 2, 14), kBackPixel)) << "gap before x = " << next;
        EXPECT_FALSE(allPixels(board, QRect(next - 3, 120, 1, 14), kBackPixel)) << "ink up to x = " << next - 3;
    }
}

// Presses change the play grid without showing it; no highlight, no check.
TEST(Mostrar, BoardWithoutPuzzleShowsOnlyTheStaticLayer) {
    Scene scene;
    setPlayCells(scene.state, {"##########"});
    scene.state.hoverColumn = scene.state.hoverRow = 0;
    scene.state.redrawPending = true;
    const QImage& frame = scene.staticLayer();
    EXPECT_FALSE(scene.state.boardStale || scene.state.redrawPending || scene.state.solved);
    EXPECT_EQ(frame, scene.surface.boardImage);
    EXPECT_EQ(frame.pixel(X(1) + 5, Y(1) + 5), kBack1);
}

TEST(DynamicLayer, MarksAndTheHighlightCross) {
    Scene scene;
    scene.state.boardStale = false;   // and no static layer yet: the frame builds one
    setPlayCells(scene.state, {"", "..#", "", ".x", "", "", "", "..#..x"});
    scene.state.hoverColumn = 5;   // column 6
    scene.state.hoverRow = 7;      // row 8
    const QImage& frame = scene.frame();
    EXPECT_FALSE(scene.state.solved);
    EXPECT_EQ(scene.state.blinkCount, 0) << "no end screen";
    for (int column = 1; column <= 10; ++column) {
        for (int row = 1; row <= 10; ++row) {
            const bool filled = (column == 3 && row == 2) || (column == 3 && row == 8);
            const bool crossed = column == 6 || row == 8;
            const QRgb expected = filled ? kPicture : crossed ? kBack2 : kBack1;
            ASSERT_EQ(frame.pixel(X(column) + 3, Y(row) + 3), expected) << "cell " << column << ", " << row;
            ASSERT_EQ(frame.pixel(X(column) + 1, Y(row) + 1), kBack1) << "ring of " << column << ", " << row;
        }
    }
    expectSquare(frame, 3, 2, kPicture, kBack1);
    EXPECT_EQ(frame.pixel(X(3), Y(2) + 7), toRgb(kTestColors[colorLine1]));
    // A marked cell: a 4 x 4 dot on the board fill, or on the highlight in the crossed row.
    for (const auto& [column, row, around] : {std::tuple{2, 4, kBack1}, std::tuple{6, 8, kBack2}}) {
        EXPECT_TRUE(allPixels(frame, QRect(X(column) + 6, Y(row) + 6, 4, 4), kPicture));
        for (const QRect rest : {QRect(X(column) + 2, Y(row) + 2, 11, 4), QRect(X(column) + 2, Y(row) + 10, 11, 3),
                                 QRect(X(column) + 2, Y(row) + 6, 4, 4), QRect(X(column) + 10, Y(row) + 6, 3, 4)})
            EXPECT_TRUE(allPixels(frame, rest, around)) << column << ", " << row;
    }
}

TEST(DynamicLayer, HoveredCluesAreDarkerOnlyForLinesOfThePicture) {
    struct Case {
        int hoverColumn, hoverRow;
        bool dark;
    };
    for (const Case& c : {Case{0, 0, true}, Case{-1, -1, false}, Case{14, 11, false}}) {
        SCOPED_TRACE(::testing::Message() << "hover " << c.hoverColumn << ", " << c.hoverRow);
        Scene scene;
        // A larger picture played before leaves its texts beyond this one's size.
        scene.state.columnClues[15] = scene.state.rowClues[12] = "07";
        scene.state.hoverColumn = c.hoverColumn;
        scene.state.hoverRow = c.hoverRow;
        const QImage& frame = scene.frame();
        EXPECT_EQ(containsPixel(frame, QRect(100, 120, 30, 14), kHoveredClue), c.dark);   // "10" left of row 1
        EXPECT_EQ(containsPixel(frame, QRect(135, 98, 14, 22), kHoveredClue), c.dark);    // "10" above column 1
        EXPECT_FALSE(containsPixel(frame, QRect(0, 134, 130, 421), kHoveredClue));        // the other rows stay light
        EXPECT_FALSE(containsPixel(frame, QRect(149, 0, 631, 120), kHoveredClue));         // so do the other columns
        if (!c.dark) {
            EXPECT_EQ(frame, scene.surface.boardImage) << "no highlight either";
        }
    }
}

// Filled cells at (3, 1) and (1, 2), a mark at (1, 1): solved from the first
// frame. Columns are visited first, so (1, 2) takes the first three random
// values. Each channel is drawn among 0..254, so a scripted 255 comes back as 0.
TEST(EndScreen, FilledCellsInRandomColoursOverTheEndImageAndABlinkingOverlay) {
    Scene scene({"..#", "#.."});
    setPlayCells(scene.state, {"x.#", "#.."});
    scene.platform.randomValues = {255, 20, 30, 254, 255, 255};
    const QImage first = scene.frame();
    ASSERT_TRUE(scene.state.solved);
    expectSquare(first, 1, 2, qRgb(0, 20, 30), qRgb(0, 0, 0));
    expectSquare(first, 3, 1, qRgb(254, 0, 0), qRgb(0, 0, 0));
    EXPECT_TRUE(scene.platform.randomValues.empty());
    const std::pair<QPoint, QRgb> pixels[] = {{{128, 118}, kEndPixel},  {{227, 217}, kEndPixel}, {{127, 118}, kBackPixel},
                                              {{128, 117}, kBackPixel}, {{228, 217}, kBackPixel},
                                              {{X(3) + 14, Y(1) + 7}, kEndPixel},   // nothing beyond the black frame
                                              {{X(1) + 7, Y(1) + 7}, kEndPixel}};   // the marked cell is hidden
    for (const auto& [at, color] : pixels) EXPECT_EQ(first.pixel(at), color) << at.x() << ", " << at.y();
    EXPECT_TRUE(allPixels(first, QRect(0, 0, 128, 118), kBackPixel)) << "clues are hidden";

    for (int frameNumber = 1; frameNumber <= 19; ++frameNumber) {
        const QImage& frame = frameNumber == 1 ? first : scene.frame();
        const int phase = (frameNumber - 1) % 9 + 1;
        EXPECT_EQ(frame.pixel(215, 265), phase <= 3 ? kOverlayPixel : kBackPixel) << "frame " << frameNumber;
        EXPECT_EQ(frame.pixel(205, 265), kBackPixel) << "the key colour is left out";
        EXPECT_EQ(scene.state.blinkCount, phase == 9 ? 0 : phase);
    }

    // Without a background that covers the frame, the board stays visible
    // around the end image: its clues left of row 1 still show.
    Scene bare({"..#", "#.."});
    setPlayCells(bare.state, {"x.#", "#.."});
    bare.assets.backImage = QImage();
    const QImage& uncovered = bare.frame();
    ASSERT_TRUE(bare.state.solved);
    EXPECT_TRUE(containsPixel(uncovered, QRect(100, 120, 28, 14), kTextPixel));
    EXPECT_EQ(uncovered.pixel(128, 118), kEndPixel);
}

// Every pixel that differs from the frame before lies inside the area a
// frame reports, through a start screen, the board, hover moves, a cell
// filled and a whole blink cycle of the end screen. The end screen drawn
// over the last one (only the board's part laid again) is pixel for pixel
// the one drawn from scratch; the test overlay lies outside the end image
// and the board reaches past it, so the background is laid again there.
TEST(Mostrar, ReportsEveryPixelItChangedAndRedrawsTheEndScreenExactly) {
    Scene scene({"##.", "###"});
    Scene scratch({"##.", "###"});
    setPlayCells(scene.state, {"##.", "##."});
    scene.state.boardShown = false;
    const struct {
        const char* name;
        std::function<void(GameState&)> step;
    } steps[] = {
        {"start screen", [](GameState&) {}},
        {"board", [](GameState& s) { s.boardShown = true; s.boardStale = true; }},
        {"hover 1, 1", [](GameState& s) { s.hoverColumn = s.hoverRow = 0; }},
        {"hover 3, 2", [](GameState& s) { s.hoverColumn = 2; s.hoverRow = 1; }},
        {"hover off", [](GameState& s) { s.hoverColumn = s.hoverRow = -1; }},
        {"last cell filled", [](GameState& s) { s.playGrid.at(3, 2) = cellFilled; }},
    };
    QImage before = scene.frame().copy();
    for (int i = 0; i < int(std::size(steps)) + 10; ++i) {
        const bool ending = i >= int(std::size(steps));
        SCOPED_TRACE(ending ? "end screen frame" : steps[i].name);
        if (!ending) steps[i].step(scene.state);
        // Fifteen values: three for each of the five filled cells.
        scene.platform.randomValues.clear();
        for (int value = 0; value < 15; ++value) scene.platform.randomValues.push_back(37 * i + value);
        const QRect changed = mostrar(scene.state, scene.assets, scene.surface, scene.platform);
        const QImage& frame = scene.surface.frameImage;
        ASSERT_EQ(frame.size(), before.size());
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                if (!changed.contains(x, y)) {
                    ASSERT_EQ(frame.pixel(x, y), before.pixel(x, y)) << x << ", " << y;
                }
            }
        }
        before = frame.copy();
        if (!ending) continue;
        ASSERT_TRUE(scene.state.solved);
        // The same frame from scratch: the same state, the same colours.
        scratch.state = scene.state;
        scratch.state.blinkCount = (scene.state.blinkCount + 8) % 9;
        scratch.surface.showsEndScreen = false;
        for (int value = 0; value < 15; ++value) scratch.platform.randomValues.push_back(37 * i + value);
        EXPECT_EQ(scratch.frame(), frame) << "blink " << scene.state.blinkCount;
    }
}

}  // namespace
}  // namespace mosarin
