// "Save Game" and "Load Game": the window's side of saved games (panel,
// dialogs, messages, focus); files and the model are in saved_games.h.
#include <QFile>
#include <QFrame>
#include <QPushButton>

#include "game/saved_games.h"
#include "game/tfjuego.h"
#include "shell/app_info.h"

namespace mosarin {

void Tfjuego::Button2Click() {
    if (!state_.puzzleActive) return;
    hideSelectPanel();
    const SaveGameOutcome outcome = saveGame(state_, localPath(programFolder_ + QStringLiteral("files")), platform_.now());
    if (!outcome.written) {
        // The player asked to keep the game: a save that did not happen must not pass in silence.
        platform_.showMessage(MessageKind::Error, QString::fromStdString(outcome.error));
        return;
    }
    platform_.showMessage(MessageKind::Information, QStringLiteral("Game saved"));
    Button5->setFocus();
}

void Tfjuego::Button3Click() {
    state_.boardShown = true;
    hideSelectPanel();
    const std::optional<QString> chosen =
        platform_.openFileName(QStringLiteral("*.gpu|*.pgu"), programFolder_ + QStringLiteral("files"));
    const QString name = chosen.value_or(QString());
    if (name.isEmpty()) return;

    const std::filesystem::path file = localPath(name);
    const LoadGameOutcome outcome = loadGame(state_, file);
    switch (outcome.status) {
    case LoadGameStatus::Missing:
        platform_.showMessage(MessageKind::Error, QStringLiteral("File dont exist"));
        return;
    case LoadGameStatus::CannotOpen:
        platform_.showMessage(MessageKind::Error, QStringLiteral("No"));
        return;
    case LoadGameStatus::BadPicture:
        platform_.showMessage(MessageKind::Error, QString::fromStdString(badPictureMessage(
                                                       file, outcome.picture, state_.library.count)));
        return;
    case LoadGameStatus::Loaded:
        Button5->setFocus();
        return;
    }
}

}  // namespace mosarin
