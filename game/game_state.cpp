#include "game/game_state.h"

#include <algorithm>

namespace mosarin {

namespace {
const TPictureRecord& currentRecord(const GameState& state) {
    // Slot 0 stands in for numbers outside the table: it always has the
    // initial 40 x 30 size.
    int slot = state.currentPicture;
    if (slot < 0 || slot > kMaxPictures) slot = 0;
    return state.library.slots[static_cast<size_t>(slot)];
}
}  // namespace

int GameState::width() const { return std::clamp(currentRecord(*this).width, 1, kMaxWidth); }

int GameState::height() const { return std::clamp(currentRecord(*this).height, 1, kMaxHeight); }

}  // namespace mosarin
