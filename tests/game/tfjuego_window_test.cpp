// The game window's layout and what its creation leaves behind, also when
// its assets or its library are missing or damaged.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "game/window_geometry.h"
#include "picture/whole_file.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

TEST_F(GameWindowTest, ControlsStandWhereTheLayoutPutsThem) {
    const struct {
        QWidget* control;
        QWidget* parent;
        QRect place;
        const char* caption;
    } layout[] = {
        {game.Button1, &game, {705, 168, 66, 38}, "New Game"},   {game.Button3, &game, {705, 208, 66, 38}, "Load Game"},
        {game.Button2, &game, {705, 248, 66, 38}, "Save Game"},  {game.Button6, &game, {705, 288, 65, 38}, "Edit Pictures"},
        {game.Button5, &game, {705, 327, 65, 38}, "Help (On-Line)"}, {game.Button4, game.gp1, {56, 64, 81, 25}, "Play"},
        {game.Image1, &game, {0, 0, 780, 555}, nullptr},         {game.gp1, &game, {304, 264, 193, 97}, nullptr},
    };
    for (const auto& expected : layout) {
        SCOPED_TRACE(expected.caption ? expected.caption : "");
        EXPECT_EQ(expected.control->geometry(), expected.place);
        EXPECT_EQ(expected.control->parentWidget(), expected.parent);
        if (auto* button = qobject_cast<QPushButton*>(expected.control)) {
            EXPECT_EQ(button->text(), expected.caption);
        }
    }
    EXPECT_EQ(game.S1->parentWidget(), game.gp1);
    EXPECT_EQ(game.S1->pos(), QPoint(56, 8));
    EXPECT_EQ(game.S1->text(), QStringLiteral("Select Picture"));
    EXPECT_EQ(game.cb1->parentWidget(), game.gp1);
    EXPECT_EQ(game.cb1->pos(), QPoint(24, 32));
    EXPECT_EQ(game.cb1->width(), 153);
    EXPECT_TRUE(game.cb1->isEditable());
    EXPECT_EQ(game.cb1->currentText(), QStringLiteral("Select"));
    EXPECT_EQ(game.windowTitle(), QStringLiteral("Mosarin"));
    EXPECT_EQ(game.Button1->font().pixelSize(), 11);
    // "Help (On-Line)" does not fit its 65 pixels and breaks; "Play" fits.
    EXPECT_EQ(textLines(game.Button5->grab().toImage()), 2);
    EXPECT_EQ(textLines(game.Button4->grab().toImage()), 1);
}

TEST(GameWindowPlacement, CentresByTruncatingDivision) {
    const std::pair<QSize, ScreenPoint> cases[] = {
        {{1024, 768}, {117, 89}}, {{1023, 767}, {116, 88}}, {{789, 589}, {0, 0}},   // -1 / 2 truncates toward zero
        {{640, 480}, {-75, -55}},                                                     // partly off a small screen
    };
    for (const auto& [screen, expected] : cases)
        EXPECT_EQ(centredOrigin(screen.width(), screen.height(), kGameOuterWidth, kGameOuterHeight), expected) << screen.width();
}

TEST_F(GameWindowTest, CreationShowsTheStartScreenAtTheFirstTickOnly) {
    const GameState& state = game.state();
    EXPECT_TRUE(platform.messages.empty()) << platform.texts().join(" | ").toStdString();
    EXPECT_FALSE(state.boardShown || state.puzzleActive);
    EXPECT_TRUE(state.redrawPending);
    EXPECT_EQ(state.library.count, 12);
    EXPECT_EQ(state.currentPicture, 1);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    EXPECT_EQ(game.Timer1->interval(), 40);

    game.Timer1Timer();
    EXPECT_FALSE(state.redrawPending);
    const QImage& frame = game.surface().frameImage;
    EXPECT_TRUE(nearColor(frame.pixel(5, 5), kBackAsset));
    EXPECT_TRUE(nearColor(frame.pixel(60, 45), kStartAsset));    // init.jpg at (50, 35)
    EXPECT_TRUE(nearColor(frame.pixel(175, 100), kBackAsset));   // beyond its 120 x 60
    // The surface paints exactly that frame, unscaled from its corner.
    const QImage shown = game.Image1->grab().toImage();
    for (const QPoint at : {QPoint(5, 5), QPoint(60, 45), QPoint(779, 554)}) EXPECT_EQ(shown.pixel(at), frame.pixel(at));

    game.surface().frameImage.fill(Qt::black);
    game.Timer1Timer();
    EXPECT_EQ(game.surface().frameImage.pixel(5, 5), qRgb(0, 0, 0)) << "nothing due, nothing composed";
}

// Each problem is told once, in the right kind of box naming the file, and
// the window is still made, ticks, and lists what could be read.
TEST(GameWindowSetUp, ProblemsAreToldAndTheGameStillStarts) {
    struct Case {
        const char* name;
        void (*damage)(const GameFolder&);
        std::vector<std::pair<ShownMessage::Kind, const char*>> messages;   // kind, the file named
        int listed;
    };
    const Case cases[] = {
        {"missing assets",
         [](const GameFolder& f) {
             std::filesystem::remove(f.file("images/back.jpg"));
             std::filesystem::remove(f.file("images/end1.bmp"));
         },
         {{ShownMessage::ErrorBox, "images/back.jpg"}, {ShownMessage::ErrorBox, "images/end1.bmp"}}, 2},
        {"damaged library", [](const GameFolder& f) { writeBytes(f.libraryFile(), readBytes(f.libraryFile()) + "not a picture\r\n"); },
         {{ShownMessage::Warning, "files/pictures.txt"}}, 3},
        {"oversized library", [](const GameFolder& f) { std::filesystem::resize_file(f.libraryFile(), kMaxTextFileBytes + 1); },
         {{ShownMessage::Warning, "files/pictures.txt"}}, 0},   // told as a library that cannot be read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder folder({pictureOf({"#.#", "###"}), pictureOf({"##", "#."})});
        FakePlatform platform;
        c.damage(folder);
        Tfjuego game(platform, folder.programFolder());
        ASSERT_EQ(platform.messages.size(), c.messages.size()) << platform.texts().join(" | ").toStdString();
        for (size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(platform.messages[i].kind, c.messages[i].first);
            const QString& text = platform.messages[i].text;
            EXPECT_TRUE(text.contains(folder.programFolder() + c.messages[i].second)) << text.toStdString();
        }
        EXPECT_TRUE(game.Timer1->isActive());
        EXPECT_TRUE(game.state().redrawPending);
        game.Timer1Timer();
        game.Button1Click();
        EXPECT_EQ(game.cb1->count(), c.listed);
        EXPECT_TRUE(game.gp1->isVisibleTo(&game));
    }
}

}  // namespace
}  // namespace mosarin::testing
