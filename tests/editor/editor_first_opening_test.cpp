// The editor is made hidden at start-up and composes nothing until it is
// first opened; it then opens on its picture and works as before.
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/canvas.h"
#include "shell/image_view.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

TEST(EditorFirstOpening, NothingIsComposedWhileHiddenAndTheWindowOpensOnItsPicture) {
    TempFolder temp;
    std::filesystem::create_directories(temp / "files");
    writeBytes(temp / "files/pictures.txt", libraryBytes(numberedPictures(2)));
    FakePlatform platform;
    TFcpintura editor(platform, QString::fromStdString(temp.path().string()) + QLatin1Char('/'));

    EXPECT_FALSE(editor.Timer1->isActive()) << "a hidden editor sleeps from its creation";
    EXPECT_TRUE(editor.surface().frameImage.isNull());
    EXPECT_TRUE(editor.surface().boardImage.isNull());
    EXPECT_TRUE(editor.Image1->frame().isNull());
    EXPECT_EQ(editor.state().currentPicture, 1) << "the set-up itself still runs at creation";

    const QRgb filled = toRgb(numberedPicture(1).colors[colorPicture]);
    const QRgb empty = toRgb(numberedPicture(1).colors[colorBack1]);
    QRgb shownAtOpening = 0;
    QTimer::singleShot(0, &editor, [&] {
        shownAtOpening = editor.Image1->frame().isNull() ? 0 : editor.Image1->frame().pixel(cellPoint(1, 1));
        editor.reject();
    });
    editor.showModal();
    EXPECT_EQ(shownAtOpening, filled) << "the first frame is there when the window opens";

    // Painting after the first opening draws as it always did.
    editor.Image1->onPress(Qt::LeftButton, cellPoint(2, 1).x(), cellPoint(2, 1).y());
    editor.Image1->onRelease();
    EXPECT_TRUE(editor.Timer1->isActive()) << "a change asks for a frame";
    editor.Timer1Timer();
    EXPECT_EQ(editor.Image1->frame().pixel(cellPoint(2, 1)), filled);
    EXPECT_EQ(editor.Image1->frame().pixel(cellPoint(3, 1)), empty);
}

}  // namespace
}  // namespace mosarin::testing
