// The guide-image commands ("Show", "Hide", "Resize", "Change" with a guide
// shown) and the exchange commands ("Export Picture", "Import Picture")
// through the real window, with scripted dialogs.
#include <QBuffer>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

#include "picture/library_file.h"
#include "shell/image_view.h"
#include "editor/editor_commands.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

// A 2 x 2 picture, black on the left and white on the right, as a file's bytes.
QByteArray blackWhite(const char* format) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(0, 1, qRgb(0, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// A file of the rig's folder holding `bytes`; none when there are no bytes.
QString pathIn(EditorRig& rig, const char* name, const QByteArray* bytes) {
    const std::filesystem::path file = rig.folder() / name;
    if (bytes) writeBytes(file, std::string_view(bytes->constData(), std::size_t(bytes->size())));
    return QString::fromStdString(file.string());
}

// "Show" decides JPEG or bitmap by the name's last three letters alone; a
// refused file changes neither bitmap nor flag.
TEST(EditorShow, TheNameDecidesHowTheFileIsReadAndFailuresChangeNothing) {
    const QByteArray jpeg = blackWhite("JPG"), bmp = blackWhite("BMP");
    const struct {
        const char* name;         // nullptr: the dialog is cancelled
        const QByteArray* bytes;  // nullptr: no such file
        const char* message;      // "" when it loads
    } cases[] = {
        {"g.JPG", &jpeg, ""}, {"g.jpg", &jpeg, ""}, {"g.Jpg", &jpeg, ""}, {"g.bmp", &bmp, ""},
        {"g.jpeg", &jpeg, "Bitmap image is not valid."}, {"g.jpg", &bmp, "JPEG error #"},
        {"none.bmp", nullptr, "File dont exist"}, {nullptr, nullptr, ""},
    };
    for (const auto& [name, bytes, message] : cases) {
        SCOPED_TRACE(name ? name : "cancelled");
        EditorRig rig(2);   // picture 1: 5 x 4 cells
        TFcpintura& e = rig.editor();
        rig.platform.fileAnswers = {name ? std::optional(pathIn(rig, name, bytes)) : std::nullopt};
        rig.state().redrawPending = rig.state().boardStale = false;
        e.Button11->click();
        EXPECT_EQ(rig.platform.lastFilter, QStringLiteral("*.jpg|*.jpg|*.bmp|*.bmp"));
        const bool loads = name && *message == '\0';
        EXPECT_EQ(rig.state().guideVisible && rig.state().boardStale, loads);
        EXPECT_EQ(e.guideScaled.size(), loads ? QSize(75, 60) : QSize(0, 0));
        EXPECT_EQ(e.guideSource.size(), loads ? QSize(2, 2) : QSize(0, 0));
        if (loads) {
            EXPECT_LT(qRed(e.guideScaled.pixel(0, 30)), 16);    // the black column
            EXPECT_GT(qRed(e.guideScaled.pixel(74, 30)), 200);  // almost the white one
        }
        const QStringList shown = rig.texts();
        ASSERT_EQ(shown.size(), *message ? 1 : 0) << shown.join("|").toStdString();
        if (*message) {
            EXPECT_TRUE(shown[0].startsWith(QString::fromLatin1(message))) << shown[0].toStdString();
        }
    }
}

TEST(EditorGuide, ResizeEnlargesTheSelectionHideKeepsTheGuideAndChangeRescalesAShownOne) {
    TPictureRecord full = numberedPicture(1);
    full.width = 40, full.height = 30;
    EditorRig rig({full});
    TFcpintura& e = rig.editor();
    const auto select = [&](QPoint move) {
        e.Button15Click();
        e.posiciona(50, 60);   // first corner: guide pixel (30, 40)
        e.Image1MouseMove(move.x(), move.y());
        e.posiciona(700, 540);   // anywhere: the selection is applied
    };
    e.Timer1Timer();
    const QImage noGuide = e.surface().boardImage.copy();
    select({220, 120});
    EXPECT_TRUE(rig.state().boardStale);
    e.Timer1Timer();
    EXPECT_TRUE(e.surface().boardImage == noGuide) << "before any guide nothing visible changes";

    const QByteArray bmp = blackWhite("BMP");
    rig.platform.fileAnswers = {pathIn(rig, "g.bmp", &bmp)};
    e.Button11Click();
    ASSERT_EQ(e.guideScaled.size(), QSize(600, 450));
    e.Button12Click();
    EXPECT_FALSE(rig.state().guideVisible);
    QImage shown(600, 450, QImage::Format_BGR888);   // every pixel tells where it lies
    for (int y = 0; y < 450; ++y)
        for (int x = 0; x < 600; ++x) shown.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) * 64 + (y >> 8)));
    e.guideScaled = shown;
    select({220, 120});
    const EditorState& state = rig.state();
    EXPECT_TRUE(state.guideVisible && !state.resizeMode);
    EXPECT_EQ(QRect(QPoint(state.selStartX, state.selStartY), QPoint(state.selEndX, state.selEndY)), QRect(QPoint(-1, -1), QPoint(-1, -1)));
    EXPECT_EQ(e.guideSource, shown);
    ASSERT_EQ(e.guideScaled.size(), QSize(600, 450));
    EXPECT_EQ(e.guideScaled.pixel(0, 0), shown.pixel(30, 40));
    EXPECT_EQ(e.guideScaled.pixel(599, 449), shown.pixel(199, 99));
    e.Timer1Timer();
    EXPECT_EQ(e.Image1->frame().pixel(21, 27), e.guideScaled.pixel(1, 7));
    const QImage enlarged = e.guideScaled;
    select({49, 120});   // the move is ignored: nothing to enlarge
    EXPECT_EQ(e.guideScaled, enlarged);
    EXPECT_FALSE(state.resizeMode);

    typeInto(e.tancho, "10");
    typeInto(e.talto, "8");
    e.Button5Click();
    EXPECT_EQ(e.guideScaled.size(), QSize(150, 120));
    e.Button12Click();
    typeInto(e.tancho, "12");
    e.Button5Click();
    EXPECT_EQ(e.guideScaled.size(), QSize(150, 120)) << "a hidden guide is not rescaled";
}

TEST(EditorExport, WritesThePicturesLineNamedAfterItAndTheMinute) {
    EditorRig rig(5);
    TFcpintura& e = rig.editor();
    rig.goTo(3);
    rig.paint(2, 2);
    rig.platform.clock = {2026, 7, 14, 16, 5, 30};
    e.Button17Click();
    e.Button17Click();   // the same minute: the same file, replaced
    const std::filesystem::path file = rig.folder() / "files/Pic0003Date1407Time1605.gpe";
    const std::string line = formatPictureLine(withCellFlipped(numberedPicture(3), 2, 2));
    EXPECT_EQ(readBytes(file), line);
    EXPECT_EQ(rig.fileBytes().substr(2 * line.size(), line.size()), line) << "stored in the library first";
    EXPECT_FALSE(rig.state().modified);
    EXPECT_EQ(rig.texts(), QStringList(2, QStringLiteral("Pic0003Date1407Time1605.gpe created")));
    int exchangeFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(rig.folder() / "files"))
        exchangeFiles += entry.path().extension() == ".gpe";
    EXPECT_EQ(exchangeFiles, 1);

    // A name taken by a folder cannot be written: the user is told why.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    rig.platform.messages.clear();
    e.Button17Click();
    ASSERT_EQ(rig.platform.messages.size(), 1u);
    EXPECT_EQ(rig.platform.messages[0].kind, ShownMessage::Error);
    EXPECT_TRUE(rig.texts()[0].contains(QString::fromStdString(file.string())));
}

TEST(EditorImport, AppendsAllOrNothingAndShowsTheLastPicture) {
    const std::string one = formatPictureLine(numberedPicture(20)), two = formatPictureLine(numberedPicture(21));
    const struct {
        const char* name;
        std::optional<std::string> content;   // of the exchange file, if there is one
        int current;                          // the picture shown afterwards
        const char* widthShown;
        const char* message;                  // "" for none
    } cases[] = {
        {"one line", one, 10, "24", ""},
        {"two lines", one + two, 11, "25", ""},
        {"empty", "", 9, "13", ""},
        {"a short line", one + two.substr(0, 100) + "\r\n", 3, "7", "Line 2 has 100 characters"},
        {"missing", std::nullopt, 3, "7", "File dont exist"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorRig rig(9);
        rig.goTo(3);
        rig.paint(1, 1);   // dropped by a successful import
        rig.state().guideVisible = true;
        const std::string before = rig.fileBytes();
        const std::filesystem::path file = rig.folder() / "pictures.gpe";
        if (test.content) writeBytes(file, *test.content);
        rig.platform.fileAnswers = {QString::fromStdString(file.string())};
        rig.editor().Button16Click();
        // The exchange files come first, as designed; the public puzzle formats after them.
        EXPECT_EQ(rig.platform.lastFilter, QStringLiteral("*.gpe|*.gpe|*.non;*.nonpack;*.xml|*.non;*.nonpack;*.xml"));
        const bool imported = *test.message == '\0';
        EXPECT_EQ(rig.fileBytes(), imported ? before + *test.content : before);
        EXPECT_EQ(rig.title(), QString::asprintf("Picture %.3d", test.current));
        EXPECT_EQ(rig.editor().tancho->text(), test.widthShown);
        EXPECT_EQ(rig.state().guideVisible, !imported);
        EXPECT_EQ(rig.state().cells.at(1, 1), imported ? 0 : 1);
        EXPECT_EQ(rig.state().modified, !imported) << "declined changes on a board that stays stay unsaved";
        QStringList shown = rig.texts();
        // The offer to save comes once a file that exists was chosen.
        if (test.content) {
            ASSERT_FALSE(shown.isEmpty());
            EXPECT_EQ(shown.takeFirst(), QString::fromLatin1(kOfferToSaveText));
        }
        ASSERT_EQ(shown.size(), imported ? 0 : 1) << shown.join("|").toStdString();
        if (!imported) {
            EXPECT_TRUE(shown[0].contains(QString::fromLatin1(test.message))) << shown[0].toStdString();
        }
    }
}

TEST(EditorImport, OffersToSaveTheBoardFirstAndYesKeepsItsChanges) {
    const std::string line = formatPictureLine(numberedPicture(20));
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        EditorRig rig(3);
        rig.goTo(2);
        rig.paint(1, 1);
        const std::filesystem::path file = rig.folder() / "one.gpe";
        writeBytes(file, line);
        rig.platform.fileAnswers = {QString::fromStdString(file.string())};
        rig.platform.confirmAnswers = {answer};
        rig.editor().Button16Click();
        std::vector<TPictureRecord> kept = numberedPictures(3);
        if (answer) kept[1] = withCellFlipped(kept[1], 1, 1);
        EXPECT_EQ(rig.fileBytes(), libraryBytes(kept) + line);
        EXPECT_EQ(rig.texts(), QStringList{QString::fromLatin1(kOfferToSaveText)});
        EXPECT_EQ(rig.state().currentPicture, 4);
    }
}

}  // namespace
}  // namespace mosarin::testing
