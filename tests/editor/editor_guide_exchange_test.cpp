// The guide-image commands ("Show", "Hide", "Resize", and "Change" with a
// guide shown) and the exchange commands ("Export Picture", "Import
// Picture") through the real window, with scripted dialogs.
#include <QBuffer>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "picture/library_file.h"
#include "shell/image_view.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// A 2 x 2 picture, black on the left and white on the right.
QImage blackWhite() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(0, 1, qRgb(0, 0, 0));
    return image;
}

QString pathIn(EditorRig& rig, const char* name, const QByteArray& bytes) {
    const std::filesystem::path file = rig.folder() / name;
    writeBytes(file, std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return QString::fromStdString(file.string());
}

// "Show" decides JPEG or bitmap by the name's last three letters alone; a
// refused file changes neither bitmap nor flag.
TEST(EditorShow, TheNameDecidesHowTheFileIsReadAndFailuresChangeNothing) {
    const QByteArray jpeg = encoded(blackWhite(), "JPG"), bmp = encoded(blackWhite(), "BMP");
    const struct {
        const char* name;         // nullptr: the dialog is cancelled
        const QByteArray* bytes;  // nullptr: no such file
        const char* message;      // "" when it loads
    } cases[] = {
        {"g.JPG", &jpeg, ""},  {"g.jpg", &jpeg, ""},  {"g.Jpg", &jpeg, ""},  {"g.bmp", &bmp, ""},
        {"g.jpeg", &jpeg, "Bitmap image is not valid."},  {"g.jpg", &bmp, "JPEG error #"},
        {"none.bmp", nullptr, "File dont exist"},  {nullptr, nullptr, ""},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name ? test.name : "cancelled");
        EditorRig rig(numberedPictures(2));   // picture 1: 5 x 4 cells
        TFcpintura& e = rig.editor();
        QString path;
        if (test.name) path = test.bytes ? pathIn(rig, test.name, *test.bytes) : pathIn(rig, "x", {}).replace("x", test.name);
        rig.platform.fileAnswers = {test.name ? std::optional<QString>(path) : std::nullopt};
        rig.state().redrawPending = rig.state().boardStale = false;
        e.Button11->click();
        EXPECT_EQ(rig.platform.lastFilter, QStringLiteral("*.jpg|*.jpg|*.bmp|*.bmp"));
        const bool loads = test.name && std::string(test.message).empty();
        EXPECT_EQ(rig.state().guideVisible, loads);
        EXPECT_EQ(rig.state().boardStale, loads);
        EXPECT_EQ(e.guideScaled.size(), loads ? QSize(75, 60) : QSize(0, 0));
        if (loads) {
            EXPECT_EQ(e.guideSource.size(), QSize(2, 2));
            EXPECT_LT(qRed(e.guideScaled.pixel(0, 30)), 16);    // the black column
            EXPECT_GT(qRed(e.guideScaled.pixel(74, 30)), 200);  // almost the white one
        }
        const QStringList shown = rig.platform.texts();
        if (std::string(test.message).empty()) {
            EXPECT_TRUE(shown.isEmpty()) << shown.join("|").toStdString();
        } else {
            ASSERT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown[0].startsWith(QString::fromLatin1(test.message))) << shown[0].toStdString();
        }
    }
}

// "Resize" picks a rectangle of the guide as shown and enlarges it; before
// any guide was loaded it changes nothing that can be seen. "Hide" keeps the
// bitmaps, and a completed selection shows them again. "Change" rescales a
// shown guide only.
TEST(EditorGuide, HideResizeAndChangeWorkOnTheGuideAsShown) {
    EditorRig rig(numberedPictures(2));
    TFcpintura& e = rig.editor();
    e.Timer1Timer();
    const QImage before = e.surface().boardImage.copy();
    e.Button15Click();
    e.posiciona(30, 30);
    e.Image1MouseMove(60, 50);
    e.posiciona(30, 30);
    EXPECT_TRUE(rig.state().boardStale);
    e.Timer1Timer();
    EXPECT_TRUE(e.surface().boardImage == before) << "the static layer, where a guide would lie, is unchanged";

    rig.platform.fileAnswers = {pathIn(rig, "g.bmp", encoded(blackWhite(), "BMP"))};
    e.Button11Click();
    const QImage shown = e.guideScaled;
    e.Button12Click();
    EXPECT_FALSE(rig.state().guideVisible);
    e.Button15Click();
    e.posiciona(20, 20);          // first corner: board pixel (0, 0)
    e.Image1MouseMove(20 + 37, 20 + 29);
    e.posiciona(600, 600);        // anywhere: the selection is applied
    EXPECT_TRUE(rig.state().guideVisible && !rig.state().resizeMode);
    EXPECT_EQ(e.guideSource, shown);
    ASSERT_EQ(e.guideScaled.size(), QSize(75, 60));
    EXPECT_EQ(e.guideScaled.pixel(0, 0), shown.pixel(0, 0));
    EXPECT_EQ(e.guideScaled.pixel(74, 59), shown.pixel(36, 28));
    EXPECT_EQ(e.guideScaled.pixel(37, 30), shown.pixel(18, 15));

    e.tancho->setText(QStringLiteral("10"));
    e.talto->setText(QStringLiteral("8"));
    rig.state().widthText = "10";
    rig.state().heightText = "8";
    e.Button5Click();
    EXPECT_EQ(e.guideScaled.size(), QSize(150, 120));
    e.Button12Click();
    rig.state().widthText = "12";
    e.Button5Click();
    EXPECT_EQ(e.guideScaled.size(), QSize(150, 120)) << "a hidden guide is not rescaled";
}

TEST(EditorExport, WritesThePicturesLineNamedAfterItAndTheMinute) {
    EditorRig rig(numberedPictures(5));
    TFcpintura& e = rig.editor();
    for (int n = 1; n < 3; ++n) e.Button18Click();
    rig.paint(2, 2);
    rig.platform.clock = {2026, 7, 14, 16, 5, 30};
    e.Button17Click();
    e.Button17Click();   // the same minute: the same file, replaced
    const std::filesystem::path file = rig.folder() / "files/Pic0003Date1407Time1605.gpe";
    const std::string line = formatPictureLine(withCellFlipped(numberedPicture(3), 2, 2));
    EXPECT_EQ(readBytes(file), line);
    EXPECT_EQ(rig.fileBytes().substr(2 * line.size(), line.size()), line) << "stored in the library first";
    EXPECT_FALSE(rig.state().modified);
    EXPECT_EQ(rig.platform.texts(), QStringList(2, QStringLiteral("Pic0003Date1407Time1605.gpe created")));
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
    EXPECT_TRUE(rig.platform.messages[0].text.contains(QString::fromStdString(file.string())));
}

TEST(EditorImport, AppendsAllOrNothingAndShowsTheLastPicture) {
    const std::string one = formatPictureLine(numberedPicture(20)), two = formatPictureLine(numberedPicture(21));
    const struct {
        const char* name;
        std::string content;   // of the exchange file
        bool exists;
        int current;           // the picture shown afterwards
        const char* widthShown;
        const char* message;   // "" for none; else what it says
    } cases[] = {
        {"one line", one, true, 10, "24", ""},
        {"two lines", one + two, true, 11, "25", ""},
        {"empty", "", true, 9, "13", ""},
        {"a short line", one + two.substr(0, 100) + "\r\n", true, 3, "7", "Line 2 has 100 characters"},
        {"missing", "", false, 3, "7", "File dont exist"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        EditorRig rig(numberedPictures(9));
        TFcpintura& e = rig.editor();
        for (int n = 1; n < 3; ++n) e.Button18Click();
        rig.paint(1, 1);                   // dropped by a successful import
        rig.state().guideVisible = true;
        const std::string before = rig.fileBytes();
        const std::filesystem::path file = rig.folder() / "pictures.gpe";
        if (test.exists) writeBytes(file, test.content);
        rig.platform.fileAnswers = {QString::fromStdString(file.string())};
        e.Button16Click();
        EXPECT_EQ(rig.platform.lastFilter, QStringLiteral("*.gpe|*.gpe"));
        const bool imported = std::string(test.message).empty();
        EXPECT_EQ(rig.fileBytes(), imported ? before + test.content : before);
        EXPECT_EQ(rig.state().currentPicture, test.current);
        EXPECT_EQ(e.GroupBox3->title(), QString::asprintf("Picture %.3d", test.current));
        EXPECT_EQ(e.tancho->text(), test.widthShown);
        EXPECT_EQ(rig.state().guideVisible, !imported);
        EXPECT_EQ(rig.state().cells.at(1, 1), imported ? 0 : 1);
        EXPECT_TRUE(rig.state().modified) << "an import leaves it as it was";
        const QStringList shown = rig.platform.texts();
        if (imported) {
            EXPECT_TRUE(shown.isEmpty()) << shown.join("|").toStdString();
        } else {
            ASSERT_EQ(shown.size(), 1);
            EXPECT_TRUE(shown[0].contains(QString::fromLatin1(test.message))) << shown[0].toStdString();
        }
    }
}

}  // namespace
}  // namespace mosarin::testing
