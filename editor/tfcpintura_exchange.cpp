// "Export Picture" and "Import Picture": one picture out of the library into
// an exchange file, and the pictures of such a file into the library. The
// files themselves are picture/exchange_file.h's.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "editor/picture_store.h"
#include "editor/tfcpintura.h"
#include "picture/exchange_file.h"
#include "puzzles/puzzle_import.h"
#include "shell/app_info.h"

// The public puzzle formats, offered after the exchange files.
#define PUZZLE_FILE_PATTERNS "*.non;*.nonpack;*.xml"

namespace mosarin {

void TFcpintura::Button17Click() {
    if (const std::optional<Notice> refusal = libraryWriteRefusal(state_)) return tell({*refusal});
    // The picture is stored first, so that the exchange file holds exactly
    // its library line. Should the library not be writable, the user is told
    // and the export still carries the picture out of the editor.
    tell(guardapint(state_, libraryFile()));
    showState();
    // A picture a full library had no room for is in no slot: the board's own.
    const TPictureRecord picture = state_.boardOutsideLibrary ? pictureOnBoard(state_) : state_.currentRecord();
    const ExportOutcome exported = exportPicture(localPath(programFolder_ + QStringLiteral("files")),
                                                 state_.currentPicture, picture, platform_.now());
    if (!exported.written) {
        platform_.showMessage(MessageKind::Error, QString::fromStdString(exported.error));
        return;
    }
    platform_.showMessage(MessageKind::Information, QString::fromStdString(exported.fileName + " created"));
}

void TFcpintura::Button16Click() {
    if (const std::optional<Notice> refusal = libraryWriteRefusal(state_)) return tell({*refusal});
    const QString path =
        platform_.openFileName(QStringLiteral("*.gpe|*.gpe|" PUZZLE_FILE_PATTERNS "|" PUZZLE_FILE_PATTERNS), programFolder_)
            .value_or(QString());
    if (path.isEmpty()) return;
    const std::filesystem::path chosen = localPath(path);
    std::error_code ignored;
    if (!std::filesystem::exists(chosen, ignored)) {
        platform_.showMessage(MessageKind::Error, QStringLiteral("File dont exist"));
        return;
    }
    // The imported picture replaces the board, so unsaved changes are offered
    // for saving first, as by "<<<". The save rewrites the file; the import
    // appends after it.
    bool declined = false;
    if (!offerToSave(&declined)) return;
    if (isPuzzleFileName(chosen)) {
        // Declined changes stay unsaved work when no puzzle replaced the board.
        if (!importPuzzles(path) && declined) state_.modified = true;
        return;
    }
    const ImportOutcome imported = importExchangeFile(libraryFile(), chosen, state_.libraryGuard);
    switch (imported.status) {
    case ImportStatus::Imported:
        break;
    case ImportStatus::Changed:
        platform_.showMessage(MessageKind::Error,
                              QString::fromStdString(imported.message + " It was read again; import the file again."));
        // Reading again keeps the board, marked modified.
        tell(readAgainKeepingBoard(state_, libraryFile()));
        showState();
        return;
    case ImportStatus::Missing:
    case ImportStatus::Refused:
        // The board stays: changes declined for an import that did not
        // happen are still the user's unsaved work.
        if (declined) state_.modified = true;
        platform_.showMessage(MessageKind::Error, QString::fromStdString(imported.status == ImportStatus::Missing
                                                                                ? std::string("File dont exist")
                                                                                : imported.message));
        return;
    }
    showLastImportedPicture();
}

void TFcpintura::showLastImportedPicture() {
    tell(leerarchivo(state_, libraryFile()));
    state_.currentPicture = std::max(1, state_.library.count);
    asignarpintura(state_, state_.currentPicture);
    state_.guideVisible = false;
    state_.redrawPending = true;
    state_.boardStale = true;
    history_.clear();
    showState();
}

}  // namespace mosarin
