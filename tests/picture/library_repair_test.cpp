// Damaged library files: lines repaired in place, overlong lines cut, lines
// past the 1000th dropped, the original kept beside the file, and the message
// for the user.
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
    // Bytes, and the lines dropped: blank lines after the 1000th picture are none.
    const std::pair<std::string, int> cases[] = {
        {joinLines(1, 1003), 3},
        {joinLines(1, 1000) + "\r\n\r\n\x1A", 0},
    };
    for (const auto& [bytes, dropped] : cases) {
        SCOPED_TRACE(dropped);
        TempFolder folder;
        const std::filesystem::path file = folder / "pictures.txt";
        writeBytes(file, bytes);
        TPictureLibrary library;
        const LibraryReadReport report = readLibraryFile(file, library);
        EXPECT_EQ(library.count, 1000);
        EXPECT_EQ(report.droppedLines, dropped);
        EXPECT_TRUE(report.repairedLines.empty());
        EXPECT_EQ(fields(library.slots[1000]), fields(numberedRecord(1000)));
        EXPECT_EQ(report.lastColors, numberedRecord(1000).colors);
        if (dropped == 0) {
            EXPECT_EQ(report.describe(), "");
            EXPECT_FALSE(std::filesystem::exists(withSuffix(file, ".original")));
        } else {
            EXPECT_EQ(report.backupPath, withSuffix(file, ".original"));
            EXPECT_EQ(readBytes(report.backupPath), bytes);
        }
    }
}

TEST(ReadDamagedLibrary, LinesLongerThan282AreCutReportedAndTheOriginalKept) {
    const std::string overlong = withoutLineEnd(numberedLine(2)) + "____XYZ";
    // Bytes (line 2 is the long one), pictures read.
    const std::pair<std::string, int> cases[] = {
        {numberedLine(1) + overlong + "\r\n" + numberedLine(3), 3},
        {numberedLine(1) + overlong.substr(0, 283), 2},  // one character too many, no line end
    };
    for (const auto& [bytes, count] : cases) {
        SCOPED_TRACE(count);
        TempFolder folder;
        const std::filesystem::path file = folder / "pictures.txt";
        writeBytes(file, bytes);
        TPictureLibrary library;
        const LibraryReadReport report = readLibraryFile(file, library);
        EXPECT_EQ(library.count, count);
        for (int n = 1; n <= count; ++n) EXPECT_EQ(fields(library.slots[n]), fields(numberedRecord(n))) << n;
        EXPECT_EQ(report.describe(), "The picture library \"" + file.string() +
                                         "\" had a line (2) of more than 282 characters that was cut short. "
                                         "The original file was kept as \"" + file.string() + ".original\".");
        // A rewrite of the cut library leaves the whole original beside it.
        ASSERT_TRUE(writeLibraryFile(file, library, false).ok);
        EXPECT_EQ(readBytes(withSuffix(file, ".original")), bytes);
    }
}

TEST(LibraryReadReportDescribe, NamesWhatWasRepairedCutAndDropped) {
    const std::tuple<std::vector<int>, std::vector<int>, int, const char*> cases[] = {
        {{7}, {}, 0, "had a damaged line (7) that was repaired"},
        {{}, {}, 1, "had 1 line past the 1000th picture that could not be kept"},
        {{}, {4, 9}, 0, "had lines (4, 9) of more than 282 characters that were cut short"},
        {{3, 7}, {}, 5,
         "had damaged lines (3, 7) that were repaired, and 5 lines past the 1000th picture that could not be kept"},
        {{3}, {4}, 2,
         "had a damaged line (3) that was repaired, a line (4) of more than 282 characters that was cut short, "
         "and 2 lines past the 1000th picture that could not be kept"},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {}, 0,
         "had damaged lines (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ...) that were repaired"},
    };
    for (const auto& [repaired, cut, dropped, middle] : cases) {
        // File, opened, last colours, repaired, cut, dropped, backup, backup error.
        const LibraryReadReport report{"files/pictures.txt", true, {}, repaired, cut,
                                       dropped, "files/pictures.txt.original", ""};
        EXPECT_EQ(report.describe(), std::string("The picture library \"files/pictures.txt\" ") + middle +
                                         ". The original file was kept as \"files/pictures.txt.original\".");
    }
    // A reason that has its own full stop gets no second one.
    const LibraryReadReport report{"p.txt", true, {}, {1}, {}, 0, "", "Every backup name is taken."};
    EXPECT_EQ(report.describe(), "The picture library \"p.txt\" had a damaged line (1) that was repaired. "
                                 "No copy of the original file could be kept. Every backup name is taken.");
}

}  // namespace
}  // namespace mosarin::testing
