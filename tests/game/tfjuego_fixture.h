#pragma once
// A program folder for the game window (files/ and images/ with four small
// assets), a Pictures Editor stand-in, the window fixture and helpers for
// the window tests.

#include <QImage>
#include <QPoint>
#include <QString>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "shell/image_view.h"
#include "game/tfjuego.h"
#include "picture/picture_record.h"
#include "shell/modal_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {

// Solid colours of the assets the folder holds.
constexpr QRgb kBackAsset = 0xFFC83C28u;    // images/back.jpg, 780 x 555
constexpr QRgb kStartAsset = 0xFF2850C8u;   // images/init.jpg, 120 x 60 at (50, 35)

class GameFolder {
public:
    // images/ holds back.jpg, end2.jpg, end1.bmp and init.jpg; files/ holds
    // pictures.txt with `library` when one is given, else nothing.
    explicit GameFolder(const std::vector<TPictureRecord>& library = {});

    // The folder with its trailing separator, as the window expects it.
    QString programFolder() const;
    std::filesystem::path libraryFile() const;
    std::filesystem::path file(const std::string& relative) const { return temp_ / relative; }

    // Writes files/pictures.txt with one line per picture.
    void writeLibrary(const std::vector<TPictureRecord>& pictures) const;

private:
    TempFolder temp_;
};

// Stands in for the Pictures Editor: counts its openings and runs `whileOpen`.
class ScriptedEditor final : public ModalWindow {
public:
    void showModal() override {
        ++openings;
        if (whileOpen) whileOpen();
    }
    std::function<void()> whileOpen;
    int openings = 0;
};

// The library GameWindowTest plays.
std::vector<TPictureRecord> twelvePictures();

// "New Game", choose picture `number`, "Play", and one tick.
void playPicture(Tfjuego& game, int number);
// Shows the window and makes it the active one, so that focus moves can be seen.
bool activate(Tfjuego& game);

// The centre of a board cell (0-based column and row) in surface pixels.
QPoint cellCentre(int column, int row);

// JPEG keeps a solid colour within a few levels per channel.
bool nearColor(QRgb actual, QRgb expected, int tolerance = 8);

// The number of separate bands of dark rows in `image` (lines of text).
int textLines(const QImage& image);

// A game window over a library of twelve pictures: 5 x 5, 12 x 7 and 40 x 30
// with their first rows filled, then nine 3 x 3 ones reading "##.", "...",
// ".#.". The window is shown and active, and its timer is stopped: ticks
// are taken by hand so that every frame is the test's own.
class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest();

    int cell(int column, int row) { return game.state().playGrid.at(column + 1, row + 1); }
    QRgb shownAt(QPoint at) { return game.Image1->frame().pixel(at); }

    std::vector<TPictureRecord> library;
    GameFolder folder;
    FakePlatform platform;
    Tfjuego game;
};

}  // namespace mosarin::testing
