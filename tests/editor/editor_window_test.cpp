// The editor window: its layout and first frame, the timer, the Select
// Picture panel, a missing, empty, damaged or unwritable library, and the
// real game window with the real editor.
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

#include "editor/editor_commands.h"
#include "game/tfjuego.h"
#include "picture/packed_rows.h"
#include "shell/canvas.h"
#include "shell/image_view.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

TEST(EditorWindow, ControlsStandWhereTheLayoutPutsThemAndTheFirstTickShowsPictureOne) {
    EditorRig rig(3);
    TFcpintura& e = rig.editor();
    const struct {
        QWidget *control, *parent;
        QRect place;
        const char* caption;
    } layout[] = {
        {e.Image1, &e, {0, 0, 641, 553}, ""}, {e.GroupBox3, &e, {8, 475, 625, 78}, "Picture 001"},
        {e.Button2, e.GroupBox3, {8, 21, 25, 25}, "<<<"}, {e.Button18, e.GroupBox3, {32, 21, 25, 25}, ">>>"},
        {e.Button3, e.GroupBox3, {8, 45, 49, 25}, "Edit"}, {e.Button1, e.GroupBox3, {56, 21, 49, 25}, "New"},
        {e.Button13, e.GroupBox3, {56, 45, 49, 25}, "Clear"}, {e.Button4, e.GroupBox3, {104, 21, 49, 25}, "Save"},
        {e.Button14, e.GroupBox3, {104, 45, 49, 25}, "Delete"}, {e.GroupBox1, e.GroupBox3, {160, 8, 105, 63}, "Size"},
        {e.tancho, e.GroupBox1, {16, 14, 33, 21}, "5"}, {e.talto, e.GroupBox1, {16, 38, 33, 21}, "4"},
        {e.Button5, e.GroupBox1, {56, 32, 41, 25}, "Change"}, {e.GroupBox2, e.GroupBox3, {272, 8, 113, 63}, "Colors"},
        {e.Button6, e.GroupBox2, {8, 24, 49, 17}, "Picture"}, {e.Button7, e.GroupBox2, {8, 40, 49, 17}, "Back1"},
        {e.Button8, e.GroupBox2, {56, 8, 49, 17}, "Back2"}, {e.Button9, e.GroupBox2, {56, 24, 49, 17}, "Line1"},
        {e.Button10, e.GroupBox2, {56, 40, 49, 17}, "Line2"}, {e.GroupBox4, e.GroupBox3, {392, 8, 129, 63}, "Guide image"},
        {e.Button11, e.GroupBox4, {8, 17, 57, 20}, "Show"}, {e.Button12, e.GroupBox4, {8, 36, 57, 20}, "Hide"},
        {e.Button15, e.GroupBox4, {64, 16, 57, 20}, "Resize"}, {e.Button16, e.GroupBox3, {536, 9, 65, 33}, "Import Picture"},
        {e.Button17, e.GroupBox3, {536, 41, 65, 32}, "Export Picture"}, {e.gp1, &e, {232, 280, 193, 97}, ""},
        {e.Button19, e.gp1, {56, 64, 81, 25}, "Load"}, {e.Label1, e.GroupBox1, {4, 18, 0, 0}, "X"},
        {e.Label2, e.GroupBox1, {4, 42, 0, 0}, "Y"}, {e.S1, e.gp1, {16, 8, 0, 0}, "Select Picture"},
        {e.cb1, e.gp1, {24, 32, 153, 0}, ""},
    };
    for (const auto& [control, parent, place, caption] : layout) {
        SCOPED_TRACE(caption);
        const QRect shown = control->geometry();
        EXPECT_EQ(QRect(shown.topLeft(), QSize(place.width() ? shown.width() : 0, place.height() ? shown.height() : 0)), place);
        EXPECT_EQ(control->parentWidget(), parent);
        QString text;
        if (auto* button = qobject_cast<QPushButton*>(control)) text = button->text();
        if (auto* group = qobject_cast<QGroupBox*>(control)) text = group->title();
        if (auto* field = qobject_cast<QLineEdit*>(control)) text = field->text();
        if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
        EXPECT_EQ(text, QString::fromLatin1(caption));
    }
    EXPECT_TRUE(e.cb1->isEditable());
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Pictures Editor"));
    EXPECT_EQ(e.size(), QSize(643, 563));
    EXPECT_EQ(e.Timer1->interval(), 80);
    EXPECT_FALSE(e.isVisible() || e.gp1->isVisibleTo(&e));

    EXPECT_FALSE(rig.state().modified || rig.state().guideVisible || rig.state().resizeMode || rig.state().dragging);
    e.Timer1Timer();
    EXPECT_EQ(e.Image1->frame().pixel(cellPoint(1, 1)), toRgb(numberedPicture(1).colors[colorPicture]));
    EXPECT_EQ(e.Image1->frame().pixel(cellPoint(2, 1)), toRgb(numberedPicture(1).colors[colorBack1]));
}

// The layout's buttons are small ("<<<" in 25 pixels).
TEST(EditorWindow, EveryOneWordCaptionFitsItsButton) {
    EditorRig rig(1);
    for (const QPushButton* button : rig.editor().findChildren<QPushButton*>()) {
        if (button->text().contains(QLatin1Char(' '))) continue;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 2) << button->text().toStdString();
    }
}

// Ticks go through Qt's own timer event, so that the window's guard runs.
TEST(EditorWindow, TheTimerSleepsWhileNothingIsDue) {
    EditorRig rig(2);
    TFcpintura& e = rig.editor();
    const auto tickThenSleeps = [&] {
        QTimerEvent event(e.Timer1->timerId());
        QCoreApplication::sendEvent(e.Timer1, &event);
        return !e.Timer1->isActive();
    };
    e.Timer1->start();
    EXPECT_TRUE(tickThenSleeps());
    e.Button12->click();   // "Hide" asks for a frame
    EXPECT_TRUE(e.Timer1->isActive());
    EXPECT_TRUE(tickThenSleeps());
    e.Button15->click();   // "Resize" draws nothing yet
    EXPECT_FALSE(e.Timer1->isActive());
    e.Image1->onMove(cellPoint(2, 2).x(), cellPoint(2, 2).y());
    EXPECT_TRUE(e.Timer1->isActive());
    EXPECT_TRUE(tickThenSleeps());
}

TEST(EditorSelectPanel, EditListsThePicturesAndLoadShowsTheChosenOneDroppingPaint) {
    EditorRig rig(3);
    TFcpintura& e = rig.editor();
    e.Button3Click();
    QStringList items;
    for (int i = 0; i < e.cb1->count(); ++i) items << e.cb1->itemText(i);
    EXPECT_EQ(items, QStringList({"Pic0001 05 x 04", "Pic0002 06 x 05", "Pic0003 07 x 06"}));
    EXPECT_EQ(e.cb1->currentText(), QStringLiteral("Select"));
    EXPECT_FALSE(e.GroupBox3->isEnabled());
    e.Button19Click();   // nothing chosen: the panel stays
    EXPECT_TRUE(e.gp1->isVisibleTo(&e));
    rig.paint(3, 3);     // the board stays active
    EXPECT_EQ(rig.state().cells.at(3, 3), 1);
    e.cb1->setCurrentIndex(2);
    e.Button19Click();
    EXPECT_EQ(rig.title(), QStringLiteral("Picture 003"));
    EXPECT_FALSE(e.gp1->isVisibleTo(&e));
    EXPECT_TRUE(e.GroupBox3->isEnabled());
    EXPECT_EQ(packRows(rig.state().cells), numberedPicture(3).packedRows);
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST(EditorSelectPanel, PressesOnThePanelNeverPaintAndAReleaseAnywhereEndsADrag) {
    EditorRig rig(3);
    ASSERT_TRUE(rig.activate());
    TFcpintura& e = rig.editor();
    e.Button3Click();
    QWindow* window = e.windowHandle();
    for (const QPoint at : {QPoint(232 + 5, 280 + 92), e.S1->mapTo(&e, QPoint(3, 3))}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mousePress(window, button, {}, at);
            QTest::mouseMove(window, cellPoint(2, 2));
            QTest::mouseMove(window, cellPoint(3, 2));
            QTest::mouseRelease(window, button, {}, cellPoint(3, 2));
        }
    }
    EXPECT_EQ(packRows(rig.state().cells), numberedPicture(1).packedRows);
    EXPECT_FALSE(rig.state().modified || rig.state().dragging);
    QTest::mousePress(window, Qt::RightButton, {}, cellPoint(4, 4));   // any button paints
    EXPECT_TRUE(rig.state().dragging);
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(300, 520));
    EXPECT_FALSE(rig.state().dragging);
    EXPECT_EQ(rig.state().cells.at(4, 4), 1);
}

TEST(EditorKeys, ReturnInASizeFieldChangesCtrlSSavesAndResizeShowsACrossHair) {
    EditorRig rig(2);
    ASSERT_TRUE(rig.activate());
    TFcpintura& e = rig.editor();
    for (QLineEdit* field : {e.tancho, e.talto}) {
        field->setFocus();
        typeInto(field, "3");
        QTest::keyClick(field, Qt::Key_Return);
    }
    EXPECT_EQ(QSize(rig.state().width(), rig.state().height()), QSize(3, 3));
    QTest::keyClick(e.talto, Qt::Key_S, Qt::ControlModifier);
    TPictureRecord saved = numberedPicture(1);
    saved.width = saved.height = 3;
    EXPECT_EQ(rig.fileBytes(), libraryBytes({saved, numberedPicture(2)}));
    EXPECT_EQ(rig.texts(), QStringList{QString::fromLatin1(kPictureSavedText)});

    EXPECT_EQ(e.Image1->cursor().shape(), Qt::ArrowCursor);
    e.Button15Click();
    EXPECT_EQ(e.Image1->cursor().shape(), Qt::CrossCursor) << "presses now select";
    e.posiciona(25, 25);
    e.posiciona(700, 540);
    EXPECT_EQ(e.Image1->cursor().shape(), Qt::ArrowCursor);
}

TEST(EditorLibrary, AMissingOrEmptyFileGivesABlankPictureToSaveAsPictureOne) {
    for (const std::optional<std::string>& bytes : {std::optional<std::string>(), std::optional<std::string>("")}) {
        SCOPED_TRACE(bytes ? "empty file" : "no file");
        EditorRig rig(bytes);
        EXPECT_EQ(rig.state().library.count, 0);
        EXPECT_EQ(rig.title(), QStringLiteral("Picture 001"));
        EXPECT_EQ(rig.editor().tancho->text() + "x" + rig.editor().talto->text(), QStringLiteral("40x30"));
        rig.editor().Timer1Timer();
        EXPECT_EQ(rig.editor().Image1->frame().pixel(21, 27), toRgb(kNewPictureColors[colorBack1]));
        rig.platform.confirmAnswers = {true};
        rig.editor().Button14Click();
        rig.editor().Button18Click();
        rig.editor().Button2Click();
        EXPECT_EQ(rig.state().currentPicture, 1);
        // "Edit" has no picture to offer: no panel, the commands stay usable.
        rig.editor().Button3Click();
        EXPECT_FALSE(rig.editor().gp1->isVisibleTo(&rig.editor()));
        EXPECT_TRUE(rig.editor().GroupBox3->isEnabled());
        rig.paint(1, 1);
        rig.editor().Button1Click9();
        EXPECT_EQ(rig.fileBytes(), libraryBytes({withCellFlipped(blankNewPicture(), 1, 1)}));
        EXPECT_EQ(rig.texts(), QStringList({kDeletePictureText, "You can not delete all pictures", "Picture saved"}));
    }
}

TEST(EditorLibrary, DamageIsToldOnceUntilTheFileIsRewritten) {
    EditorRig rig(libraryBytes(numberedPictures(2)) + "0000\r\n");
    EXPECT_TRUE(rig.platform.messages.empty()) << "the game has just told it; the editor tells it when opened";
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, &rig.editor(), [&] { rig.editor().reject(); });
        rig.editor().showModal();
    }
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Warning);
    EXPECT_TRUE(rig.texts()[0].contains(QStringLiteral("damaged line (3)"))) << rig.texts()[0].toStdString();
    EXPECT_TRUE(std::filesystem::exists(rig.libraryFile().string() + ".original"));
    rig.editor().Button18Click();
    rig.editor().Button1Click9();
    rig.editor().Button2Click();
    EXPECT_EQ(rig.texts().size(), 2);   // only "Picture saved" more
    EXPECT_EQ(rig.fileBytes().substr(0, 2 * 284), libraryBytes(numberedPictures(2)));
    EXPECT_EQ(rig.fileBytes().size(), 3u * 284u);   // the damaged line rewritten whole
}

TEST(EditorLibrary, AFailedSaveSaysWhyKeepsThePictureAndStopsTheCommand) {
    for (const bool folderMissing : {false, true}) {
        SCOPED_TRACE(folderMissing ? "files/ missing" : "library path is a folder");
        EditorRig rig(2);
        std::filesystem::remove(rig.libraryFile());
        if (folderMissing) std::filesystem::remove_all(rig.folder() / "files");
        else std::filesystem::create_directory(rig.libraryFile());
        rig.paint(2, 3);
        rig.editor().Button1Click9();
        ASSERT_EQ(rig.platform.messages.size(), 1u);
        EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Error);
        EXPECT_TRUE(rig.texts()[0].contains(QString::fromStdString(rig.libraryFile().string())));
        EXPECT_TRUE(rig.state().modified);
        rig.platform.confirmAnswers = {true};
        rig.editor().Button18Click();   // Yes to the offer, which fails too: stay
        EXPECT_EQ(rig.state().currentPicture, 1);
        EXPECT_EQ(rig.state().cells.at(2, 3), 1);
        ASSERT_EQ(rig.platform.messages.size(), 3u);
        EXPECT_EQ(rig.platform.messages[2].kind, ShownMessage::Error);
        EXPECT_EQ(std::filesystem::is_directory(rig.libraryFile()), !folderMissing);
    }
}

TEST(EditorWithGame, APictureSavedInTheEditorIsOfferedLastByNewGame) {
    TempFolder temp;
    std::filesystem::create_directories(temp / "files");
    std::filesystem::copy(std::filesystem::path(MOSARIN_SOURCE_DIR) / "images", temp / "images");
    writeBytes(temp / "files/pictures.txt", libraryBytes(numberedPictures(2)));
    const QString folder = QString::fromStdString(temp.path().string()) + QLatin1Char('/');
    FakePlatform platform;
    Tfjuego game(platform, folder);
    TFcpintura editor(platform, folder);
    game.setEditorWindow(&editor);
    game.Timer1->stop();
    editor.Timer1->stop();
    QTimer::singleShot(0, &editor, [&] {
        editor.Button1Click();
        typeInto(editor.tancho, "7");
        typeInto(editor.talto, "9");
        editor.Button5Click();
        QTest::mouseClick(editor.Image1, Qt::LeftButton, {}, cellPoint(2, 3));
        editor.Button1Click9();
        editor.close();
    });
    game.Button6Click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.state().currentPicture, 3);   // hidden, not reset
    game.Button1Click();
    ASSERT_EQ(game.cb1->count(), 3);
    EXPECT_EQ(game.cb1->itemText(2), QStringLiteral("Pic0003 07 x 09"));
    game.cb1->setCurrentIndex(2);
    game.Button4Click();
    EXPECT_EQ(game.state().solutionGrid.at(2, 3), 1);
    EXPECT_EQ(game.state().colors, kNewPictureColors);
    EXPECT_EQ(platform.texts(), QStringList{QStringLiteral("Picture saved")});
}

}  // namespace
}  // namespace mosarin::testing
