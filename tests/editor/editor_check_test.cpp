// F7: the picture on the board checked off the window's thread; the answer's
// text, the outline where two solutions differ, a change cancelling both.
#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "editor/picture_check.h"
#include "picture/packed_rows.h"
#include "shell/canvas.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

// Red cells, greys and black around them: green stands farthest from all five.
constexpr ColorSet kCheckColors = {0x0000FFu, 0xFFFFFFu, 0xEEEEEEu, 0x888888u, 0x000000u};
constexpr Color kExpectedOutline = 0x00FF00u;

TPictureRecord pictureOf(const std::vector<std::string>& rows) {
    CellGrid cells;
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t column = 0; column < rows[row].size(); ++column) cells.at(int(column) + 1, int(row) + 1) = rows[row][column] == '#';
    return {packRows(cells), int(rows[0].size()), int(rows.size()), kCheckColors};
}

// Two solutions: the 2 x 2 top-left corner swaps.
const std::vector<TPictureRecord> kPictures = {pictureOf({"#..", ".#.", "..."})};

// F7 as the user presses it, then the worker's answer delivered.
void pressF7AndWait(TFcpintura& editor, const std::function<void()>& meanwhile = [] {}) {
    QTest::keyClick(&editor, Qt::Key_F7);
    meanwhile();
    editor.checkWorker().waitForWorker();
    QCoreApplication::processEvents();
}

// Pixels that differ between two frames, those in `except` not counted.
int changedPixels(const QImage& a, const QImage& b, const QRect& except = {}) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) changed += a.pixel(x, y) != b.pixel(x, y) && !except.contains(x, y);
    return changed;
}

// 17 single cells in a row: the game cannot show the whole clue at its
// designed size. Save and F7 say so; the save is still done.
TEST(EditorCheck, SaveAndF7SayWhenAClueIsCutOffAtTheDesignedSize) {
    const TPictureRecord cut = pictureOf({"#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#.#", "#"});
    const QString warning = QStringLiteral(
        "Row 1 has 17 numbers: at the window's designed size its clue is cut off; enlarge the window or simplify the row.");
    EditorRig rig({cut, kPictures[0]});
    rig.editor().Button1Click9();
    EXPECT_EQ(rig.fileBytes(), libraryBytes({cut, kPictures[0]}));
    EXPECT_EQ(rig.texts(), QStringList({QStringLiteral("Picture saved"), warning}));
    EXPECT_EQ(rig.platform.messages.back().kind, ShownMessage::Warning);
    rig.platform.messages.clear();
    pressF7AndWait(rig.editor());
    EXPECT_EQ(rig.texts().value(0), warning);
    rig.platform.messages.clear();
    rig.editor().Button18Click();   // a picture whose clues fit: nothing more is said
    rig.editor().Button1Click9();
    EXPECT_EQ(rig.texts(), QStringList{QStringLiteral("Picture saved")});
}

TEST(EditorCheck, TwoSolutionsOutlineTheCellsThatDifferUntilAChangeAndAChangeCancelsTheCheck) {
    EditorRig rig(kPictures);
    TFcpintura& editor = rig.editor();
    editor.mostrar();
    const QImage before = editor.surface().frameImage;
    pressF7AndWait(editor);
    ASSERT_EQ(rig.texts(), QStringList{"This picture has more than one solution: the outlined cells can go either way."});
    editor.mostrar();
    const QImage outlined = editor.surface().frameImage;
    // The 2-pixel ring of each 1-based cell of the 2 x 2 corner, on its left and its bottom edge...
    for (const auto& [column, row] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}}) {
        for (const int inward : {0, 1}) {
            EXPECT_EQ(outlined.pixel(20 + 15 * (column - 1) + 1 + inward, 20 + 15 * (row - 1) + 7), toRgb(kExpectedOutline))
                << column << "," << row;
            EXPECT_EQ(outlined.pixel(20 + 15 * (column - 1) + 7, 20 + 15 * row - 1 - inward), toRgb(kExpectedOutline))
                << column << "," << row;
        }
    }
    // ...and nothing else changed, grid lines included: 4 rings of 14 x 14 - 10 x 10 pixels.
    EXPECT_EQ(changedPixels(before, outlined), 4 * 96);

    rig.paint(3, 3);
    editor.Timer1Timer();
    EXPECT_TRUE(rig.state().outlinedCells.empty());
    EXPECT_EQ(changedPixels(before, editor.surface().frameImage, QRect(50, 50, 15, 15)), 0) << "only cell (3, 3) changed";

    // A change while the check runs cancels it: no answer, no outline.
    pressF7AndWait(editor, [&] {
        rig.paint(3, 3);
        editor.Timer1Timer();
    });
    EXPECT_EQ(rig.texts().size(), 1);
    EXPECT_TRUE(rig.state().outlinedCells.empty());
    EXPECT_FALSE(editor.checkWorker().running());

    // A width typed but not applied is what a save would store: column 1 alone has one solution.
    typeInto(editor.tancho, "1");
    pressF7AndWait(editor);
    EXPECT_EQ(rig.texts().last(), "This picture has exactly one solution; line logic alone solves it.");
    EXPECT_EQ(editor.tancho->text(), "1");
    // The key is named where a picture is made final.
    EXPECT_TRUE(editor.Button4->toolTip().contains("F7"));
    EXPECT_TRUE(editor.Button17->toolTip().contains("F7"));
}

// Diagonal bands two cells wide: far beyond what the check decides in its
// budget, so only a cancel ends it early.
std::vector<std::string> undecidableBands() {
    std::vector<std::string> rows(kMaxHeight, std::string(kMaxWidth, '.'));
    for (int row = 0; row < kMaxHeight; ++row)
        for (int column = 0; column < kMaxWidth; ++column) rows[row][column] = (row + column) % 4 < 2 ? '#' : '.';
    return rows;
}

TEST(EditorCheck, PaintingStopsARunningCheckAtOnce) {
    EditorRig rig({pictureOf(undecidableBands())});
    TFcpintura& editor = rig.editor();
    QTest::keyClick(&editor, Qt::Key_F7);
    ASSERT_TRUE(editor.checkWorker().running());
    // The frame the paint asks for stops the worker (and waits for its
    // thread), before any event is processed: nothing is left to answer.
    // A solver that ignored the cancel would hold the window here until the
    // check's budget ran out; a fifth of it is ample for one that stops.
    const auto painted = std::chrono::steady_clock::now();
    rig.paint(3, 3);
    editor.Timer1Timer();
    EXPECT_LT(std::chrono::steady_clock::now() - painted, std::chrono::duration<double>(kPictureCheckSeconds / 5))
        << "the check ran on after the paint";
    EXPECT_FALSE(editor.checkWorker().running());
    editor.checkWorker().waitForWorker();
    QCoreApplication::processEvents();
    EXPECT_TRUE(rig.texts().isEmpty());
    EXPECT_TRUE(rig.state().outlinedCells.empty());
}

TEST(EditorCheck, EveryAnswerHasItsText) {
    const struct {
        solver::Verdict verdict;
        solver::Grade grade;
        const char* text;
    } cases[] = {
        {solver::Verdict::Unique, solver::Grade::LineLogic, "This picture has exactly one solution; line logic alone solves it."},
        {solver::Verdict::Unique, solver::Grade::Probing, "This picture has exactly one solution; it needs probing to solve."},
        {solver::Verdict::Unique, solver::Grade::Search, "This picture has exactly one solution; it needs guessing to solve."},
        {solver::Verdict::Multiple, solver::Grade::Search, "This picture has more than one solution: the outlined cells can go either way."},
        {solver::Verdict::Undecided, solver::Grade::Search, "The check could not decide within 10 seconds whether this picture has exactly one solution."},
    };
    for (const auto& c : cases) {
        solver::SolveResult result;
        result.verdict = c.verdict, result.grade = c.grade;
        EXPECT_EQ(checkMessage(result), c.text);
    }
}

}  // namespace
}  // namespace mosarin::testing
