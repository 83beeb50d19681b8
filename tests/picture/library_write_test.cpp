// Writing picture lines and whole library files: exact bytes, and a failed
// write that leaves the old file whole.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using testing::emptyPacked;
using testing::kNewColorDigits;
using testing::kNewColors;
using testing::lineBody;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TPictureRecord newPicture() {
    TPictureRecord record;
    record.colors = kNewColors;
    record.packedRows = emptyPacked();
    return record;
}

TEST(FormatPictureLine, NewPictureIsByteExact) {
    EXPECT_EQ(formatPictureLine(newPicture()), lineBody(kNewColorDigits, 'P', 'F', emptyPacked()) + "\r\n");
}

TEST(FormatPictureLine, ColoursTooLongForEightDigitsKeepTheirLowTwentyFourBits) {
    struct Case {
        Color color;
        const char* digits;
    };
    const Case cases[] = {
        {0, "00000000"},
        {2270137, "02270137"},
        {16777215, "16777215"},
        {99999999, "99999999"},        // the largest that fits stays as it is
        {100000000, "16113920"},       // 0x05F5E100 -> 0xF5E100
        {kButtonFaceColor, "00000015"},  // 0xFF00000F -> 0x00000F
        {0xFFFFFFFFu, "16777215"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        TPictureRecord record = newPicture();
        record.colors[colorLine2] = c.color;
        const std::string line = formatPictureLine(record);
        ASSERT_EQ(line.size(), 284u);
        EXPECT_EQ(line.substr(32, 8), c.digits);
        EXPECT_EQ(line.substr(0, 32), kNewColorDigits.substr(0, 32));
    }
}

TEST(FormatPictureLine, OddRecordsStillGiveAValidLine) {
    struct Case {
        const char* name;
        std::string packed;
        int width, height;
        std::string expectedPacked;
        char widthChar, heightChar;
    };
    const Case cases[] = {
        {"never held a picture", "", 40, 30, emptyPacked(), 'P', 'F'},
        {"short rows", "_", 40, 30, "_" + std::string(239, '@'), 'P', 'F'},
        {"long rows", std::string(300, 'A'), 40, 30, std::string(240, 'A'), 'P', 'F'},
        {"characters out of range", "`~" + std::string(238, '@'), 40, 30, "@^" + std::string(238, '@'), 'P', 'F'},
        {"sizes too large", emptyPacked(), 41, 31, emptyPacked(), 'P', 'F'},
        {"sizes too small", emptyPacked(), 0, -5, emptyPacked(), ')', ')'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPictureRecord record = newPicture();
        record.packedRows = c.packed;
        record.width = c.width;
        record.height = c.height;
        EXPECT_EQ(formatPictureLine(record), lineBody(kNewColorDigits, c.widthChar, c.heightChar, c.expectedPacked) + "\r\n");
    }
}

TEST(WriteLibraryFile, WritesSlotsOneToCountInOrder) {
    TempFolder folder;
    TPictureLibrary library;
    for (int n = 1; n <= 3; ++n) library.slots[n] = testing::numberedRecord(n);
    library.slots[4] = testing::numberedRecord(4);  // above count: never written
    library.slots[0] = testing::numberedRecord(9);  // slot 0: never written
    library.count = 3;
    const LibraryWriteResult result = writeLibraryFile(folder / "pictures.txt", library, /*sync=*/false);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(readBytes(folder / "pictures.txt"), testing::joinLines(1, 3));
}

TEST(WriteLibraryFile, CountZeroLeavesAnEmptyFile) {
    TempFolder folder;
    writeBytes(folder / "pictures.txt", testing::joinLines(1, 2));
    TPictureLibrary library;
    library.slots[1] = testing::numberedRecord(1);
    ASSERT_TRUE(writeLibraryFile(folder / "pictures.txt", library).ok);
    EXPECT_EQ(readBytes(folder / "pictures.txt"), "");
}

TEST(WriteLibraryFile, ReplacesTheOldFileAndLeavesNoTemporaryFile) {
    TempFolder folder;
    writeBytes(folder / "pictures.txt", testing::joinLines(1, 5));
    TPictureLibrary library;
    library.slots[1] = testing::numberedRecord(7);
    library.count = 1;
    ASSERT_TRUE(writeLibraryFile(folder / "pictures.txt", library, /*sync=*/true).ok);
    EXPECT_EQ(readBytes(folder / "pictures.txt"), testing::numberedLine(7));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(WriteLibraryFile, ThenReadGivesTheSamePictures) {
    TempFolder folder;
    TPictureLibrary written;
    written.count = 50;
    for (int n = 1; n <= written.count; ++n) written.slots[n] = testing::numberedRecord(n * 37);
    ASSERT_TRUE(writeLibraryFile(folder / "pictures.txt", written, false).ok);

    TPictureLibrary read;
    const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", read);
    EXPECT_FALSE(report.damaged());
    ASSERT_EQ(read.count, written.count);
    for (int n = 1; n <= written.count; ++n) EXPECT_TRUE(testing::sameRecord(read.slots[n], written.slots[n])) << n;
}

TEST(WriteLibraryFile, MissingFolderFailsWithTheSystemsReason) {
    TempFolder folder;
    const std::filesystem::path file = folder / "files" / "pictures.txt";
    TPictureLibrary library;
    library.count = 1;
    const LibraryWriteResult result = writeLibraryFile(file, library);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "Cannot write file \"" + file.string() + "\". " + std::strerror(ENOENT));
    EXPECT_FALSE(std::filesystem::exists(folder / "files"));
}

TEST(WriteLibraryFile, TargetThatIsAFolderIsLeftAlone) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "pictures.txt");
    writeBytes(folder / "pictures.txt" / "inside", "kept");
    TPictureLibrary library;
    library.count = 1;
    const LibraryWriteResult result = writeLibraryFile(folder / "pictures.txt", library);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Cannot write file"), std::string::npos);
    EXPECT_EQ(readBytes(folder / "pictures.txt" / "inside"), "kept");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++entries;
    EXPECT_EQ(entries, 1) << "the temporary file was not removed";
}

TEST(WriteLibraryFile, FailureBeforeTheRenameLeavesTheOldFileWhole) {
    // A folder where the temporary file should go makes the write fail even
    // for root, after the old file was already there.
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    const std::string old = testing::joinLines(1, 4);
    writeBytes(file, old);
    std::filesystem::path blocker = file;
    blocker += ".tmp-" + std::to_string(::getpid());
    std::filesystem::create_directory(blocker);

    TPictureLibrary library;
    library.slots[1] = testing::numberedRecord(9);
    library.count = 1;
    const LibraryWriteResult result = writeLibraryFile(file, library);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find(file.string()), std::string::npos);
    EXPECT_EQ(readBytes(file), old);
}

}  // namespace
}  // namespace mosarin
