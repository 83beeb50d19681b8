// The editor's commands driven through the real window with scripted
// answers; the library file is compared byte for byte after each.
#include <QGroupBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "editor/editor_commands.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

const QString kOffer = QString::fromLatin1(kOfferToSaveText);

std::vector<TPictureRecord> picturesNumbered(const std::vector<int>& numbers) {
    std::vector<TPictureRecord> pictures;
    for (int n : numbers) pictures.push_back(numberedPicture(n));
    return pictures;
}

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
        EditorRig rig(test.count);
        rig.goTo(test.current);
        rig.state().modified = true;
        rig.platform.confirmAnswers = {test.answer};
        rig.editor().Button14Click();
        EXPECT_EQ(rig.fileBytes(), libraryBytes(picturesNumbered(test.fileAfter)));
        EXPECT_EQ(rig.state().currentPicture, test.currentAfter);
        EXPECT_EQ(rig.title(), QString::asprintf("Picture %.3d", test.currentAfter));
        EXPECT_EQ(rig.editor().tancho->text(), test.widthShown);
        EXPECT_TRUE(rig.state().modified);
        QStringList shown = {QString::fromLatin1(kDeletePictureText)};
        if (test.count == 1) shown << QStringLiteral("You can not delete all pictures");
        EXPECT_EQ(rig.texts(), shown);
    }
}

TEST(EditorChange, SizesAreKeptWithinTheLimitsAndCellsOutsideAreEmptied) {
    const struct {
        const char *width, *height;
        QSize kept;
        const char *widthShown, *heightShown;
        std::vector<QPoint> filledAfter;
    } cases[] = {
        {"55", "12", {40, 12}, "40", "12", {{1, 1}, {12, 7}, {12, 8}, {13, 7}}},
        {"12abc", "7", {12, 7}, "12abc", "7", {{1, 1}, {12, 7}}},
        {"0", " 99", {1, 30}, "1", "30", {{1, 1}}},
        {"-3", "abc", {1, 1}, "1", "1", {{1, 1}}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.width);
        EditorRig rig(2);
        for (const QPoint cell : {QPoint(1, 1), QPoint(12, 7), QPoint(13, 7), QPoint(12, 8), QPoint(41, 5), QPoint(50, 50)})
            rig.state().cells.at(cell.x(), cell.y()) = 1;
        typeInto(rig.editor().tancho, test.width);
        typeInto(rig.editor().talto, test.height);
        rig.state().boardStale = false;
        rig.editor().Button5Click();
        EXPECT_EQ(QSize(rig.state().width(), rig.state().height()), test.kept);
        EXPECT_EQ(QSize(rig.state().library.slots[1].width, rig.state().library.slots[1].height), QSize(5, 4));
        EXPECT_EQ(rig.editor().tancho->text(), test.widthShown);
        EXPECT_EQ(rig.editor().talto->text(), test.heightShown);
        EXPECT_TRUE(rig.state().modified && rig.state().boardStale);
        std::vector<QPoint> filled;
        for (int column = 1; column <= 50; ++column)
            for (int row = 1; row <= 50; ++row)
                if (rig.state().cells.at(column, row) != 0) filled.push_back({column, row});
        EXPECT_EQ(filled, test.filledAfter);
        EXPECT_EQ(rig.fileBytes(), libraryBytes(numberedPictures(2)));   // the file waits for a save
    }
}

TEST(EditorSave, StoresTheBoardWithTheTypedSizeAndSaysSo) {
    EditorRig rig(3);
    rig.goTo(2);
    rig.paint(3, 2);
    typeInto(rig.editor().tancho, "12abc");
    typeInto(rig.editor().talto, "55");
    rig.editor().Button1Click9();
    TPictureRecord saved = withCellFlipped(numberedPicture(2), 3, 2);
    saved.width = 12;
    saved.height = 30;
    EXPECT_EQ(rig.fileBytes(), libraryBytes({numberedPicture(1), saved, numberedPicture(3)}));
    EXPECT_EQ(rig.texts(), QStringList{QStringLiteral("Picture saved")});
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Information);
    EXPECT_EQ(rig.editor().tancho->text() + "x" + rig.editor().talto->text(), QStringLiteral("12abcx30"));
    EXPECT_FALSE(rig.state().modified);
    EXPECT_EQ(rig.title(), QStringLiteral("Picture 002"));
}

TEST(EditorOfferToSave, ComesBeforeBrowsingNewAndEditAndOnlyYesSaves) {
    enum Command { Previous, Next, New, Edit };
    const std::pair<void (TFcpintura::*)(), int> run[] = {   // the handler, then the picture shown after it
        {&TFcpintura::Button2Click, 1}, {&TFcpintura::Button18Click, 3}, {&TFcpintura::Button1Click, 4}, {&TFcpintura::Button3Click, 2}};
    for (const Command command : {Previous, Next, New, Edit}) {
        for (const std::optional<bool> answer : {std::optional(true), std::optional(false), std::optional<bool>()}) {
            SCOPED_TRACE(::testing::Message() << "command " << command << " answer " << (answer ? int(*answer) : -1));
            EditorRig rig(3);
            rig.goTo(2);
            rig.paint(1, 1);
            if (answer) rig.platform.confirmAnswers = {*answer};   // none: the box was closed
            (rig.editor().*run[command].first)();
            std::vector<TPictureRecord> expected = numberedPictures(3);
            if (answer == true) expected[1] = withCellFlipped(expected[1], 1, 1);
            if (command == New) expected.push_back(blankNewPicture());
            EXPECT_EQ(rig.fileBytes(), libraryBytes(expected));
            EXPECT_EQ(rig.texts(), QStringList{kOffer});
            EXPECT_EQ(rig.state().currentPicture, run[command].second);
            EXPECT_FALSE(rig.state().modified);
            EXPECT_EQ(rig.state().selectPanelOpen, command == Edit);
        }
    }
}

TEST(EditorBrowse, TheEndsStayPut) {
    EditorRig rig(3);
    rig.paint(1, 1);
    rig.editor().Button2Click();
    EXPECT_EQ(rig.state().currentPicture, 1);
    EXPECT_EQ(rig.state().cells.at(1, 1), 1);   // read afresh: the unsaved change is gone
    rig.goTo(4);
    rig.editor().Button18Click();
    EXPECT_EQ(rig.state().currentPicture, 3);
    EXPECT_EQ(rig.texts(), QStringList{kOffer});
}

TEST(EditorDeclinedChanges, ColoursAndSizeReachTheFileOnlyThroughASave) {
    enum Change { Colour, Size };
    enum Then { New, Next };
    for (const Change change : {Colour, Size}) {
        for (const Then then : {New, Next}) {
            for (const bool answer : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "change " << change << " then " << then << " answer " << answer);
                EditorRig rig(2);
                TPictureRecord first = numberedPicture(1);
                if (change == Colour) {
                    rig.platform.colorAnswers = {Color(0x123456u)};
                    rig.editor().Button7Click();
                    first.colors[colorBack1] = 0x123456u;
                } else {
                    typeInto(rig.editor().tancho, "9");
                    rig.editor().Button5Click();
                    first.width = 9;
                }
                rig.platform.confirmAnswers = {answer};
                (rig.editor().*(then == New ? &TFcpintura::Button1Click : &TFcpintura::Button18Click))();
                if (then == Next) rig.editor().Button1Click();   // any later rewrite
                std::vector<TPictureRecord> expected = {answer ? first : numberedPicture(1), numberedPicture(2),
                                                        blankNewPicture()};
                EXPECT_EQ(rig.fileBytes(), libraryBytes(expected));
                EXPECT_EQ(rig.state().colors, kNewPictureColors);
                EXPECT_EQ(rig.editor().tancho->text() + "x" + rig.editor().talto->text(), QStringLiteral("40x30"));
            }
        }
    }
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

TEST(EditorColors, EachButtonSetsItsSlotAndTheChooserOpensOnTheLastColour) {
    EditorRig rig(1);
    void (TFcpintura::*buttons[])() = {&TFcpintura::Button6Click, &TFcpintura::Button7Click, &TFcpintura::Button8Click,
                                       &TFcpintura::Button9Click, &TFcpintura::Button10Click};
    rig.editor().Button6Click();   // cancelled
    EXPECT_FALSE(rig.state().modified);
    for (int slot = 0; slot < kColorSlots; ++slot) {
        rig.platform.colorAnswers = {0x010203u * Color(slot + 1)};
        (rig.editor().*buttons[slot])();
        EXPECT_EQ(rig.state().colors[slot], 0x010203u * Color(slot + 1));
        EXPECT_EQ(rig.state().library.slots[1].colors[slot], numberedPicture(1).colors[slot]) << "the slot waits for a save";
        EXPECT_EQ(rig.platform.colorInitials.back(), 0x010203u * Color(slot));
    }
}

TEST(EditorClear, EmptiesTheBoardOnYesWithoutMarkingItModified) {
    for (const bool answer : {true, false}) {
        EditorRig rig(2);
        rig.platform.confirmAnswers = {answer};
        rig.editor().Button13Click();
        EXPECT_EQ(rig.state().cells.at(1, 1), answer ? 0 : 1);
        rig.editor().Button18Click();   // no offer to save
        EXPECT_EQ(rig.texts(), QStringList{QString::fromLatin1(kClearBoardText)});
    }
}

}  // namespace
}  // namespace mosarin::testing
