// Editor undo and redo on the rules alone: every step restores the exact
// cells, size, size texts and colours; only steps that change something count.
#include <gtest/gtest.h>

#include <functional>

#include "editor/editor_commands.h"
#include "editor/editor_history.h"
#include "editor/editor_input.h"
#include "picture/packed_rows.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

// All that an undo may touch, the whole 51 x 51 grid included.
struct Picture {
    decltype(CellGrid::cells) cells;
    int width, height;
    std::string widthText, heightText;
    ColorSet colors, slotColors;
    bool operator==(const Picture&) const = default;
};

Picture pictureOf(const EditorState& state) {
    const TPictureRecord& record = state.currentRecord();
    return {state.cells.cells, state.width(), state.height(), state.widthText, state.heightText, state.colors, record.colors};
}

EditorState boardOf(const TPictureRecord& record) {
    EditorState state;
    state.library.slots[1] = record;
    state.library.count = 1;
    state.colors = record.colors;
    state.widthText = std::to_string(record.width);
    state.heightText = std::to_string(record.height);
    state.boardWidth = record.width;
    state.boardHeight = record.height;
    return state;
}

void drag(EditorState& state, std::initializer_list<EditorCell> cells) {
    const EditorCell first = *cells.begin();
    posiciona(state, cellPoint(first.column + 1, first.row + 1).x(), cellPoint(first.column + 1, first.row + 1).y());
    for (const EditorCell& cell : cells) mouseMove(state, cellPoint(cell.column + 1, cell.row + 1).x(), cellPoint(cell.column + 1, cell.row + 1).y());
    mouseUp(state);
}

using Step = std::function<void(EditorState&)>;

TEST(EditorHistory, EveryUndoAndRedoRestoresTheExactPictureOfItsStep) {
    const Step steps[] = {
        [](EditorState& s) { drag(s, {{0, 0}, {1, 0}, {2, 1}, {3, 2}}); },   // a whole drag
        [](EditorState& s) { s.widthText = "55"; s.heightText = "2"; changeSize(s); },   // 40 x 2, rows 3.. emptied
        [](EditorState& s) { applyChosenColor(s, colorLine2, 0x123456u); },
        [](EditorState& s) { applyChosenColor(s, colorPicture, 0x654321u); },
        [](EditorState& s) { drag(s, {{39, 1}}); },
        [](EditorState& s) { clearBoard(s); },
    };
    EditorState state = boardOf(withCellFlipped(withCellFlipped(numberedPicture(5), 4, 6), 9, 8));
    unpackRows(state.library.slots[1].packedRows, state.cells);
    EditorHistory history;
    std::vector<Picture> seen{pictureOf(state)};
    for (const Step& step : steps) {
        history.begin(state);
        step(state);
        history.end(state);
        seen.push_back(pictureOf(state));
    }
    ASSERT_EQ(history.undoSteps(), std::size(steps));
    for (std::size_t back = 1; back <= std::size(steps); ++back) {
        SCOPED_TRACE(back);
        state.modified = state.redrawPending = state.boardStale = false;
        ASSERT_TRUE(history.undo(state));
        EXPECT_EQ(pictureOf(state), seen[std::size(steps) - back]);
        EXPECT_TRUE(state.modified && state.redrawPending && state.boardStale);
    }
    EXPECT_FALSE(history.undo(state));
    EXPECT_EQ(pictureOf(state), seen.front());
    for (std::size_t again = 1; again <= std::size(steps); ++again) {
        SCOPED_TRACE(again);
        ASSERT_TRUE(history.redo(state));
        EXPECT_EQ(pictureOf(state), seen[again]);
    }
    EXPECT_FALSE(history.redo(state));
    EXPECT_EQ(pictureOf(state), seen.back());
}

TEST(EditorHistory, OnlyStepsThatChangeThePictureAreKeptAndANewStepDropsTheRedo) {
    const Step paintFirst = [](EditorState& s) { drag(s, {{0, 0}}); };
    const Step paintSecond = [](EditorState& s) { drag(s, {{1, 0}}); };
    const struct {
        const char* name;
        std::size_t limit;
        std::vector<Step> steps;
        int undos;
        std::vector<Step> after;     // steps taken after the undos
        std::size_t undoSteps, redoSteps;
        int firstCell, secondCell;   // cells (1, 1) and (2, 1) at the end
    } cases[] = {
        {"a press beside the board", 1000, {[](EditorState& s) { posiciona(s, 5, 5); mouseMove(s, 27, 27); mouseUp(s); }}, 0, {}, 0, 0, 0, 0},
        {"the same colour again", 1000, {[](EditorState& s) { applyChosenColor(s, colorBack1, s.colors[colorBack1]); }}, 0, {}, 0, 0, 0, 0},
        {"a drag back to where it began", 1000, {[](EditorState& s) { drag(s, {{0, 0}, {1, 0}, {0, 0}, {1, 0}}); }}, 0, {}, 0, 0, 0, 0},
        {"undo, then a new step", 1000, {paintFirst, paintSecond}, 1, {paintSecond}, 2, 0, 1, 1},
        {"undo, then a step that changes nothing", 1000, {paintFirst, paintSecond}, 1, {[](EditorState& s) { changeSize(s); }}, 1, 1, 1, 0},
        {"more steps than the history holds", 3, {paintFirst, paintSecond, paintFirst, paintSecond, paintFirst}, 5, {}, 0, 3, 1, 1},
        // An undo while the button is held takes the drag back and ends it: the move paints nothing.
        {"undo during a drag", 1000, {[](EditorState& s) { posiciona(s, cellPoint(1, 1).x(), cellPoint(1, 1).y()); }}, 1,
         {[](EditorState& s) { mouseMove(s, cellPoint(2, 1).x(), cellPoint(2, 1).y()); }}, 0, 1, 0, 0},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorState state = boardOf(blankNewPicture());
        EditorHistory history(test.limit);
        const auto take = [&](const Step& step) {   // as the window does: a held button keeps the step open
            history.begin(state), step(state);
            if (!state.dragging) history.end(state);
        };
        for (const Step& step : test.steps) take(step);
        for (int n = 0; n < test.undos; ++n) history.undo(state);
        for (const Step& step : test.after) take(step);
        EXPECT_EQ(history.undoSteps(), test.undoSteps);
        EXPECT_EQ(history.redoSteps(), test.redoSteps);
        EXPECT_EQ(state.cells.at(1, 1), test.firstCell);
        EXPECT_EQ(state.cells.at(2, 1), test.secondCell);
    }
}

}  // namespace
}  // namespace mosarin::testing
