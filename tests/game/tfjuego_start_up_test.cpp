// What the program's start leaves for later: the "Select Picture" panel,
// built by the first command that shows it, and the assets, decoded by the
// first frame that draws them.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "game/play_surface.h"
#include "picture/whole_file.h"
#include "shell/game_assets.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

struct PanelLook {
    QRect frame, label, list, play;
    QString labelText, listText;
    bool editable = false, shown = false;
    int listed = 0;
    bool operator==(const PanelLook&) const = default;
};

PanelLook lookOf(const Tfjuego& game) {
    return {game.gp1->geometry(), game.S1->geometry(), game.cb1->geometry(), game.Button4->geometry(),
            game.S1->text(),      game.cb1->currentText(), game.cb1->isEditable(), game.gp1->isVisibleTo(&game),
            game.cb1->count()};
}

TEST(GameStartUp, APanelBuiltWhenFirstNeededIsTheOneBuiltWithTheWindow) {
    GameFolder folder(twelvePictures());
    FakePlatform platform;
    // The window's size when the panel is first needed, and what needs it.
    const struct {
        const char* name;
        QSize size;
        std::function<void(Tfjuego&)> build;
    } cases[] = {
        {"New Game", {782, 563}, [](Tfjuego& game) { game.Button1Click(); }},
        {"Ctrl+N, larger window", {1000, 700},
         [](Tfjuego& game) { QTest::keyClick(game.Button5, Qt::Key_N, Qt::ControlModifier); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Tfjuego eager(platform, folder.programFolder());
        Tfjuego later(platform, folder.programFolder(), nullptr, Tfjuego::SelectPanel::WhenFirstNeeded);
        for (Tfjuego* game : {&eager, &later}) {
            game->Timer1->stop();
            game->resize(c.size);
            game->show();
        }
        // Neither the event loop, nor keys on the side buttons, nor a return
        // to the start screen or a saved game's loading needs the panel.
        QApplication::processEvents();
        QTest::keyClick(later.Button5, Qt::Key_Right);
        later.Button6Click();
        later.Button3Click();
        EXPECT_EQ(later.gp1, nullptr);
        c.build(later);
        ASSERT_NE(later.gp1, nullptr);
        eager.Button1Click();
        EXPECT_EQ(lookOf(later), lookOf(eager));
        // Built once: the next command uses the same controls.
        QComboBox* const list = later.cb1;
        later.Button1Click();
        EXPECT_EQ(later.cb1, list);
        EXPECT_EQ(later.cb1->count(), 12);
    }
    EXPECT_TRUE(platform.messages.empty());
}

// JPEG data whose scan asks for Huffman tables the file never defines: its
// header reads well, its pixels cannot be decoded.
void damageScan(const std::filesystem::path& file) {
    std::string bytes = readBytes(file);
    bytes[bytes.find("\xFF\xDA") + 6] = char(0x33);
    writeBytes(file, bytes);
}

TEST(GameStartUp, AssetsAreDecodedByTheFirstFrameThatDrawsThemAndTheirFaultsToldThen) {
    GameFolder folder(twelvePictures());
    damageScan(folder.file("images/end2.jpg"));
    FakePlatform platform;
    Tfjuego game(platform, folder.programFolder());
    game.Timer1->stop();
    EXPECT_TRUE(platform.messages.empty()) << "the header is sound";

    // The start screen, pixel for pixel as from all four assets loaded at once.
    game.Timer1Timer();
    FakePlatform loading;
    GameState state;
    PlaySurface surface;
    mostrar(state, loadGameAssets(folder.programFolder(), loading), surface, loading);
    const QImage startScreen = surface.frameImage;
    EXPECT_EQ(game.surface().frameImage, startScreen);
    EXPECT_TRUE(platform.messages.empty()) << "the end screen's pictures wait for a board";
    EXPECT_TRUE(game.assets().backImage.isNull()) << "the start screen lives in its frame alone";
    EXPECT_TRUE(game.assets().startImage.isNull());

    // The first board decodes them: the damaged one is told once.
    playPicture(game, 4);
    ASSERT_EQ(platform.texts().size(), 1);
    EXPECT_TRUE(platform.texts()[0].startsWith(QStringLiteral("JPEG error #")));
    EXPECT_FALSE(game.assets().backImage.isNull()) << "a board keeps its background";
    playPicture(game, 5);
    game.Timer1Timer();
    EXPECT_EQ(platform.texts().size(), 1);

    // Back to the start screen: its pictures decoded again, the same pixels.
    game.Button6Click();
    game.Timer1Timer();
    EXPECT_EQ(game.surface().frameImage, startScreen);
    EXPECT_EQ(platform.texts().size(), 1);
}

}  // namespace
}  // namespace mosarin::testing
