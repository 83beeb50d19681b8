// Reading the picture library file: line ends, counts, slots above the count,
// missing and unreadable files.
#include <gtest/gtest.h>

#include <stdexcept>

#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using testing::joinLines;
using testing::numberedLine;
using testing::numberedRecord;
using testing::sameRecord;
using testing::TempFolder;
using testing::writeBytes;

// Replaces every CR LF of `text` by a bare LF.
std::string withBareLineFeeds(std::string text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') out += c;
    }
    return out;
}

TPictureLibrary libraryOfFive() {
    TPictureLibrary library;
    for (int n = 1; n <= 5; ++n) library.slots[n] = numberedRecord(100 + n);
    library.count = 5;
    return library;
}

TEST(ReadLibraryFile, ThreeLinesFillSlotsOneToThreeInFileOrder) {
    TempFolder folder;
    writeBytes(folder / "pictures.txt", joinLines(1, 3));
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
    EXPECT_TRUE(report.opened);
    EXPECT_FALSE(report.damaged());
    EXPECT_EQ(report.describe(), "");
    ASSERT_EQ(library.count, 3);
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(sameRecord(library.slots[n], numberedRecord(n))) << n;
    ASSERT_TRUE(report.lastColors.has_value());
    EXPECT_EQ(*report.lastColors, numberedRecord(3).colors);
}

TEST(ReadLibraryFile, TwoLinesAfterFiveLeaveSlotsThreeToFiveAsTheyWere) {
    TempFolder folder;
    writeBytes(folder / "pictures.txt", joinLines(1, 2));
    TPictureLibrary library = libraryOfFive();
    readLibraryFile(folder / "pictures.txt", library);
    EXPECT_EQ(library.count, 2);
    EXPECT_TRUE(sameRecord(library.slots[2], numberedRecord(2)));
    for (int n = 3; n <= 5; ++n) EXPECT_TRUE(sameRecord(library.slots[n], numberedRecord(100 + n))) << n;
}

TEST(ReadLibraryFile, EmptyFileGivesCountZeroAndNoColours) {
    TempFolder folder;
    writeBytes(folder / "pictures.txt", "");
    TPictureLibrary library = libraryOfFive();
    const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
    EXPECT_TRUE(report.opened);
    EXPECT_EQ(library.count, 0);
    EXPECT_FALSE(report.lastColors.has_value());
    EXPECT_FALSE(report.damaged());
    EXPECT_TRUE(sameRecord(library.slots[1], numberedRecord(101)));
}

TEST(ReadLibraryFile, AcceptsEveryLineEnding) {
    const std::string crlf = joinLines(1, 3);
    std::string lastWithoutEnd = crlf;
    lastWithoutEnd.resize(lastWithoutEnd.size() - 2);
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"CR LF", crlf},
        {"LF only", withBareLineFeeds(crlf)},
        {"mixed", numberedLine(1) + withBareLineFeeds(numberedLine(2)) + numberedLine(3)},
        {"last line without line end", lastWithoutEnd},
        {"LF only, last line without line end", withBareLineFeeds(lastWithoutEnd)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", c.text);
        TPictureLibrary library;
        const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
        EXPECT_FALSE(report.damaged()) << report.describe();
        ASSERT_EQ(library.count, 3);
        for (int n = 1; n <= 3; ++n) EXPECT_TRUE(sameRecord(library.slots[n], numberedRecord(n))) << n;
    }
}

TEST(ReadLibraryFile, CharactersAfterPosition282AreIgnored) {
    TempFolder folder;
    std::string line = numberedLine(4);
    line.insert(282, "____XYZ");
    writeBytes(folder / "pictures.txt", line + numberedLine(5));
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
    EXPECT_FALSE(report.damaged());
    ASSERT_EQ(library.count, 2);
    EXPECT_TRUE(sameRecord(library.slots[1], numberedRecord(4)));
    EXPECT_TRUE(sameRecord(library.slots[2], numberedRecord(5)));
}

TEST(ReadLibraryFile, MissingFileLeavesTheLibraryUntouched) {
    TempFolder folder;
    TPictureLibrary library = libraryOfFive();
    const LibraryReadReport report = readLibraryFile(folder / "absent.txt", library);
    EXPECT_FALSE(report.opened);
    EXPECT_FALSE(report.lastColors.has_value());
    EXPECT_EQ(library.count, 5);
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(sameRecord(library.slots[n], numberedRecord(100 + n)));
}

TEST(ReadLibraryFile, FolderInPlaceOfTheFileCountsAsUnopenable) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "pictures.txt");
    TPictureLibrary library = libraryOfFive();
    const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
    EXPECT_FALSE(report.opened);
    EXPECT_EQ(library.count, 5);
}

TEST(ReadLibraryFile, ReadErrorAfterOpeningThrowsWithThePath) {
    // Reading this process's memory at address 0 fails after a successful open.
    const std::filesystem::path file = "/proc/self/mem";
    TPictureLibrary library = libraryOfFive();
    try {
        readLibraryFile(file, library);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("\"/proc/self/mem\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(library.count, 5);
}

TEST(ReadLibraryFile, HugeFileIsRefusedWithoutReadingIt) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(file, "");
    std::filesystem::resize_file(file, std::uintmax_t(65) * 1024 * 1024);  // sparse: costs no disk
    TPictureLibrary library = libraryOfFive();
    EXPECT_THROW(readLibraryFile(file, library), std::runtime_error);
    EXPECT_EQ(library.count, 5);
}

}  // namespace
}  // namespace mosarin
