// The notes of imported pictures (title, author, licence) where a player
// looks: the tooltip of the picture's entry in the Select Picture list. A
// tooltip draws nothing until the pointer rests on the entry, so the list
// and every picture without a note look exactly as designed.
#include <QComboBox>

#include "game/tfjuego.h"
#include "puzzles/picture_notes.h"
#include "shell/app_info.h"

namespace mosarin {

void Tfjuego::showPictureNotes() {
    const std::filesystem::path library = localPath(programFolder_ + QStringLiteral("files/pictures.txt"));
    const std::vector<std::string> texts = pictureNoteTexts(state_.library, readPictureNotes(library));
    for (int entry = 0; entry < cb1->count() && entry < static_cast<int>(texts.size()); ++entry) {
        const std::string& text = texts[static_cast<std::size_t>(entry)];
        if (!text.empty()) cb1->setItemData(entry, QString::fromStdString(text), Qt::ToolTipRole);
    }
}

}  // namespace mosarin
