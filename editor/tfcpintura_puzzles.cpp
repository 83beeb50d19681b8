// Puzzles from outside and fair random ones in the editor: "Import Picture"
// with a file of the public formats, and Ctrl+R.
#include <QApplication>
#include <algorithm>
#include <random>

#include "editor/editor_commands.h"
#include "editor/picture_store.h"
#include "editor/tfcpintura.h"
#include "puzzles/fair_picture.h"
#include "puzzles/puzzle_import.h"
#include "shell/app_info.h"

namespace mosarin {

namespace {

// Refusals listed in the message box; a large bundle's others are counted.
constexpr int kRefusalsListed = 12;
// The editor solves clue-only puzzles on its own thread, so one hard puzzle
// may hold it only this long; `mosarin --import --budget` allows more.
constexpr double kEditorImportBudgetSeconds = 2;

// The busy cursor while puzzles are solved, taken down however the work ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString importReport(const PuzzleFileImport& result) {
    QString text = QString::asprintf("%d of %d puzzles imported.", result.imported(),
                                     static_cast<int>(result.puzzles.size()));
    int listed = 0;
    for (std::size_t i = 0; i < result.puzzles.size(); ++i) {
        const PuzzleImportLine& puzzle = result.puzzles[i];
        if (puzzle.picture > 0) continue;
        if (listed++ == kRefusalsListed) {
            text += QStringLiteral("\n...");
            break;
        }
        text += QString::asprintf("\nPuzzle %d", static_cast<int>(i + 1));
        if (!puzzle.title.empty()) text += QStringLiteral(" \"") + QString::fromStdString(puzzle.title) + '"';
        text += QStringLiteral(": ") + QString::fromStdString(puzzle.refusal);
    }
    if (!result.error.empty()) text += '\n' + QString::fromStdString(result.error);
    return text;
}

}  // namespace

bool TFcpintura::importPuzzles(const QString& path) {
    const PuzzleFileImport result = [&] {
        const WaitCursor busy;
        return importPuzzleFile(libraryFile(), localPath(path), state_.libraryGuard, kEditorImportBudgetSeconds);
    }();
    if (result.libraryChanged) {
        platform_.showMessage(MessageKind::Error,
                              QString::fromStdString(result.error + " It was read again; import the file again."));
        tell(readAgainKeepingBoard(state_, libraryFile()));
        showState();
        return false;
    }
    if (!result.read) {
        platform_.showMessage(MessageKind::Error, QStringLiteral("The file \"") + path +
                                                      QStringLiteral("\" cannot be imported: ") +
                                                      QString::fromStdString(result.error));
        return false;
    }
    // As with an exchange file: the last imported picture replaces the board.
    if (result.imported() > 0) showLastImportedPicture();
    const bool all = result.refused() == 0 && result.error.empty() && !result.puzzles.empty();
    platform_.showMessage(all ? MessageKind::Information : MessageKind::Warning, importReport(result));
    return result.imported() > 0;
}

void TFcpintura::fillWithFairPicture() {
    // Two draws of the platform's generator seed this picture's own, so a
    // test's scripted numbers give a known picture.
    const std::uint64_t seed = (static_cast<std::uint64_t>(platform_.randomBelow(1 << 30)) << 30) ^
                               static_cast<std::uint64_t>(platform_.randomBelow(1 << 30));
    asStep([this, seed] {
        changeSize(state_);   // the X and Y fields, applied as "Change" does
        std::mt19937_64 random(seed);
        const FairPicture picture = generateFairPicture(state_.width(), state_.height(), FairGrade::Any, random);
        for (int row = 0; row < picture.height; ++row) {
            for (int column = 0; column < picture.width; ++column) {
                state_.cells.at(column + 1, row + 1) = picture.filled(column, row) ? 1 : 0;
            }
        }
        state_.redrawPending = true;
        state_.boardStale = true;
    });
    showState();
    if (state_.guideVisible) fitGuideImage();
}

}  // namespace mosarin
