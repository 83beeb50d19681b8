// The editor never writes a library it could not read, and never one that
// another running copy changed since it read it: it says so, reads again and
// keeps the picture on the board for the next save.
#include <gtest/gtest.h>

#include "editor/editor_commands.h"
#include "editor/picture_store.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

namespace fs = std::filesystem;

TEST(EditorUnreadableLibrary, IsToldOnceAndEveryCommandThatWritesRefusesUntilAReadSucceeds) {
    const std::string two = libraryBytes(numberedPictures(2));
    EditorRig rig(two);
    fs::resize_file(rig.libraryFile(), 65u << 20);   // past the reader's bound, the pictures still in it
    rig.editor().FormCreate();
    for (int opening = 0; opening < 2; ++opening) {
        QTimer::singleShot(0, &rig.editor(), [&] { rig.editor().reject(); });
        rig.editor().showModal();
    }
    const std::string said = "The picture library \"" + rig.libraryFile().string() + "\" could not be read: it is larger";
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Warning);
    EXPECT_TRUE(rig.texts()[0].startsWith(QString::fromStdString(said))) << rig.texts()[0].toStdString();
    EXPECT_TRUE(rig.texts()[0].contains(QStringLiteral("Nothing will be written to it")));

    rig.paint(2, 2);
    // Save, New, Delete, Import and Export: each explains, asks nothing, writes nothing.
    const std::function<void()> commands[] = {
        [&] { rig.editor().Button1Click9(); }, [&] { rig.editor().Button1Click(); },
        [&] { rig.editor().Button14Click(); }, [&] { rig.editor().Button16Click(); },
        [&] { rig.editor().Button17Click(); },
    };
    for (const auto& command : commands) {
        rig.platform.messages.clear();
        command();
        ASSERT_EQ(rig.platform.messages.size(), 1u);
        EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Error);
        EXPECT_TRUE(rig.texts()[0].startsWith(QString::fromStdString(said))) << rig.texts()[0].toStdString();
    }
    EXPECT_EQ(fs::file_size(rig.libraryFile()), 65u << 20);
    EXPECT_EQ(rig.fileBytes().substr(0, two.size()), two);
    EXPECT_EQ(std::distance(fs::directory_iterator(rig.folder() / "files"), fs::directory_iterator()), 1);
    EXPECT_EQ(rig.state().cells.at(2, 2), 1);

    // Mended: the save that finds it readable reads it, keeps the painted
    // picture as a new last one, and the next save stores it beside the others.
    fs::resize_file(rig.libraryFile(), two.size());
    rig.platform.messages.clear();
    rig.editor().Button1Click9();
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.fileBytes(), two);
    EXPECT_EQ(rig.title(), QStringLiteral("Picture 003"));
    EXPECT_TRUE(rig.state().modified);
    rig.editor().Button1Click9();
    EXPECT_EQ(rig.fileBytes(), two + libraryBytes({withCellFlipped(blankNewPicture(), 2, 2)}));
}

TEST(EditorUnreadableLibrary, IsReadAgainWhenTheEditorIsOpenedAgain) {
    const std::string two = libraryBytes(numberedPictures(2));
    EditorRig rig(two);
    fs::resize_file(rig.libraryFile(), 65u << 20);
    rig.editor().FormCreate();
    fs::resize_file(rig.libraryFile(), two.size());
    QTimer::singleShot(0, &rig.editor(), [&] { rig.editor().reject(); });
    rig.editor().showModal();
    EXPECT_EQ(rig.platform.messages.size(), 1u);   // what the first read found, told once
    EXPECT_EQ(rig.state().library.count, 2);
    EXPECT_EQ(rig.editor().tancho->text(), QStringLiteral("5"));   // picture 1 is 5 x 4
    EXPECT_FALSE(libraryWriteRefusal(rig.state()));
}

TEST(EditorChangedLibrary, TwoEditorsOverOneFileLoseNoPicture) {
    const std::string two = libraryBytes(numberedPictures(2));
    // What the second editor saves after the first one added picture 3:
    // picture 1 changed, or a picture of its own made with "New".
    for (const bool secondMakesNew : {false, true}) {
        SCOPED_TRACE(secondMakesNew ? "New in the second" : "picture 1 in the second");
        EditorRig first(two);
        TFcpintura second(first.platform, QString::fromStdString(first.folder().path().string()) + QLatin1Char('/'));
        first.editor().Button1Click();   // "New": picture 3, written at once
        const std::string withThird = first.fileBytes();
        ASSERT_EQ(withThird.size(), 3u * 284u);

        first.platform.messages.clear();
        if (secondMakesNew) second.Button1Click();
        second.posiciona(cellPoint(3, 3).x(), cellPoint(3, 3).y());
        second.Image1MouseUp();
        if (!secondMakesNew) second.Button1Click9();
        ASSERT_FALSE(first.platform.messages.empty());
        EXPECT_EQ(first.platform.messages[0].kind, ShownMessage::Error);
        EXPECT_TRUE(first.texts()[0].contains(QStringLiteral("was changed by another program"))) << first.texts()[0].toStdString();
        EXPECT_EQ(first.fileBytes(), withThird);
        EXPECT_TRUE(second.state().modified);
        EXPECT_EQ(second.state().cells.at(3, 3), 1);
        EXPECT_EQ(second.state().currentPicture, secondMakesNew ? 4 : 1);

        second.Button1Click9();
        const std::string after = first.fileBytes();
        ASSERT_EQ(after.size(), (secondMakesNew ? 4u : 3u) * 284u);
        EXPECT_EQ(after.substr(2 * 284, 284), withThird.substr(2 * 284));   // the first editor's picture 3 is kept
        const TPictureRecord saved = withCellFlipped(secondMakesNew ? blankNewPicture() : numberedPicture(1), 3, 3);
        EXPECT_EQ(after.substr(secondMakesNew ? 3 * 284 : 0, 284), libraryBytes({saved}));
    }
}

// When the first editor's new picture fills the library to 1000, the second
// editor's own new picture has no room: saving it again must not put it over
// picture 1000, and Delete drops it from the board alone.
TEST(EditorChangedLibrary, ANewPictureAFullLibraryHasNoRoomForOverwritesNone) {
    EditorRig first(std::vector<TPictureRecord>(kMaxPictures - 1, numberedPicture(1)));
    TFcpintura second(first.platform, QString::fromStdString(first.folder().path().string()) + QLatin1Char('/'));
    first.editor().Button1Click();   // "New": picture 1000, written at once
    const std::string full = first.fileBytes();
    ASSERT_EQ(full.size(), 1000u * 284u);

    second.Button1Click();           // refused: the file changed; the board keeps the new picture
    second.posiciona(cellPoint(3, 3).x(), cellPoint(3, 3).y());
    second.Image1MouseUp();
    first.platform.messages.clear();
    for (int save = 0; save < 2; ++save) second.Button1Click9();
    EXPECT_EQ(first.fileBytes(), full);
    ASSERT_FALSE(first.platform.messages.empty());
    EXPECT_TRUE(first.texts().back().contains(QStringLiteral("is full (1000 pictures)"))) << first.texts().back().toStdString();
    EXPECT_TRUE(second.state().modified);
    EXPECT_EQ(second.state().cells.at(3, 3), 1);

    first.platform.confirmAnswers = {true};   // "Delete": Yes
    second.Button14Click();
    EXPECT_EQ(first.fileBytes(), full);
    EXPECT_EQ(second.state().currentPicture, kMaxPictures);
    EXPECT_EQ(second.state().cells.cells, first.state().cells.cells) << "picture 1000 as the file holds it";
}

}  // namespace
}  // namespace mosarin::testing
