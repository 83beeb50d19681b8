#include "editor/editor_state.h"

#include <algorithm>
#include <cstdio>

namespace mosarin {

bool hasError(const Notices& notices) {
    return std::any_of(notices.begin(), notices.end(),
                       [](const Notice& notice) { return notice.kind == NoticeKind::Error; });
}

const TPictureRecord& EditorState::currentRecord() const {
    return library.slots[static_cast<std::size_t>(std::clamp(currentPicture, 0, kMaxPictures))];
}

TPictureRecord& EditorState::currentRecord() {
    return library.slots[static_cast<std::size_t>(std::clamp(currentPicture, 0, kMaxPictures))];
}

int EditorState::width() const { return std::clamp(boardWidth, 1, kMaxWidth); }

int EditorState::height() const { return std::clamp(boardHeight, 1, kMaxHeight); }

std::string titleFor(int picture) {
    char title[32];
    std::snprintf(title, sizeof title, "Picture %.3d", picture);
    return title;
}

}  // namespace mosarin
