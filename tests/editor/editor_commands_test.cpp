// The editor's commands driven through the real window with scripted
// answers; the library file is compared byte for byte after each.
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/editor_commands.h"
#include "shell/canvas.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

const QString kOffer = QString::fromLatin1(kOfferToSaveText);

QString title(EditorRig& rig) { return rig.editor().GroupBox3->title(); }




TEST(EditorDelete, RemovesThePictureRenumbersAndRewritesTheFile) {
    const struct {
        int count, current;
        bool answer;
        std::vector<int> fileAfter;   // picture numbers of the original library
        int currentAfter;
        const char* widthShown;
    } cases[] = {
        {5, 2, true, {1, 3, 4, 5}, 2, "7"},   // shows the former picture 3
        {5, 5, true, {1, 2, 3, 4}, 4, "8"},
        {1, 1, true, {1}, 1, "5"},
        {5, 2, false, {1, 2, 3, 4, 5}, 2, "6"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(::testing::Message() << test.current << " of " << test.count << (test.answer ? " Yes" : " No"));
        EditorRig rig(numberedPictures(test.count));
        for (int n = 1; n < test.current; ++n) rig.editor().Button18Click();
        rig.state().modified = true;
        rig.platform.confirmAnswers = {test.answer};
        rig.editor().Button14Click();
        std::vector<TPictureRecord> expected;
        for (int n : test.fileAfter) expected.push_back(numberedPicture(n));
        EXPECT_EQ(rig.fileBytes(), libraryBytes(expected));
        EXPECT_EQ(rig.state().currentPicture, test.currentAfter);
        EXPECT_EQ(title(rig), QString::asprintf("Picture %.3d", test.currentAfter));
        EXPECT_EQ(rig.editor().tancho->text(), test.widthShown);
        EXPECT_TRUE(rig.state().modified);
        QStringList shown = {QString::fromLatin1(kDeletePictureText)};
        if (test.count == 1) shown << QStringLiteral("You can not delete all pictures");
        EXPECT_EQ(rig.platform.texts(), shown);
    }
}

TEST(EditorChange, SizesAreKeptWithinTheLimitsAndCellsOutsideAreEmptied) {
    const std::vector<QPoint> painted = {{1, 1}, {12, 7}, {13, 7}, {12, 8}, {41, 5}, {50, 50}};
    const struct {
        const char *width, *height;
        int widthKept, heightKept;
        const char *widthShown, *heightShown;
        std::vector<QPoint> kept;
    } cases[] = {
        {"55", "12", 40, 12, "40", "12", {{1, 1}, {12, 7}, {12, 8}, {13, 7}}},
        {"12abc", "7", 12, 7, "12abc", "7", {{1, 1}, {12, 7}}},
        {"0", " 99", 1, 30, "1", "30", {{1, 1}}},
        {"-3", "abc", 1, 1, "1", "1", {{1, 1}}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.width);
        EditorRig rig(numberedPictures(2));
        for (const QPoint cell : painted) rig.state().cells.at(cell.x(), cell.y()) = 1;
        for (const auto& [field, text] : {std::pair{rig.editor().tancho, test.width}, std::pair{rig.editor().talto, test.height}}) {
            field->setText(QString());
            QTest::keyClicks(field, QString::fromLatin1(text));
        }
        rig.state().boardStale = false;
        rig.editor().Button5Click();
        EXPECT_EQ(rig.state().library.slots[1].width, test.widthKept);
        EXPECT_EQ(rig.state().library.slots[1].height, test.heightKept);
        EXPECT_EQ(rig.editor().tancho->text(), test.widthShown);
        EXPECT_EQ(rig.editor().talto->text(), test.heightShown);
        EXPECT_TRUE(rig.state().modified && rig.state().boardStale);
        std::vector<QPoint> filled;
        for (int column = 1; column <= 50; ++column) {
            for (int row = 1; row <= 50; ++row) {
                if (rig.state().cells.at(column, row) != 0) filled.push_back({column, row});
            }
        }
        EXPECT_EQ(filled, test.kept);
        EXPECT_EQ(rig.fileBytes(), libraryBytes(numberedPictures(2)));   // the file waits for a save
    }
}

TEST(EditorSave, StoresTheBoardWithTheTypedSizeAndSaysSo) {
    EditorRig rig(numberedPictures(3));
    rig.editor().Button18Click();
    rig.paint(3, 2);
    rig.editor().tancho->setText(QString());
    QTest::keyClicks(rig.editor().tancho, QStringLiteral("12abc"));
    rig.editor().talto->setText(QString());
    QTest::keyClicks(rig.editor().talto, QStringLiteral("55"));
    rig.editor().Button1Click9();
    TPictureRecord saved = withCellFlipped(numberedPicture(2), 3, 2);
    saved.width = 12;
    saved.height = 30;
    EXPECT_EQ(rig.fileBytes(), libraryBytes({numberedPicture(1), saved, numberedPicture(3)}));
    EXPECT_EQ(rig.platform.texts(), QStringList{QStringLiteral("Picture saved")});
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Information);
    EXPECT_EQ(rig.editor().tancho->text(), QStringLiteral("12abc"));
    EXPECT_EQ(rig.editor().talto->text(), QStringLiteral("30"));
    EXPECT_FALSE(rig.state().modified);
    EXPECT_EQ(title(rig), QStringLiteral("Picture 002"));
}

TEST(EditorOfferToSave, ComesBeforeBrowsingNewAndEditAndOnlyYesSaves) {
    enum Command { Previous, Next, New, Edit };
    const std::optional<bool> answers[] = {true, false, std::nullopt};   // nothing: the box was closed
    for (const Command command : {Previous, Next, New, Edit}) {
        for (const std::optional<bool>& answer : answers) {
            SCOPED_TRACE(::testing::Message() << "command " << command << " answer " << (answer ? int(*answer) : -1));
            EditorRig rig(numberedPictures(3));
            rig.editor().Button18Click();
            rig.paint(1, 1);
            if (answer) rig.platform.confirmAnswers = {*answer};
            const std::pair<void (TFcpintura::*)(), int> run[] = {
                {&TFcpintura::Button2Click, 1}, {&TFcpintura::Button18Click, 3}, {&TFcpintura::Button1Click, 4}, {&TFcpintura::Button3Click, 2}};
            (rig.editor().*run[command].first)();
            std::vector<TPictureRecord> expected = numberedPictures(3);
            if (answer == true) expected[1] = withCellFlipped(expected[1], 1, 1);
            if (command == New) expected.push_back(blankNewPicture());
            EXPECT_EQ(rig.fileBytes(), libraryBytes(expected));
            EXPECT_EQ(rig.platform.texts(), QStringList{kOffer});
            EXPECT_EQ(rig.state().currentPicture, run[command].second);
            EXPECT_FALSE(rig.state().modified);
            EXPECT_EQ(rig.state().selectPanelOpen, command == Edit);
        }
    }
}

TEST(EditorBrowse, TheEndsStayPutButDropUnsavedChanges) {
    EditorRig rig(numberedPictures(3));
    rig.paint(1, 1);
    rig.editor().Button2Click();
    EXPECT_EQ(rig.state().currentPicture, 1);
    EXPECT_EQ(rig.state().cells.at(1, 1), 1);
    for (int n = 0; n < 3; ++n) rig.editor().Button18Click();
    rig.paint(3, 1);
    rig.editor().Button18Click();
    EXPECT_EQ(rig.state().currentPicture, 3);
    EXPECT_EQ(rig.state().cells.at(3, 1), 1);
    EXPECT_EQ(rig.platform.texts(), QStringList({kOffer, kOffer}));
}

TEST(EditorNew, AppendsADefaultPictureAndWritesTheOldSlotsColoursButNotItsCells) {
    EditorRig rig(numberedPictures(2));
    rig.platform.colorAnswers = {Color(0x123456u), Color(0x654321u)};
    rig.editor().Button7Click();
    rig.editor().Button5Click();   // "Change" with the texts as shown: 5 x 4
    rig.paint(2, 2);
    rig.editor().Button1Click();   // answered No
    TPictureRecord first = numberedPicture(1);
    first.colors[colorBack1] = 0x123456u;
    EXPECT_EQ(rig.fileBytes(), libraryBytes({first, numberedPicture(2), blankNewPicture()}));
    EXPECT_EQ(title(rig), QStringLiteral("Picture 003"));
    EXPECT_EQ(rig.state().colors, kNewPictureColors);
    EXPECT_EQ(rig.editor().tancho->text() + rig.editor().talto->text(), QStringLiteral("4030"));
    EXPECT_EQ(rig.state().cells.at(2, 2), 0);
    rig.editor().Button10Click();
    EXPECT_EQ(rig.platform.colorInitials, (std::vector<Color>{0u, 0x123456u}));
}

TEST(EditorNew, AFullLibraryIsRefusedBeforeAnythingIsAsked) {
    const std::vector<TPictureRecord> full(1000, numberedPicture(1));
    EditorRig rig(full);
    rig.paint(1, 1);
    rig.editor().Button1Click();
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Warning);
    EXPECT_EQ(rig.state().library.count, 1000);
    EXPECT_EQ(rig.state().currentPicture, 1);
    EXPECT_TRUE(rig.state().modified);
    EXPECT_EQ(rig.fileBytes(), libraryBytes(full));
}

TEST(EditorColors, EachButtonSetsItsSlotAndTheChooserRemembersTheLastColour) {
    EditorRig rig(numberedPictures(1));
    void (TFcpintura::*buttons[])() = {&TFcpintura::Button6Click, &TFcpintura::Button7Click, &TFcpintura::Button8Click,
                                       &TFcpintura::Button9Click, &TFcpintura::Button10Click};
    rig.editor().Button6Click();   // cancelled
    EXPECT_FALSE(rig.state().modified);
    std::vector<Color> initials = {0u};
    for (int slot = 0; slot < kColorSlots; ++slot) {
        const Color chosen = 0x010203u * Color(slot + 1);
        rig.platform.colorAnswers = {chosen};
        (rig.editor().*buttons[slot])();
        initials.push_back(chosen - 0x010203u);   // the colour chosen before
        EXPECT_EQ(rig.state().colors[slot], chosen);
        EXPECT_EQ(rig.state().library.slots[1].colors[slot], chosen);
        EXPECT_TRUE(rig.state().modified && rig.state().boardStale);
    }
    EXPECT_EQ(rig.platform.colorInitials, initials);
    // Back2 shows at once in the cross.
    rig.editor().Image1MouseMove(cellPoint(2, 3).x(), cellPoint(2, 3).y());
    rig.editor().Timer1Timer();
    EXPECT_EQ(rig.editor().surface().frameImage.pixel(cellPoint(2, 1)), toRgb(0x010203u * 3));
    EXPECT_EQ(rig.editor().surface().frameImage.pixel(20, 27), toRgb(0x010203u * 5));
}

TEST(EditorClear, EmptiesTheBoardOnYesWithoutMarkingItModified) {
    for (const bool answer : {true, false}) {
        EditorRig rig(numberedPictures(2));
        rig.platform.confirmAnswers = {answer};
        rig.editor().Button13Click();
        EXPECT_EQ(rig.state().cells.at(1, 1), answer ? 0 : 1);
        EXPECT_FALSE(rig.state().modified);
        rig.editor().Button18Click();   // no offer to save
        EXPECT_EQ(rig.platform.texts(), QStringList{QString::fromLatin1(kClearBoardText)});
    }
}

}  // namespace
}  // namespace mosarin::testing
