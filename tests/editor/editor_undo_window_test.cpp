// Editor undo keys in the window: they reach it from a focused button, the
// board comes back on the next frame, the file is untouched, and showing
// another picture starts a fresh history.
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

#include "shell/canvas.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

TEST(EditorUndoKeys, ReachTheWindowFromAFocusedButtonButNotFromATextField) {
    EditorRig rig(2);
    TFcpintura& e = rig.editor();
    ASSERT_TRUE(rig.activate());
    rig.paint(2, 1);
    e.Button1Click9();   // "Save": what is saved stays saved
    const std::string saved = rig.fileBytes();
    rig.state().modified = false;
    // Keys that are not the window's come first, while an undo or a redo would show.
    const struct {
        const char* name;
        QWidget* target;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int cell;   // cell (2, 1) afterwards
    } session[] = {
        {"plain Z", e.Button13, Qt::Key_Z, Qt::NoModifier, 1},
        {"Ctrl+Alt+Z", &e, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier, 1},
        {"Ctrl+Z while typing a size", e.tancho, Qt::Key_Z, Qt::ControlModifier, 1},
        {"Ctrl+Z on a button", e.Button13, Qt::Key_Z, Qt::ControlModifier, 0},
        {"Ctrl+Shift+Z on a button", e.Button5, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {"Ctrl+Z on the window", &e, Qt::Key_Z, Qt::ControlModifier, 0},
        {"Ctrl+Y on a button", e.Button6, Qt::Key_Y, Qt::ControlModifier, 1},
    };
    bool undone = false;
    for (const auto& step : session) {
        SCOPED_TRACE(step.name);
        step.target->setFocus();
        if (step.target == e.tancho) typeInto(e.tancho, "12");
        QTest::keyClick(step.target, step.key, step.modifiers);
        undone |= step.cell == 0;
        EXPECT_EQ(rig.state().cells.at(2, 1), step.cell);
        // The next frame shows it; the board changed, the file did not.
        e.Timer1Timer();
        EXPECT_EQ(e.surface().frameImage.pixel(cellPoint(2, 1)), toRgb(rig.state().colors[step.cell ? colorPicture : colorBack1]));
        EXPECT_EQ(rig.state().modified, undone);
        EXPECT_EQ(rig.fileBytes(), saved);
        // A key the window took is not also a control's: no button pressed.
        EXPECT_EQ(rig.texts(), QStringList(QStringLiteral("Picture saved")));
        if (step.target == e.tancho) {
            EXPECT_NE(e.tancho->text(), QStringLiteral("12")) << "the typing was undone instead";
        }
    }
}

TEST(EditorUndoKeys, ShowingAnotherPictureStartsAFreshHistory) {
    const std::string exchange = libraryBytes({numberedPicture(7)});
    const struct {
        const char* name;
        std::function<void(EditorRig&)> command;
        std::size_t stepsLeft;
    } cases[] = {
        {"<<<", [](EditorRig& r) { r.editor().Button2Click(); }, 0},
        {">>>", [](EditorRig& r) { r.editor().Button18Click(); }, 0},
        {"New", [](EditorRig& r) { r.editor().Button1Click(); }, 0},
        {"Delete", [](EditorRig& r) { r.platform.confirmAnswers = {true}; r.editor().Button14Click(); }, 0},
        {"Edit and Load", [](EditorRig& r) { r.editor().Button3Click(), r.editor().cb1->setCurrentIndex(0), r.editor().Button19Click(); }, 0},
        {"Import Picture", [&](EditorRig& r) {
             writeBytes(r.folder() / "one.gpe", exchange);
             r.platform.fileAnswers = {QString::fromStdString((r.folder() / "one.gpe").string())}, r.editor().Button16Click();
         }, 0},
        {"Save, Edit, and Load with nothing chosen keep it",
         [](EditorRig& r) { r.editor().Button1Click9(), r.editor().Button3Click(), r.editor().Button19Click(); }, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorRig rig(3);
        rig.goTo(2);
        rig.paint(1, 2);
        rig.paint(2, 2);
        QTest::keyClick(&rig.editor(), Qt::Key_Z, Qt::ControlModifier);   // one step each way
        ASSERT_EQ(rig.editor().history().undoSteps() + rig.editor().history().redoSteps(), 2u);
        rig.platform.confirmAnswers = {false};   // the offer to save: No
        test.command(rig);
        EXPECT_EQ(rig.editor().history().undoSteps(), test.stepsLeft);
        EXPECT_EQ(rig.editor().history().redoSteps(), test.stepsLeft);
        const auto cellsBefore = rig.state().cells.cells;
        QTest::keyClick(&rig.editor(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(rig.state().cells.cells == cellsBefore, test.stepsLeft == 0);
    }
}

}  // namespace
}  // namespace mosarin::testing
