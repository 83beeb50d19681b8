// The editor with puzzles from outside and fair random ones: "Import
// Picture" with a .nonpack file, and Ctrl+R as one undo step.
#include <QTest>
#include <gtest/gtest.h>

#include "picture/library_file.h"
#include "picture/packed_rows.h"
#include "solver/puzzle_solver.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

TEST(EditorPuzzleImport, AppendsTheFairPuzzlesShowsTheLastAndListsTheRefused) {
    EditorRig rig(3);
    const std::string before = rig.fileBytes();
    const std::filesystem::path file = rig.folder() / "two.nonpack";
    writeBytes(file, "title \"Bar\"\nwidth 3\nheight 1\nrows\n3\ncolumns\n1\n1\n1\n====\n"
                     "title \"Pair\"\nwidth 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n");
    rig.platform.fileAnswers = {QString::fromStdString(file.string())};
    rig.editor().Button16Click();

    TPictureRecord bar{std::string(), 3, 1, kNewPictureColors};
    CellGrid cells;
    for (int column = 1; column <= 3; ++column) cells.at(column, 1) = 1;
    bar.packedRows = packRows(cells);
    EXPECT_EQ(rig.fileBytes(), before + formatPictureLine(bar));
    EXPECT_EQ(rig.title(), "Picture 004");
    EXPECT_EQ(rig.state().cells.at(3, 1), 1);
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Warning);
    EXPECT_EQ(rig.texts()[0], "1 of 2 puzzles imported.\nPuzzle 2 \"Pair\": has 2 or more solutions");
}

TEST(EditorFairPicture, CtrlRFillsTheBoardAtTheFieldsSizeAsOneUndoStep) {
    EditorRig rig(3);
    ASSERT_TRUE(rig.activate());
    rig.goTo(2);
    const std::string file = rig.fileBytes();
    const CellGrid before = rig.state().cells;
    const TPictureRecord slotBefore = rig.state().currentRecord();
    typeInto(rig.editor().tancho, "12");
    typeInto(rig.editor().talto, "8");
    rig.platform.randomValues = {17, 4};
    QTest::keyClick(&rig.editor(), Qt::Key_R, Qt::ControlModifier);

    // The working size; the library's slot changes only through a save.
    EXPECT_EQ(rig.state().width(), 12);
    EXPECT_EQ(rig.state().height(), 8);
    EXPECT_EQ(rig.state().currentRecord().width, slotBefore.width);
    EXPECT_TRUE(rig.state().modified);
    EXPECT_EQ(rig.fileBytes(), file) << "an unsaved change";
    TPictureRecord board = rig.state().currentRecord();
    board.width = rig.state().width();
    board.height = rig.state().height();
    board.packedRows = packRows(rig.state().cells);
    const solver::SolveResult result = solver::solvePuzzle(solver::cluesOfRecord(board), solver::Budget::forSeconds(10));
    EXPECT_EQ(result.verdict, solver::Verdict::Unique);
    int outside = 0;
    for (int column = 1; column <= 40; ++column) {
        for (int row = 1; row <= 30; ++row) outside += (column > 12 || row > 8) && rig.state().cells.at(column, row);
    }
    EXPECT_EQ(outside, 0);

    QTest::keyClick(&rig.editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rig.state().cells.cells, before.cells);
    EXPECT_EQ(rig.state().width(), slotBefore.width);
    EXPECT_EQ(rig.state().height(), slotBefore.height);
}

}  // namespace
}  // namespace mosarin::testing
