// The library that ships beside the program must read without repairs and
// hold only pictures that fit their own size.
#include <gtest/gtest.h>

#include "picture/library_file.h"
#include "picture/packed_rows.h"

namespace mosarin {
namespace {

TEST(ShippedLibrary, ReadsCleanlyAndEveryPictureStaysInsideItsSize) {
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(MOSARIN_SOURCE_DIR "/files/pictures.txt", library);
    ASSERT_TRUE(report.opened);
    EXPECT_FALSE(report.damaged()) << report.describe();
    ASSERT_GE(library.count, 40);
    for (int number = 1; number <= library.count; ++number) {
        SCOPED_TRACE(number);
        const TPictureRecord& picture = library.slots[static_cast<size_t>(number)];
        CellGrid grid;
        unpackRows(picture.packedRows, grid);
        int filled = 0;
        for (int row = 1; row <= kMaxHeight; ++row)
            for (int column = 1; column <= kMaxWidth; ++column) {
                if (grid.at(column, row) == 0) continue;
                ++filled;
                EXPECT_TRUE(column <= picture.width && row <= picture.height) << column << "," << row;
            }
        EXPECT_GT(filled, 0);
        for (Color color : picture.colors) EXPECT_LE(color, 0xFFFFFFu);
    }
}

}  // namespace
}  // namespace mosarin
