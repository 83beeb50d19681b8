// Damaged library files: lines repaired in place, lines past the 1000th
// dropped, the original kept beside the file, and the message for the user.
#include <gtest/gtest.h>

#include <unistd.h>

#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

struct DamageCase {
    const char* name;
    std::string line;  // without line end
    TPictureRecord expected;
};

std::vector<DamageCase> damageCases() {
    std::string outOfRange = kEmptyPacked;
    outOfRange[0] = '`';  // 96: group value 0
    outOfRange[5] = '~';  // 126: group value 30
    outOfRange[239] = '\0';
    std::string outOfRangeRepaired = kEmptyPacked;
    outOfRangeRepaired[5] = '^';
    const std::string cut(100, 'A');
    return {
        {"empty line", "", {kEmptyPacked, 40, 30, {}}},
        {"short line of 10 characters", "14514039AB", {kEmptyPacked, 40, 30, {14514039, 0, 0, 0, 0}}},
        {"line of 41 characters", kNewColorDigits + "/", {kEmptyPacked, 7, 30, kNewColors}},
        {"no packed rows", kNewColorDigits + "/)", {kEmptyPacked, 7, 1, kNewColors}},
        {"packed rows cut after 100", kNewColorDigits + "PF" + cut, {cut + std::string(140, '@'), 40, 30, kNewColors}},
        {"sizes below range", lineBody(kNewColorDigits, '(', '\x01', kEmptyPacked), {kEmptyPacked, 1, 1, kNewColors}},
        {"sizes above range", lineBody(kNewColorDigits, 'Q', 'a', kEmptyPacked), {kEmptyPacked, 40, 30, kNewColors}},
        {"packed characters out of range", lineBody(kNewColorDigits, 'P', 'F', outOfRange),
         {outOfRangeRepaired, 40, 30, kNewColors}},
        {"colours that are not eight digits",
         lineBody("  12345x$0000FF0-0000001ABCDEFGH00000042", 'P', 'F', kEmptyPacked),
         {kEmptyPacked, 40, 30, {12345, 0xFF0, 0xFFFFFFFFu, 0, 42}}},
    };
}

TEST(ReadDamagedLibrary, RepairsTheLineReportsItAndWritesItBackValid) {
    for (const DamageCase& c : damageCases()) {
        for (bool last : {false, true}) {
            if (last && c.line.empty()) continue;  // an empty last line is no line at all
            SCOPED_TRACE(std::string(c.name) + (last ? ", as the last line without line end" : ""));
            TempFolder folder;
            const std::filesystem::path file = folder / "pictures.txt";
            writeBytes(file, numberedLine(1) + c.line + (last ? "" : "\r\n" + numberedLine(3)));
            TPictureLibrary library;
            const LibraryReadReport report = readLibraryFile(file, library);
            EXPECT_EQ(report.repairedLines, std::vector<int>{2});
            ASSERT_EQ(library.count, last ? 2 : 3);
            EXPECT_EQ(fields(library.slots[1]), fields(numberedRecord(1)));
            EXPECT_EQ(fields(library.slots[2]), fields(c.expected));
            EXPECT_EQ(fields(library.slots[3]), fields(last ? TPictureRecord{} : numberedRecord(3)));
            ASSERT_TRUE(writeLibraryFile(file, library, false).ok);
            TPictureLibrary again;
            EXPECT_FALSE(readLibraryFile(file, again).damaged());
        }
    }
}

TEST(ReadDamagedLibrary, KeepsTheOriginalUnderAFreeNameOnceAndSaysWhere) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(withSuffix(file, ".original"), "an older damaged file");
    const std::string original = numberedLine(1) + "garbage\n" + numberedLine(3) + "x\r\n";
    writeBytes(file, original);
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_EQ(report.repairedLines, (std::vector<int>{2, 4}));
    EXPECT_EQ(report.backupPath, withSuffix(file, ".original-2"));
    EXPECT_EQ(report.describe(),
              "The picture library \"" + file.string() +
                  "\" had damaged lines (2, 4) that were repaired. The original file was kept as \"" +
                  report.backupPath.string() + "\".");
    EXPECT_EQ(readBytes(withSuffix(file, ".original")), "an older damaged file");
    // Rewriting the repaired library leaves the copy alone; the same damage
    // read again reuses it.
    ASSERT_TRUE(writeLibraryFile(file, library, false).ok);
    EXPECT_EQ(readBytes(report.backupPath), original);
    writeBytes(file, original);
    EXPECT_EQ(readLibraryFile(file, library).backupPath, report.backupPath);
    EXPECT_FALSE(std::filesystem::exists(withSuffix(file, ".original-3")));
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
    EXPECT_NE(report.describe().find("No copy of the original file could be kept. Cannot write file"),
              std::string::npos)
        << report.describe();
}

TEST(ReadDamagedLibrary, LinesPastTheThousandthAreDroppedAndCounted) {
    TempFolder folder;
    const std::filesystem::path file = folder / "pictures.txt";
    writeBytes(file, joinLines(1, 1003));
    TPictureLibrary library;
    const LibraryReadReport report = readLibraryFile(file, library);
    EXPECT_EQ(library.count, 1000);
    EXPECT_EQ(report.droppedLines, 3);
    EXPECT_TRUE(report.repairedLines.empty());
    EXPECT_EQ(fields(library.slots[1000]), fields(numberedRecord(1000)));
    EXPECT_EQ(report.lastColors, numberedRecord(1000).colors);
    EXPECT_EQ(report.backupPath, withSuffix(file, ".original"));
    EXPECT_EQ(readBytes(report.backupPath), joinLines(1, 1003));
}

TEST(LibraryReadReportDescribe, NamesWhatWasRepairedAndDropped) {
    const std::tuple<std::vector<int>, int, const char*> cases[] = {
        {{7}, 0, "had a damaged line (7) that was repaired"},
        {{}, 1, "had 1 line past the 1000th picture that could not be kept"},
        {{3, 7}, 5,
         "had damaged lines (3, 7) that were repaired, and 5 lines past the 1000th picture that could not be kept"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0,
         "had damaged lines (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ...) that were repaired"},
    };
    for (const auto& [repaired, dropped, middle] : cases) {
        // File, opened, last colours, repaired, dropped, backup, backup error.
        const LibraryReadReport report{"files/pictures.txt", true, {}, repaired,
                                       dropped, "files/pictures.txt.original", ""};
        EXPECT_EQ(report.describe(), std::string("The picture library \"files/pictures.txt\" ") + middle +
                                         ". The original file was kept as \"files/pictures.txt.original\".");
    }
}

}  // namespace
}  // namespace mosarin::testing
