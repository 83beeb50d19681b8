// Imported pictures' notes reach the player as the tooltips of their Select
// Picture entries, found by their clues wherever the pictures now stand.
#include <QComboBox>
#include <gtest/gtest.h>

#include "game/tfjuego.h"
#include "puzzles/picture_notes.h"
#include "tests/game/rules_fixtures.h"
#include "tests/game/tfjuego_fixture.h"

namespace mosarin::testing {
namespace {

TEST(GameListNotes, AnImportedPictureShowsItsNoteAndOthersNone) {
    const TPictureRecord noted = pictureOf({"#.#", "###"});
    const TPictureRecord plain = pictureOf({"##", "#."});
    GameFolder folder({plain, noted, plain});
    std::string error;
    ASSERT_TRUE(addPictureNotes(folder.libraryFile(), {{clueKey(noted), {"Arch", "Ann", "", "CC0"}}}, error)) << error;
    FakePlatform platform;
    Tfjuego game(platform, folder.programFolder());
    game.Button1Click();
    ASSERT_EQ(game.cb1->count(), 3);
    EXPECT_FALSE(game.cb1->itemData(0, Qt::ToolTipRole).isValid());
    EXPECT_EQ(game.cb1->itemData(1, Qt::ToolTipRole).toString(), "Arch\nby Ann\nLicence: CC0");
    EXPECT_FALSE(game.cb1->itemData(2, Qt::ToolTipRole).isValid());
}

}  // namespace
}  // namespace mosarin::testing
