// The editor window: its layout and creation, the Select Picture panel, the
// resize selection's end, and what it does with a missing, empty, damaged or
// unwritable library. Last, the real game window with the real editor.
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QCoreApplication>
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

TPictureRecord fullSizePicture() {
    TPictureRecord picture = numberedPicture(1);
    picture.width = 40;
    picture.height = 30;
    return picture;
}

TEST(EditorWindow, ControlsStandWhereTheLayoutPutsThem) {
    EditorRig rig(numberedPictures(3));
    TFcpintura& e = rig.editor();
    const struct {
        QWidget* control;
        QWidget* parent;
        QRect place;
        const char* caption;
    } layout[] = {
        {e.Image1, &e, {0, 0, 641, 553}, ""},          {e.GroupBox3, &e, {8, 475, 625, 78}, "Picture 001"},
        {e.Button2, e.GroupBox3, {8, 21, 25, 25}, "<<<"}, {e.Button18, e.GroupBox3, {32, 21, 25, 25}, ">>>"},
        {e.Button3, e.GroupBox3, {8, 45, 49, 25}, "Edit"}, {e.Button1, e.GroupBox3, {56, 21, 49, 25}, "New"},
        {e.Button13, e.GroupBox3, {56, 45, 49, 25}, "Clear"}, {e.Button4, e.GroupBox3, {104, 21, 49, 25}, "Save"},
        {e.Button14, e.GroupBox3, {104, 45, 49, 25}, "Delete"}, {e.GroupBox1, e.GroupBox3, {160, 8, 105, 63}, "Size"},
        {e.tancho, e.GroupBox1, {16, 14, 33, 21}, "5"},   {e.talto, e.GroupBox1, {16, 38, 33, 21}, "4"},
        {e.Button5, e.GroupBox1, {56, 32, 41, 25}, "Change"}, {e.GroupBox2, e.GroupBox3, {272, 8, 113, 63}, "Colors"},
        {e.Button6, e.GroupBox2, {8, 24, 49, 17}, "Picture"}, {e.Button7, e.GroupBox2, {8, 40, 49, 17}, "Back1"},
        {e.Button8, e.GroupBox2, {56, 8, 49, 17}, "Back2"}, {e.Button9, e.GroupBox2, {56, 24, 49, 17}, "Line1"},
        {e.Button10, e.GroupBox2, {56, 40, 49, 17}, "Line2"}, {e.GroupBox4, e.GroupBox3, {392, 8, 129, 63}, "Guide image"},
        {e.Button11, e.GroupBox4, {8, 17, 57, 20}, "Show"}, {e.Button12, e.GroupBox4, {8, 36, 57, 20}, "Hide"},
        {e.Button15, e.GroupBox4, {64, 16, 57, 20}, "Resize"}, {e.Button16, e.GroupBox3, {536, 9, 65, 33}, "Import Picture"},
        {e.Button17, e.GroupBox3, {536, 41, 65, 32}, "Export Picture"}, {e.gp1, &e, {232, 280, 193, 97}, ""},
        {e.Button19, e.gp1, {56, 64, 81, 25}, "Load"},
    };
    for (const auto& expected : layout) {
        SCOPED_TRACE(expected.caption);
        EXPECT_EQ(expected.control->geometry(), expected.place);
        EXPECT_EQ(expected.control->parentWidget(), expected.parent);
        QString caption;
        if (auto* button = qobject_cast<QPushButton*>(expected.control)) caption = button->text();
        if (auto* group = qobject_cast<QGroupBox*>(expected.control)) caption = group->title();
        if (auto* field = qobject_cast<QLineEdit*>(expected.control)) caption = field->text();
        EXPECT_EQ(caption, QString::fromLatin1(expected.caption));
    }
    for (const auto& [label, at, text] : {std::tuple{e.Label1, QPoint(4, 18), "X"}, std::tuple{e.Label2, QPoint(4, 42), "Y"},
                                          std::tuple{e.S1, QPoint(16, 8), "Select Picture"}}) {
        EXPECT_EQ(label->pos(), at);
        EXPECT_EQ(label->text(), QString::fromLatin1(text));
    }
    EXPECT_EQ(e.cb1->geometry().topLeft(), QPoint(24, 32));
    EXPECT_EQ(e.cb1->width(), 153);
    EXPECT_TRUE(e.cb1->isEditable());
    EXPECT_EQ(e.windowTitle(), QStringLiteral("Pictures Editor"));
    EXPECT_EQ(e.size(), QSize(643, 563));
    EXPECT_EQ(e.Timer1->interval(), 80);
    EXPECT_FALSE(e.isVisible() || e.gp1->isVisibleTo(&e));
}

TEST(EditorWindow, CreationPutsPictureOneOnTheBoardAndTheFirstTickShowsIt) {
    EditorRig rig(numberedPictures(3));
    const EditorState& state = rig.state();
    EXPECT_EQ(state.library.count, 3);
    EXPECT_EQ(state.currentPicture, 1);
    EXPECT_EQ(state.colors, numberedPicture(1).colors);
    EXPECT_EQ(packRows(state.cells), numberedPicture(1).packedRows);
    EXPECT_TRUE(state.redrawPending && state.boardStale);
    EXPECT_FALSE(state.modified || state.guideVisible || state.resizeMode || state.dragging);
    EXPECT_EQ(QPoint(state.hoverColumn, state.hoverRow), QPoint(-1, -1));
    EXPECT_TRUE(rig.platform.messages.empty());
    rig.editor().Timer1Timer();
    EXPECT_FALSE(state.redrawPending || state.boardStale);
    EXPECT_EQ(rig.editor().Image1->frame().pixel(cellPoint(1, 1)), toRgb(numberedPicture(1).colors[colorPicture]));
    EXPECT_EQ(rig.editor().Image1->frame().pixel(cellPoint(2, 1)), toRgb(numberedPicture(1).colors[colorBack1]));
}

// The layout's buttons are small ("<<<" in 25 pixels): with the controls'
// font every one-word caption fits within its button's frame.
TEST(EditorWindow, EveryOneWordCaptionFitsItsButton) {
    EditorRig rig(numberedPictures(1));
    for (const QPushButton* button : rig.editor().findChildren<QPushButton*>()) {
        const QString caption = button->text();
        if (caption.contains(QLatin1Char(' '))) continue;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(caption), button->width() - 2) << caption.toStdString();
    }
}

// Timer1 runs only while a frame is due: a tick through Qt's own timer event
// (so that the window's guard runs) stops it when nothing more is due, and
// every handler that asks for a frame starts it again.
TEST(EditorWindow, TheTimerSleepsWhileNothingIsDue) {
    EditorRig rig(numberedPictures(2));
    TFcpintura& e = rig.editor();
    const auto tick = [&] {
        QTimerEvent event(e.Timer1->timerId());
        QCoreApplication::sendEvent(e.Timer1, &event);
    };
    e.Timer1->start();
    tick();
    EXPECT_FALSE(e.Timer1->isActive()) << "the first frame drawn, nothing is due";
    e.Button12->click();                          // "Hide" asks for a frame
    EXPECT_TRUE(e.Timer1->isActive());
    tick();
    EXPECT_FALSE(e.Timer1->isActive());
    e.Button15->click();                          // "Resize" draws nothing yet
    EXPECT_FALSE(e.Timer1->isActive());
    e.Image1->onMove(cellPoint(2, 2).x(), cellPoint(2, 2).y());
    EXPECT_TRUE(e.Timer1->isActive());
    tick();
    EXPECT_FALSE(e.Timer1->isActive());
}

TEST(EditorSelectPanel, EditListsThePicturesAndLoadShowsTheChosenOneDroppingPaint) {
    EditorRig rig(numberedPictures(3));
    TFcpintura& e = rig.editor();
    e.Button3Click();
    QStringList items;
    for (int i = 0; i < e.cb1->count(); ++i) items << e.cb1->itemText(i);
    EXPECT_EQ(items, QStringList({"Pic0001 05 x 04", "Pic0002 06 x 05", "Pic0003 07 x 06"}));
    EXPECT_EQ(e.cb1->currentText(), QStringLiteral("Select"));
    EXPECT_TRUE(e.gp1->isVisibleTo(&e));
    EXPECT_FALSE(e.GroupBox3->isEnabled());
    e.Button19Click();   // nothing chosen: the panel stays
    EXPECT_TRUE(e.gp1->isVisibleTo(&e));
    rig.paint(2, 2);     // the board stays active
    EXPECT_EQ(rig.state().cells.at(2, 2), 1);
    e.cb1->setCurrentIndex(2);
    e.Button19Click();
    EXPECT_EQ(rig.state().currentPicture, 3);
    EXPECT_EQ(e.GroupBox3->title(), QStringLiteral("Picture 003"));
    EXPECT_FALSE(e.gp1->isVisibleTo(&e));
    EXPECT_TRUE(e.GroupBox3->isEnabled());
    EXPECT_EQ(packRows(rig.state().cells), numberedPicture(3).packedRows);
    EXPECT_TRUE(rig.platform.messages.empty());
}

TEST(EditorSelectPanel, PressesOnThePanelNeverPaintAndAReleaseAnywhereEndsADrag) {
    EditorRig rig({fullSizePicture()});
    ASSERT_TRUE(rig.activate());
    TFcpintura& e = rig.editor();
    e.Button3Click();
    QWindow* window = e.windowHandle();
    const QPoint panelArea(232 + 5, 280 + 92), label = e.S1->mapTo(&e, QPoint(3, 3));
    for (const QPoint at : {panelArea, label}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            QTest::mousePress(window, button, {}, at);
            QTest::mouseMove(window, cellPoint(2, 2));
            QTest::mouseMove(window, cellPoint(3, 2));
            QTest::mouseRelease(window, button, {}, cellPoint(3, 2));
        }
    }
    EXPECT_EQ(packRows(rig.state().cells), fullSizePicture().packedRows);
    EXPECT_FALSE(rig.state().modified || rig.state().dragging);
    QTest::mousePress(window, Qt::RightButton, {}, cellPoint(4, 4));   // any button paints
    EXPECT_TRUE(rig.state().dragging);
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(300, 520));
    EXPECT_FALSE(rig.state().dragging);
    EXPECT_EQ(rig.state().cells.at(4, 4), 1);
}

TEST(EditorResize, TheSecondPressEnlargesTheSelectionOverTheWholeGuideByRepetition) {
    EditorRig rig({fullSizePicture()});
    TFcpintura& e = rig.editor();
    QImage guide(600, 450, QImage::Format_BGR888);
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 600; ++x) guide.setPixel(x, y, qRgb(x & 255, y & 255, ((x ^ y) & 1) * 255));
    e.guideScaled = guide;
    rig.state().resizeMode = true;
    e.posiciona(50, 60);
    e.Image1MouseMove(220, 120);
    rig.state().boardStale = rig.state().redrawPending = false;
    e.posiciona(700, 540);
    EXPECT_EQ(e.guideSource, guide);
    ASSERT_EQ(e.guideScaled.size(), QSize(600, 450));
    EXPECT_EQ(e.guideScaled.pixel(0, 0), guide.pixel(30, 40));
    EXPECT_EQ(e.guideScaled.pixel(599, 449), guide.pixel(199, 99));
    int foreign = 0;   // pixels that are no pixel of the selection: blended or out of it
    for (int y = 0; y < 450; ++y) {
        for (int x = 0; x < 600; ++x) {
            const QRgb p = e.guideScaled.pixel(x, y);
            const bool inside = qRed(p) >= 30 && qRed(p) < 200 && qGreen(p) >= 40 && qGreen(p) < 100;
            if (!inside || p != guide.pixel(qRed(p), qGreen(p))) ++foreign;
        }
    }
    EXPECT_EQ(foreign, 0);
    const EditorState& state = rig.state();
    EXPECT_FALSE(state.resizeMode);
    EXPECT_EQ(QRect(QPoint(state.selStartX, state.selStartY), QPoint(state.selEndX, state.selEndY)), QRect(QPoint(-1, -1), QPoint(-1, -1)));
    EXPECT_TRUE(state.guideVisible && state.boardStale && state.redrawPending);
    e.Timer1Timer();
    EXPECT_EQ(e.Image1->frame().pixel(21, 27), e.guideScaled.pixel(1, 7));

    // Two presses without a move between: nothing to enlarge.
    const QImage shown = e.guideScaled;
    rig.state().resizeMode = true;
    e.posiciona(50, 60);
    e.posiciona(50, 60);
    EXPECT_EQ(e.guideScaled, shown);
    EXPECT_FALSE(rig.state().resizeMode);
}

TEST(EditorLibrary, AMissingOrEmptyFileGivesABlankPictureToSaveAsPictureOne) {
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists ? "empty file" : "no file");
        EditorRig rig({}, fileExists);
        EXPECT_EQ(rig.state().library.count, 0);
        EXPECT_EQ(rig.editor().GroupBox3->title(), QStringLiteral("Picture 001"));
        EXPECT_EQ(rig.editor().tancho->text() + "x" + rig.editor().talto->text(), QStringLiteral("40x30"));
        EXPECT_EQ(rig.state().colors, kNewPictureColors);
        rig.editor().Timer1Timer();
        EXPECT_EQ(rig.editor().Image1->frame().pixel(21, 27), toRgb(kNewPictureColors[colorBack1]));
        rig.platform.confirmAnswers = {true};
        rig.editor().Button14Click();
        rig.editor().Button18Click();
        rig.editor().Button2Click();
        EXPECT_EQ(rig.state().currentPicture, 1);
        rig.paint(1, 1);
        rig.editor().Button1Click9();
        EXPECT_EQ(rig.fileBytes(), libraryBytes({withCellFlipped(blankNewPicture(), 1, 1)}));
        EXPECT_EQ(rig.platform.texts(), QStringList({QString::fromLatin1(kDeletePictureText),
                                                     "You can not delete all pictures", "Picture saved"}));
    }
}

TEST(EditorLibrary, DamageIsToldOnceUntilTheFileIsRewritten) {
    EditorRig rig(libraryBytes(numberedPictures(2)) + "0000\r\n");
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Warning);
    EXPECT_TRUE(rig.platform.messages[0].text.contains(QStringLiteral("damaged line (3)"))) << rig.platform.messages[0].text.toStdString();
    EXPECT_TRUE(std::filesystem::exists(rig.libraryFile().string() + ".original"));
    rig.editor().Button18Click();
    EXPECT_EQ(rig.platform.messages.size(), 1u);
    rig.editor().Button1Click9();
    rig.editor().Button2Click();
    EXPECT_EQ(rig.platform.texts().size(), 2);   // only "Picture saved" more
    EXPECT_EQ(rig.fileBytes().size(), 3u * 284u);
}

TEST(EditorLibrary, AFailedSaveSaysWhyKeepsThePictureAndStopsTheCommand) {
    for (const bool folderMissing : {false, true}) {
        SCOPED_TRACE(folderMissing ? "files/ missing" : "library path is a folder");
        EditorRig rig(numberedPictures(2));
        std::filesystem::remove(rig.libraryFile());
        if (folderMissing) std::filesystem::remove_all(rig.folder() / "files");
        else std::filesystem::create_directory(rig.libraryFile());
        rig.paint(2, 3);
        rig.editor().Button1Click9();
        ASSERT_EQ(rig.platform.messages.size(), 1u);
        EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Error);
        EXPECT_TRUE(rig.platform.messages[0].text.contains(QString::fromStdString(rig.libraryFile().string())));
        EXPECT_TRUE(rig.state().modified);
        EXPECT_EQ(rig.state().library.slots[1].packedRows, packRows(rig.state().cells));
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
        editor.tancho->setText(QString());
        QTest::keyClicks(editor.tancho, QStringLiteral("7"));
        editor.talto->setText(QString());
        QTest::keyClicks(editor.talto, QStringLiteral("9"));
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
