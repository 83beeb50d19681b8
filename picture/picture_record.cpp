#include "picture/picture_record.h"

namespace mosarin {

void TPictureLibrary::clear() {
    for (TPictureRecord& slot : slots) slot = TPictureRecord{};
    count = 0;
}

void CellGrid::clear() {
    // Index 0 is never part of a picture, so it is left as it stands.
    for (int column = 1; column < kGridSize; ++column) {
        for (int row = 1; row < kGridSize; ++row) cells[column][row] = 0;
    }
}

}  // namespace mosarin
