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
    state.boardWidth = width;
    return state;
}

// Row 1 of a 12-column board: '#' filled, '.' empty.
std::string firstRow(const EditorState& state) {
    std::string row;
    for (int column = 1; column <= 12; ++column) row += state.cells.at(column, 1) == 1 ? '#' : '.';
    return row;
}

TEST(EditorPainting, PressesAndDragsFlipTheCellsTheyEnter) {
    const QPoint a = cellPoint(1, 1), b = cellPoint(2, 1), c = cellPoint(3, 1), d = cellPoint(4, 1);
    const struct {
        const char* name;
        const char* before;
        std::vector<std::pair<char, QPoint>> steps;   // 'p' press, 'm' move, 'r' release
        const char* after;
    } cases[] = {
        {"corner", "", {{'p', {20, 20}}}, "#..........."},
        {"last pixel of the first cell", "", {{'p', {34, 20}}}, "#..........."},
        {"first pixel of the second cell", "", {{'p', {35, 20}}}, ".#.........."},
        {"left of and above the board", "", {{'p', {6, 6}}}, "#..........."},
        {"too far left and above", "", {{'p', {5, 5}}}, "............"},
        {"right border line", "", {{'p', {20 + 15 * 12, 20}}}, "............"},
        {"last pixel before the border", "", {{'p', {19 + 15 * 12, 20}}}, "...........#"},
        {"drag over empty and filled cells", "..#", {{'p', a}, {'m', b}, {'m', c}, {'m', d}}, "##.#........"},
        {"wandering inside the cell", "", {{'p', a}, {'m', a + QPoint(4, 5)}, {'m', {22, 22}}}, "#..........."},
        {"back to the first cell", "", {{'p', a}, {'m', b}, {'m', a}}, ".#.........."},
        {"press beside the board, drag across", "", {{'p', {5, 27}}, {'m', a}, {'m', b}}, "............"},
        {"off the board and back", "", {{'p', a}, {'m', {700, 27}}, {'m', a}, {'m', b}}, "##.........."},
        {"release ends the drag", "", {{'p', a}, {'r', a}, {'m', b}}, "#..........."},
        {"a fast jump enters every cell between", "..#", {{'p', a}, {'m', cellPoint(8, 1)}}, "##.#####...."},
        {"off the board, then back elsewhere", "", {{'p', a}, {'m', {700, 27}}, {'m', cellPoint(6, 1)}}, "#....#......"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorState state = boardOfWidth(12);
        const std::string before = (std::string(test.before) + "............").substr(0, 12);
        for (int column = 1; column <= 12; ++column) state.cells.at(column, 1) = before[column - 1] == '#';
        state.redrawPending = false;
        for (const auto& [kind, at] : test.steps) {
            if (kind == 'm') mouseMove(state, at.x(), at.y());
            if (kind == 'r') mouseUp(state);
            if (kind == 'p') {
                EXPECT_EQ(posiciona(state, at.x(), at.y()), PressResult::Done);
            }
        }
        EXPECT_EQ(firstRow(state), test.after);
        const bool flippedAny = firstRow(state) != before;
        EXPECT_EQ(state.modified, flippedAny);
        EXPECT_EQ(state.redrawPending, flippedAny || test.steps.size() > 1);
    }
}

TEST(EditorPainting, TheCrossFollowsThePointerAndStaysWhenItLeaves) {
    EditorState state = boardOfWidth(40);
    mouseMove(state, cellPoint(3, 4).x(), cellPoint(3, 4).y());
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
    const std::pair<QPoint, QPoint> moves[] = {   // pointer, then the second corner
        {{49, 120}, {30, 40}},      // left of the first corner
        {{220, 120}, {200, 100}},   {{620, 130}, {200, 100}},   // x = 600 is past the board
        {{619, 489}, {200, 100}},   // y = 469 is past the board
        {{619, 469}, {599, 449}},   {{50, 300}, {599, 449}},    // x equal to the first corner's
    };
    for (const auto& [to, end] : moves) {
        mouseMove(state, to.x(), to.y());
        EXPECT_EQ(QPoint(state.selEndX, state.selEndY), end) << to.x() << "," << to.y();
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
