// The program makes the Pictures Editor when "Edit Pictures" first opens it.
// Made then, it opens on exactly what one made at start-up opens on.
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/deferred_modal_window.h"
#include "shell/image_view.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

// The frame the editor shows as it opens, and its title; closes it again.
struct Opening {
    QImage frame;
    QString title;
};

Opening openAndClose(ModalWindow& window, const std::function<TFcpintura*()>& editor) {
    Opening seen;
    QTimer::singleShot(0, qApp, [&] {
        seen.frame = editor()->Image1->frame().copy();
        seen.title = editor()->GroupBox3->title();
        editor()->reject();
    });
    window.showModal();
    return seen;
}

TEST(DeferredEditor, MadeAtTheFirstOpeningOnlyAndOpensAsOneMadeAtStartUp) {
    TempFolder temp;
    std::filesystem::create_directories(temp / "files");
    writeBytes(temp / "files/pictures.txt", libraryBytes(numberedPictures(3)));
    const QString folder = QString::fromStdString(temp.path().string()) + QLatin1Char('/');
    FakePlatform platform;

    TFcpintura atStart(platform, folder);
    int made = 0;
    TFcpintura* later = nullptr;
    DeferredModalWindow deferred([&]() -> std::unique_ptr<ModalWindow> {
        ++made;
        auto editor = std::make_unique<TFcpintura>(platform, folder);
        later = editor.get();
        return editor;
    });
    EXPECT_EQ(made, 0);
    EXPECT_EQ(deferred.window(), nullptr);

    const Opening first = openAndClose(atStart, [&] { return &atStart; });
    const Opening deferredFirst = openAndClose(deferred, [&] { return later; });
    EXPECT_EQ(made, 1);
    ASSERT_FALSE(first.frame.isNull());
    EXPECT_EQ(deferredFirst.frame, first.frame);
    EXPECT_EQ(deferredFirst.title, first.title);

    // A second opening shows the same editor, its state kept.
    later->Button18Click();   // ">>>": the next picture
    const QString moved = later->GroupBox3->title();
    const Opening second = openAndClose(deferred, [&] { return later; });
    EXPECT_EQ(made, 1);
    EXPECT_EQ(deferred.window(), later);
    EXPECT_EQ(second.title, moved);
    EXPECT_NE(second.title, first.title);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace mosarin::testing
