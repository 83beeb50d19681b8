// Damaged library files: lines repaired in place, lines past the 1000th
// dropped, the original kept beside the file, and the message for the user.
#include <gtest/gtest.h>

#include <unistd.h>

#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin {
namespace {

using testing::emptyPacked;
using testing::joinLines;
using testing::kNewColorDigits;
using testing::kNewColors;
using testing::lineBody;
using testing::numberedLine;
using testing::numberedRecord;
using testing::readBytes;
using testing::sameRecord;
using testing::TempFolder;
using testing::writeBytes;

std::filesystem::path withSuffix(std::filesystem::path file, const std::string& suffix) {
    file += suffix;
    return file;
}

struct DamageCase {
    const char* name;
    std::string line;  // without line end
    TPictureRecord expected;
};

TPictureRecord record(ColorSet colors, int width, int height, std::string packed) {
    return TPictureRecord{std::move(packed), width, height, colors};
}

std::vector<DamageCase> damageCases() {
    const std::string packedCutAt100 = std::string(100, 'A');
    std::string outOfRange = emptyPacked();
    outOfRange[0] = '`';  // 96
    outOfRange[5] = '~';  // 126: group value 30
    outOfRange[239] = '\0';
    std::string outOfRangeRepaired = emptyPacked();
    outOfRangeRepaired[5] = '^';
    const ColorSet none{};
    return {
        {"empty line", "", record(none, 40, 30, emptyPacked())},
        {"short line of 10 characters", "14514039AB", record({14514039, 0, 0, 0, 0}, 40, 30, emptyPacked())},
        {"line of 41 characters", kNewColorDigits + "/", record(kNewColors, 7, 30, emptyPacked())},
        {"no packed rows", kNewColorDigits + "/)", record(kNewColors, 7, 1, emptyPacked())},
        {"packed rows cut after 100", kNewColorDigits + "PF" + packedCutAt100,
         record(kNewColors, 40, 30, packedCutAt100 + std::string(140, '@'))},
        {"sizes below range", lineBody(kNewColorDigits, '(', '\x01', emptyPacked()),
         record(kNewColors, 1, 1, emptyPacked())},
        {"sizes above range", lineBody(kNewColorDigits, 'Q', 'a', emptyPacked()),
         record(kNewColors, 40, 30, emptyPacked())},
        {"packed characters out of range", lineBody(kNewColorDigits, 'P', 'F', outOfRange),
         record(kNewColors, 40, 30, outOfRangeRepaired)},
        {"colours that are not eight digits", lineBody("  12345x$0000FF0-0000001ABCDEFGH00000042", 'P', 'F', emptyPacked()),
         record({12345, 0xFF0, 0xFFFFFFFFu, 0, 42}, 40, 30, emptyPacked())},
    };
}

TEST(ReadDamagedLibrary, RepairsTheLineAndReportsItsNumber) {
    for (const DamageCase& c : damageCases()) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::filesystem::path file = folder / "pictures.txt";
        writeBytes(file, numberedLine(1) + c.line + "\r\n" + numberedLine(3));
        TPictureLibrary library;
        const LibraryReadReport report = readLibraryFile(file, library);
        EXPECT_EQ(report.repairedLines, std::vector<int>{2});
        ASSERT_EQ(library.count, 3);
        EXPECT_TRUE(sameRecord(library.slots[1], numberedRecord(1)));
        const TPictureRecord& got = library.slots[2];
        EXPECT_EQ(got.colors, c.expected.colors);
        EXPECT_EQ(got.width, c.expected.width);
        EXPECT_EQ(got.height, c.expected.height);
        EXPECT_EQ(got.packedRows, c.expected.packedRows);
        EXPECT_TRUE(sameRecord(library.slots[3], numberedRecord(3)));
    }
}

TEST(ReadDamagedLibrary, DamagedLastLineWithoutLineEndIsRepairedToo) {
    for (const DamageCase& c : damageCases()) {
        if (c.line.empty()) continue;  // an empty last line is no line at all
        SCOPED_TRACE(c.name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", numberedLine(1) + c.line);
        TPictureLibrary library;
        const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
        EXPECT_EQ(report.repairedLines, std::vector<int>{2});
        ASSERT_EQ(library.count, 2);
        EXPECT_TRUE(sameRecord(library.slots[2], c.expected));
        EXPECT_EQ(report.lastColors, c.expected.colors);
    }
}

TEST(ReadDamagedLibrary, RepairedLibraryWritesBackAsValidLines) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    std::string text;
    for (const DamageCase& c : damageCases()) text += c.line + "\n";
    writeBytes(file, text);
    TPictureLibrary library;
    readLibraryFile(file, library);
    ASSERT_TRUE(writeLibraryFile(file, library, false).ok);
    TPictureLibrary again;
    const LibraryReadReport report = readLibraryFile(file, again);
    EXPECT_FALSE(report.damaged()) << report.describe();
    EXPECT_EQ(again.count, static_cast<int>(damageCases().size()));
}

TEST(ReadDamagedLibrary, KeepsTheOriginalBytesBesideTheFile) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    const std::string original = numberedLine(1) + "garbage\n" + numberedLine(3) + "x\r\n";
    writeBytes(file, original);
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_EQ(report.repairedLines, (std::vector<int>{2, 4}));
    EXPECT_EQ(report.backupPath, withSuffix(file, ".original"));
    EXPECT_EQ(readBytes(report.backupPath), original);
    EXPECT_EQ(report.describe(), "The picture library \"" + file.string() +
                                     "\" had damaged lines (2, 4) that were repaired. The original file was kept as \"" +
                                     report.backupPath.string() + "\".");

    // A rewrite of the repaired library leaves the copy alone.
    ASSERT_TRUE(writeLibraryFile(file, library, false).ok);
    EXPECT_EQ(readBytes(report.backupPath), original);
}

TEST(ReadDamagedLibrary, SecondReadReusesTheIdenticalBackup) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(file, "damaged\r\n");
    TPictureLibrary library;
    const LibraryReadReport first = readLibraryFile(file, library);
    const LibraryReadReport second = readLibraryFile(file, library);
    EXPECT_EQ(second.backupPath, first.backupPath);
    EXPECT_FALSE(std::filesystem::exists(withSuffix(file, ".original-2")));
}

TEST(ReadDamagedLibrary, BackupNamesThatHoldOtherBytesAreSkipped) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(withSuffix(file, ".original"), "an older damaged file");
    writeBytes(withSuffix(file, ".original-2"), "another one");
    writeBytes(file, "damaged\r\n");
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_EQ(report.backupPath, withSuffix(file, ".original-3"));
    EXPECT_EQ(readBytes(report.backupPath), "damaged\r\n");
    EXPECT_EQ(readBytes(withSuffix(file, ".original")), "an older damaged file");
    EXPECT_EQ(readBytes(withSuffix(file, ".original-2")), "another one");
}

TEST(ReadDamagedLibrary, SoundFileMakesNoBackup) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(file, joinLines(1, 3));
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_TRUE(report.backupPath.empty());
    EXPECT_FALSE(std::filesystem::exists(withSuffix(file, ".original")));
}

TEST(ReadDamagedLibrary, BackupThatCannotBeWrittenIsNamedInTheMessage) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(file, "damaged\r\n");
    // The backup's own temporary file cannot be created where a folder stands.
    std::filesystem::create_directory(withSuffix(file, ".original.tmp-" + std::to_string(::getpid())));
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_EQ(library.count, 1);
    EXPECT_TRUE(report.backupPath.empty());
    EXPECT_FALSE(report.backupError.empty());
    EXPECT_NE(report.describe().find("No copy of the original file could be kept. Cannot write file"),
              std::string::npos)
        << report.describe();
}

TEST(ReadDamagedLibrary, LinesPastTheThousandthAreDroppedAndCounted) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    const std::string original = joinLines(1, 1003);
    writeBytes(file, original);
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_EQ(library.count, 1000);
    EXPECT_EQ(report.droppedLines, 3);
    EXPECT_TRUE(report.repairedLines.empty());
    EXPECT_TRUE(sameRecord(library.slots[1000], numberedRecord(1000)));
    EXPECT_EQ(report.lastColors, numberedRecord(1000).colors);
    EXPECT_EQ(readBytes(report.backupPath), original);
    EXPECT_EQ(report.describe(), "The picture library \"" + file.string() +
                                     "\" had 3 lines past the 1000th picture that could not be kept. "
                                     "The original file was kept as \"" + report.backupPath.string() + "\".");
}

TEST(LibraryReadReportDescribe, NamesWhatWasRepairedAndDropped) {
    struct Case {
        std::vector<int> repaired;
        int dropped;
        const char* middle;
    };
    const Case cases[] = {
        {{7}, 0, "had a damaged line (7) that was repaired"},
        {{3, 7}, 0, "had damaged lines (3, 7) that were repaired"},
        {{}, 1, "had 1 line past the 1000th picture that could not be kept"},
        {{3, 7}, 5, "had damaged lines (3, 7) that were repaired, and 5 lines past the 1000th picture that could "
                    "not be kept"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0, "had damaged lines (1, 2, 3, 4, 5, 6, 7, 8, 9, 10) that were repaired"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 0,
         "had damaged lines (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ...) that were repaired"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.middle);
        LibraryReadReport report;
        report.file = "files/pictures.txt";
        report.opened = true;
        report.repairedLines = c.repaired;
        report.droppedLines = c.dropped;
        report.backupPath = "files/pictures.txt.original";
        EXPECT_EQ(report.describe(), std::string("The picture library \"files/pictures.txt\" ") + c.middle +
                                         ". The original file was kept as \"files/pictures.txt.original\".");
    }
}

}  // namespace
}  // namespace mosarin
