// Painting with the mouse and the guide-image resize selection, on the
// editor's rules alone.
#include <gtest/gtest.h>

#include "editor/editor_input.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

EditorState boardOfWidth(int width) {
    EditorState state;
    state.library.slots[1].width = width;
    state.library.slots[1].height = 30;
    state.library.count = 1;
    return state;
}

// Columns 1..5 of row 1: '#' filled, '.' empty.
std::string firstRow(const EditorState& state) {
    std::string row;
    for (int column = 1; column <= 5; ++column) row += state.cells.at(column, 1) == 1 ? '#' : '.';
    return row;
}

struct Step {
    char kind;   // 'p' press, 'm' move, 'r' release
    QPoint at;
};

TEST(EditorPainting, PressesAndDragsFlipTheCellsTheyEnter) {
    const QPoint a = cellPoint(1, 1), b = cellPoint(2, 1), c = cellPoint(3, 1), d = cellPoint(4, 1);
    const struct {
        const char* name;
        int width;
        const char* before;
        std::vector<Step> steps;
        const char* after;
        int flippedColumn;   // 0-based column of the one cell checked beyond row 1's first five, or -1
    } cases[] = {
        {"press on the corner", 40, ".....", {{'p', {20, 20}}}, "#....", -1},
        {"last pixel of the first cell", 40, ".....", {{'p', {34, 20}}}, "#....", -1},
        {"first pixel of the second cell", 40, ".....", {{'p', {35, 20}}}, ".#...", -1},
        {"left of and above the board", 40, ".....", {{'p', {6, 6}}}, "#....", -1},
        {"too far left and above", 40, ".....", {{'p', {5, 5}}}, ".....", -1},
        {"right border line", 12, ".....", {{'p', {20 + 15 * 12, 20}}}, ".....", -1},
        {"last pixel before the border", 12, ".....", {{'p', {19 + 15 * 12, 20}}}, ".....", 11},
        {"drag over empty and filled cells", 40, "..#..", {{'p', a}, {'m', b}, {'m', c}, {'m', d}}, "##.#.", -1},
        {"wandering inside the cell", 40, ".....", {{'p', a}, {'m', a + QPoint(4, 5)}, {'m', {22, 22}}}, "#....", -1},
        {"back to the first cell", 40, ".....", {{'p', a}, {'m', b}, {'m', a}}, ".#...", -1},
        {"press beside the board, drag across", 40, ".....", {{'p', {5, 27}}, {'m', a}, {'m', b}}, ".....", -1},
        {"off the board and back", 40, ".....", {{'p', a}, {'m', {700, 27}}, {'m', a}, {'m', b}}, "##...", -1},
        {"release ends the drag", 40, ".....", {{'p', a}, {'r', a}, {'m', b}}, "#....", -1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorState state = boardOfWidth(test.width);
        for (int column = 1; column <= 5; ++column) state.cells.at(column, 1) = test.before[column - 1] == '#';
        state.redrawPending = false;
        for (const Step& step : test.steps) {
            if (step.kind == 'p') {
                EXPECT_EQ(posiciona(state, step.at.x(), step.at.y()), PressResult::Done);
            }
            if (step.kind == 'm') mouseMove(state, step.at.x(), step.at.y());
            if (step.kind == 'r') mouseUp(state);
        }
        EXPECT_EQ(firstRow(state), test.after);
        if (test.flippedColumn >= 0) {
            EXPECT_EQ(state.cells.at(test.flippedColumn + 1, 1), 1);
        }
        const bool flippedAny = firstRow(state) != test.before || test.flippedColumn >= 0;
        EXPECT_EQ(state.modified, flippedAny);
        EXPECT_EQ(state.redrawPending, flippedAny || test.steps.size() > 1);
    }
}

TEST(EditorPainting, TheCrossFollowsThePointerAndStaysWhenItLeaves) {
    EditorState state = boardOfWidth(40);
    mouseMove(state, cellPoint(3, 4).x(), cellPoint(3, 4).y());
    EXPECT_EQ(QPoint(state.hoverColumn, state.hoverRow), QPoint(2, 3));
    mouseMove(state, 700, 520);
    EXPECT_EQ(QPoint(state.hoverColumn, state.hoverRow), QPoint(2, 3));
    EXPECT_FALSE(state.modified);
}

TEST(EditorResizeSelection, CornersFollowThePressAndTheMovesInsideTheBoard) {
    EditorState state = boardOfWidth(40);
    state.resizeMode = true;
    EXPECT_EQ(posiciona(state, 10, 10), PressResult::Done);   // outside the board: still waiting
    EXPECT_EQ(state.selStartX, -1);
    state.redrawPending = false;
    EXPECT_EQ(posiciona(state, 50, 60), PressResult::Done);
    EXPECT_FALSE(state.redrawPending);
    const struct {
        QPoint to;
        QPoint end;
    } moves[] = {
        {{49, 120}, {30, 40}},    // left of the first corner
        {{220, 120}, {200, 100}},
        {{620, 130}, {200, 100}},  // x = 600 is past the board
        {{619, 489}, {200, 100}},  // y = 469 is past the board
        {{619, 489 - 20}, {599, 449}},
        {{50, 300}, {599, 449}},   // x equal to the first corner's
    };
    for (const auto& move : moves) {
        mouseMove(state, move.to.x(), move.to.y());
        EXPECT_EQ(QPoint(state.selEndX, state.selEndY), move.end) << move.to.x() << "," << move.to.y();
        EXPECT_TRUE(state.redrawPending);
    }
    EXPECT_EQ(QPoint(state.selStartX, state.selStartY), QPoint(30, 40));
    EXPECT_EQ(QPoint(state.hoverColumn, state.hoverRow), QPoint(2, 18));   // hover tracked meanwhile
    EXPECT_EQ(posiciona(state, 700, 540), PressResult::EndResize);
    for (int column = 1; column <= 40; ++column) EXPECT_EQ(state.cells.at(column, 3), 0);
    EXPECT_FALSE(state.dragging || state.modified);
}

}  // namespace
}  // namespace mosarin::testing
