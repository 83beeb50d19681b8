// The game window's layout and what its creation leaves behind.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "game/image_view.h"
#include "game/tfjuego.h"
#include "game/window_geometry.h"
#include "game/wrap_button.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"
#include "tests/support/fake_platform.h"

namespace mosarin::testing {
namespace {

struct ControlPlace {
    const char* name;
    QWidget* (*control)(Tfjuego&);
    QRect place;
    const char* caption;
    bool inPanel;
};

const ControlPlace kLayout[] = {
    {"Button1", [](Tfjuego& g) -> QWidget* { return g.Button1; }, {705, 168, 66, 38}, "New Game", false},
    {"Button3", [](Tfjuego& g) -> QWidget* { return g.Button3; }, {705, 208, 66, 38}, "Load Game", false},
    {"Button2", [](Tfjuego& g) -> QWidget* { return g.Button2; }, {705, 248, 66, 38}, "Save Game", false},
    {"Button6", [](Tfjuego& g) -> QWidget* { return g.Button6; }, {705, 288, 65, 38}, "Edit Pictures", false},
    {"Button5", [](Tfjuego& g) -> QWidget* { return g.Button5; }, {705, 327, 65, 38}, "Help (On-Line)", false},
    {"Button4", [](Tfjuego& g) -> QWidget* { return g.Button4; }, {56, 64, 81, 25}, "Play", true},
};

QString captionOf(QWidget* control) {
    if (auto* button = qobject_cast<QPushButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    return {};
}

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest() { folder.writeLibrary({pictureOf({"#.#", "###"}), pictureOf({"##", "#."})}); }

    GameFolder folder;
    FakePlatform platform;
};

TEST_F(GameWindowTest, ControlsStandWhereTheLayoutPutsThem) {
    Tfjuego game(platform, folder.programFolder());
    for (const ControlPlace& expected : kLayout) {
        SCOPED_TRACE(expected.name);
        QWidget* control = expected.control(game);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), expected.place);
        EXPECT_EQ(captionOf(control), QString::fromLatin1(expected.caption));
        EXPECT_EQ(control->parentWidget(), expected.inPanel ? static_cast<QWidget*>(game.gp1) : &game);
    }
    EXPECT_EQ(game.Image1->geometry(), QRect(0, 0, 780, 555));
    EXPECT_EQ(game.gp1->geometry(), QRect(304, 264, 193, 97));
    EXPECT_EQ(game.S1->parentWidget(), game.gp1);
    EXPECT_EQ(game.S1->pos(), QPoint(56, 8));
    EXPECT_EQ(game.S1->text(), QStringLiteral("Select Picture"));
    EXPECT_EQ(game.cb1->parentWidget(), game.gp1);
    EXPECT_EQ(game.cb1->pos(), QPoint(24, 32));
    EXPECT_EQ(game.cb1->width(), 153);
    EXPECT_TRUE(game.cb1->isEditable());
    EXPECT_EQ(game.cb1->currentText(), QStringLiteral("Select"));
}

TEST_F(GameWindowTest, WindowCaptionTimerAndFont) {
    Tfjuego game(platform, folder.programFolder());
    EXPECT_EQ(game.windowTitle(), QStringLiteral("Mosarin"));
    EXPECT_TRUE(game.Timer1->isActive());
    EXPECT_EQ(game.Timer1->interval(), 40);
    EXPECT_EQ(game.Button1->font().pixelSize(), 11);
    EXPECT_EQ(game.cb1->font().pixelSize(), 11);
    // The client area holds the whole surface.
    EXPECT_GE(game.width(), 780);
    EXPECT_GE(game.height(), 555);
}

TEST_F(GameWindowTest, CaptionsThatDoNotFitBreakIntoTwoLines) {
    Tfjuego game(platform, folder.programFolder());
    EXPECT_EQ(textLines(game.Button5->grab().toImage()), 2);   // "Help (On-Line)" in 65 pixels
    EXPECT_EQ(textLines(game.Button4->grab().toImage()), 1);   // "Play" in 81 pixels
}

TEST(WrapButtonCaption, BreaksOnlyAtSpacesWhereTheNextWordWouldNotFit) {
    const QFontMetrics metrics(QFont(QStringLiteral("Sans Serif"), 9));
    const auto advance = [&](const char* text) { return metrics.horizontalAdvance(QString::fromLatin1(text)); };
    struct Case {
        const char* caption;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {"Help (On-Line)", advance("Help (On-Line)"), "Help (On-Line)"},
        {"Help (On-Line)", advance("Help (On-Line)") - 1, "Help\n(On-Line)"},
        {"Help (On-Line)", advance("Help"), "Help\n(On-Line)"},   // "(On-Line)" alone is wider
        {"Edit Pictures", advance("Edit") + 1, "Edit\nPictures"},
        {"a b c", advance("a b"), "a b\nc"},
        {"a b c", 1, "a\nb\nc"},
        {"Play", 1, "Play"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.caption) + " in " + std::to_string(c.width));
        EXPECT_EQ(wrappedAtSpaces(QString::fromLatin1(c.caption), metrics, c.width), QString::fromLatin1(c.expected));
    }
}

TEST(GameWindowPlacement, CentresByTruncatingDivision) {
    struct Case {
        int screenWidth, screenHeight;
        ScreenPoint expected;
    };
    const Case cases[] = {
        {1024, 768, {117, 89}},
        {1023, 767, {116, 88}},
        {790, 590, {0, 0}},
        {789, 589, {0, 0}},      // -1 / 2 truncates toward zero
        {640, 480, {-75, -55}},  // a small screen leaves the window partly off it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screenWidth);
        EXPECT_EQ(centredOrigin(c.screenWidth, c.screenHeight, kGameOuterWidth, kGameOuterHeight), c.expected);
    }
}

TEST_F(GameWindowTest, CreationLeavesTheStartScreenDue) {
    Tfjuego game(platform, folder.programFolder());
    const GameState& state = game.state();
    EXPECT_TRUE(platform.messages.empty()) << platform.texts().join(" | ").toStdString();
    EXPECT_FALSE(state.boardShown);
    EXPECT_FALSE(state.puzzleActive);
    EXPECT_TRUE(state.redrawPending);
    EXPECT_EQ(state.library.count, 2);
    EXPECT_EQ(state.currentPicture, 1);
    EXPECT_EQ(state.boardLeft, 130);
    EXPECT_EQ(state.boardTop, 120);
    EXPECT_FALSE(game.gp1->isVisibleTo(&game));
    EXPECT_EQ(game.programFolder(), folder.programFolder());
    EXPECT_EQ(game.surface().frameImage.size(), QSize(780, 555));
    EXPECT_FALSE(game.assets().backImage.isNull());
    EXPECT_FALSE(game.assets().endOverlay.isNull());
}

TEST_F(GameWindowTest, FirstTickComposesTheStartScreenAndShowsIt) {
    Tfjuego game(platform, folder.programFolder());
    game.Timer1Timer();
    EXPECT_FALSE(game.state().redrawPending);
    const QImage& frame = game.surface().frameImage;
    EXPECT_TRUE(nearColor(frame.pixel(5, 5), kBackAsset));
    EXPECT_TRUE(nearColor(frame.pixel(60, 45), kStartAsset));      // init.jpg at (50, 35)
    EXPECT_TRUE(nearColor(frame.pixel(175, 100), kBackAsset));     // beyond its 120 x 60

    // The surface paints exactly that frame, unscaled from its corner.
    const QImage shown = game.Image1->grab().toImage();
    for (const QPoint at : {QPoint(5, 5), QPoint(60, 45), QPoint(779, 554)}) {
        EXPECT_EQ(shown.pixel(at), frame.pixel(at)) << at.x() << "," << at.y();
    }
}

TEST_F(GameWindowTest, TickWithNothingDueComposesNothing) {
    Tfjuego game(platform, folder.programFolder());
    game.Timer1Timer();
    game.surface().frameImage.fill(Qt::black);
    game.Timer1Timer();
    EXPECT_EQ(game.surface().frameImage.pixel(5, 5), qRgb(0, 0, 0));
}

TEST_F(GameWindowTest, EachMissingAssetIsReportedOnceAndTheGameStillStarts) {
    std::filesystem::remove(folder.file("images/back.jpg"));
    std::filesystem::remove(folder.file("images/end1.bmp"));
    Tfjuego game(platform, folder.programFolder());

    ASSERT_EQ(platform.messages.size(), 2u) << platform.texts().join(" | ").toStdString();
    const QString missing[] = {folder.programFolder() + "images/back.jpg", folder.programFolder() + "images/end1.bmp"};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(platform.messages[i].kind, ShownMessage::ErrorBox);
        EXPECT_TRUE(platform.messages[i].text.contains(missing[i])) << platform.messages[i].text.toStdString();
    }
    EXPECT_TRUE(game.assets().backImage.isNull());
    EXPECT_FALSE(game.assets().startImage.isNull());
    EXPECT_TRUE(game.state().redrawPending);
    game.Button1Click();
    EXPECT_EQ(game.cb1->count(), 2);
}

TEST_F(GameWindowTest, MissingLibraryGivesAnEmptyListWithoutAMessage) {
    std::filesystem::remove(folder.libraryFile());
    Tfjuego game(platform, folder.programFolder());
    EXPECT_TRUE(platform.messages.empty());
    game.Button1Click();
    EXPECT_EQ(game.cb1->count(), 0);
    EXPECT_TRUE(game.gp1->isVisibleTo(&game));
}

TEST_F(GameWindowTest, ADamagedLibraryIsReadAndTheDamageReported) {
    writeBytes(folder.libraryFile(), readBytes(folder.libraryFile()) + "not a picture\r\n");
    Tfjuego game(platform, folder.programFolder());

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, ShownMessage::Warning);
    EXPECT_TRUE(platform.messages[0].text.contains(QString::fromStdString(folder.libraryFile().string())));
    EXPECT_EQ(game.state().library.count, 3);
    EXPECT_TRUE(game.state().redrawPending);
}

}  // namespace
}  // namespace mosarin::testing
