// "Export Picture" and "Import Picture": one picture out of the library into
// an exchange file, and the pictures of such a file into the library. The
// files themselves are picture/exchange_file.h's.
#include <algorithm>

#include "editor/picture_store.h"
#include "editor/tfcpintura.h"
#include "picture/exchange_file.h"
#include "shell/app_info.h"

namespace mosarin {

void TFcpintura::Button17Click() {
    if (const std::optional<Notice> refusal = libraryWriteRefusal(state_)) return tell({*refusal});
    // The picture is stored first, so that the exchange file holds exactly
    // its library line. Should the library not be writable, the user is told
    // and the export still carries the picture out of the editor.
    tell(guardapint(state_, libraryFile()));
    showState();
    const ExportOutcome exported = exportPicture(localPath(programFolder_ + QStringLiteral("files")),
                                                 state_.currentPicture, state_.currentRecord(), platform_.now());
    if (!exported.written) {
        platform_.showMessage(MessageKind::Error, QString::fromStdString(exported.error));
        return;
    }
    platform_.showMessage(MessageKind::Information, QString::fromStdString(exported.fileName + " created"));
}

void TFcpintura::Button16Click() {
    if (const std::optional<Notice> refusal = libraryWriteRefusal(state_)) return tell({*refusal});
    const QString path = platform_.openFileName(QStringLiteral("*.gpe|*.gpe"), programFolder_).value_or(QString());
    if (path.isEmpty()) return;
    const ImportOutcome imported = importExchangeFile(libraryFile(), localPath(path), state_.libraryGuard);
    switch (imported.status) {
    case ImportStatus::Missing:
        platform_.showMessage(MessageKind::Error, QStringLiteral("File dont exist"));
        return;
    case ImportStatus::Refused:
        platform_.showMessage(MessageKind::Error, QString::fromStdString(imported.message));
        return;
    case ImportStatus::Changed:
        platform_.showMessage(MessageKind::Error,
                              QString::fromStdString(imported.message + " It was read again; import the file again."));
        tell(readAgainKeepingBoard(state_, libraryFile()));
        showState();
        return;
    case ImportStatus::Imported:
        break;
    }
    // Unsaved changes on the board are dropped: the imported picture, the
    // library's last, replaces it. `modified` stays as it was.
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
