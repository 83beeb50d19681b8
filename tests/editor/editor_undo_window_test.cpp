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
    enum Target { Window, ButtonClear, ButtonPicture, ButtonChange, WidthField };
    const struct {
        const char* name;
        Target target;
        bool undoFirst;                 // Ctrl+Z on the window before the key under test
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int cell;                       // cell (2, 1) afterwards
    } cases[] = {
        {"Ctrl+Z on the window", Window, false, Qt::Key_Z, Qt::ControlModifier, 0},
        {"Ctrl+Z on a button", ButtonClear, false, Qt::Key_Z, Qt::ControlModifier, 0},
        {"Ctrl+Shift+Z on a button", ButtonChange, true, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {"Ctrl+Y on a button", ButtonPicture, true, Qt::Key_Y, Qt::ControlModifier, 1},
        {"plain Z", ButtonClear, false, Qt::Key_Z, Qt::NoModifier, 1},
        {"Ctrl+Alt+Z", Window, false, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier, 1},
        {"Ctrl+Z while typing a size", WidthField, false, Qt::Key_Z, Qt::ControlModifier, 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorRig rig(2);
        TFcpintura& e = rig.editor();
        ASSERT_TRUE(rig.activate());
        rig.paint(2, 1);
        e.Button1Click9();   // "Save": what is saved stays saved
        const std::string saved = rig.fileBytes();
        rig.state().modified = false;
        if (test.undoFirst) QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
        QWidget* const targets[] = {&e, e.Button13, e.Button6, e.Button5, e.tancho};
        QWidget* target = targets[test.target];
        target->setFocus();
        if (test.target == WidthField) typeInto(e.tancho, "12");
        QTest::keyClick(target, test.key, test.modifiers);
        EXPECT_EQ(rig.state().cells.at(2, 1), test.cell);
        // The next frame shows it; the board changed, the file did not.
        e.Timer1Timer();
        const ColorSet& colors = rig.state().colors;
        EXPECT_EQ(e.surface().frameImage.pixel(cellPoint(2, 1)), toRgb(colors[test.cell ? colorPicture : colorBack1]));
        EXPECT_EQ(rig.state().modified, test.cell == 0 || test.undoFirst);
        EXPECT_EQ(rig.fileBytes(), saved);
        // A key the window took is not also a control's: no button pressed.
        EXPECT_EQ(rig.texts(), QStringList(QStringLiteral("Picture saved")));
        if (test.target == WidthField) {
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
        {"Edit and Load", [](EditorRig& r) {
             r.editor().Button3Click();
             r.editor().cb1->setCurrentIndex(0);
             r.editor().Button19Click();
         }, 0},
        {"Import Picture", [&](EditorRig& r) {
             writeBytes(r.folder() / "one.gpe", exchange);
             r.platform.fileAnswers = {QString::fromStdString((r.folder() / "one.gpe").string())};
             r.editor().Button16Click();
         }, 0},
        {"Save keeps it", [](EditorRig& r) { r.editor().Button1Click9(); }, 1},
        {"Edit alone keeps it", [](EditorRig& r) { r.editor().Button3Click(); }, 1},
        {"Load with nothing chosen keeps it", [](EditorRig& r) { r.editor().Button3Click(); r.editor().Button19Click(); }, 1},
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
