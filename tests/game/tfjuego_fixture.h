#pragma once
// A program folder for the game window (files/ and images/ with four small
// assets), a Pictures Editor stand-in, and helpers for the window tests.

#include <QImage>
#include <QPoint>
#include <QString>
#include <filesystem>
#include <functional>
#include <vector>

#include "picture/picture_record.h"
#include "shell/modal_window.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {

// Solid colours of the assets the folder holds.
constexpr QRgb kBackAsset = 0xFFC83C28u;    // images/back.jpg, 780 x 555
constexpr QRgb kStartAsset = 0xFF2850C8u;   // images/init.jpg, 120 x 60 at (50, 35)

class GameFolder {
public:
    // images/ holds back.jpg, end2.jpg, end1.bmp and init.jpg; files/ is empty.
    GameFolder();

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

// The centre of a board cell (0-based column and row) in surface pixels.
QPoint cellCentre(int column, int row);

// JPEG keeps a solid colour within a few levels per channel.
bool nearColor(QRgb actual, QRgb expected, int tolerance = 8);

// The number of separate bands of dark rows in `image` (lines of text).
int textLines(const QImage& image);

}  // namespace mosarin::testing
