// Damaged library files: lines repaired in place, overlong lines cut, lines
// past the 1000th dropped, the original kept beside the file, and the message
// for the user.
#include <gtest/gtest.h>

#include <unistd.h>
#include <tuple>

#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(ReadDamagedLibrary, RepairsTheLineReportsItAndWritesItBackValid) {
    std::string outOfRange = kEmptyPacked, outOfRangeRepaired = kEmptyPacked;
    outOfRange[0] = '`';  // 96: group value 0
    outOfRange[5] = '~';  // 126: group value 30
    outOfRange[239] = '\0';
    outOfRangeRepaired[5] = '^';
    const std::string cut(100, 'A');
    // Name, line 2 without line end, what it is read as.
    const std::tuple<const char*, std::string, TPictureRecord> cases[] = {
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
    for (const auto& [name, line, expected] : cases) {
        for (bool last : {false, true}) {
            if (last && line.empty()) continue;  // an empty last line is no line at all
            SCOPED_TRACE(std::string(name) + (last ? ", as the last line without line end" : ""));
            TempFolder folder;
            const std::filesystem::path file = folder / "pictures.txt";
            writeBytes(file, numberedLine(1) + line + (last ? "" : "\r\n" + numberedLine(3)));
            TPictureLibrary library;
            const LibraryReadReport report = readLibraryFile(file, library);
            EXPECT_EQ(report.repairedLines, std::vector<int>{2});
            ASSERT_EQ(library.count, last ? 2 : 3);
            EXPECT_EQ(fields(library.slots[1]), fields(numberedRecord(1)));
            EXPECT_EQ(fields(library.slots[2]), fields(expected));
            EXPECT_EQ(fields(library.slots[3]), fields(last ? TPictureRecord{} : numberedRecord(3)));
            ASSERT_TRUE(writeLibraryFile(file, library, asItIs(file), false).ok);
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
    ASSERT_TRUE(writeLibraryFile(file, library, asItIs(file), false).ok);
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

TEST(ReadDamagedLibrary, CutsOverlongLinesAndDropsLinesPastTheThousandthKeepingTheOriginal) {
    const std::string overlong = withoutLineEnd(numberedLine(2)) + "____XYZ";
    const std::string cut = "had a line (2) of more than 282 characters that was cut short";
    // Bytes, pictures read, what the report says after the file's name ("": nothing, and no copy is kept).
    const std::tuple<std::string, int, std::string> cases[] = {
        {numberedLine(1) + overlong + "\r\n" + numberedLine(3), 3, cut},
        {numberedLine(1) + overlong.substr(0, 283), 2, cut},  // one character too many, no line end
        {joinLines(1, 1003), 1000, "had 3 lines past the 1000th picture that could not be kept"},
        {joinLines(1, 1000) + "\r\n\r\n\x1A", 1000, ""},
    };
    for (const auto& [bytes, count, said] : cases) {
        SCOPED_TRACE(::testing::Message() << count << " pictures, " << said);
        TempFolder folder;
        const std::filesystem::path file = folder / "pictures.txt", original = withSuffix(file, ".original");
        writeBytes(file, bytes);
        TPictureLibrary library;
        const LibraryReadReport report = readLibraryFile(file, library);
        ASSERT_EQ(library.count, count);
        for (int n = 1; n <= count; ++n) ASSERT_EQ(fields(library.slots[n]), fields(numberedRecord(n))) << n;
        EXPECT_EQ(report.lastColors, numberedRecord(count).colors);
        const std::string kept = "\" " + said + ". The original file was kept as \"" + original.string() + "\".";
        EXPECT_EQ(report.describe(), said.empty() ? "" : "The picture library \"" + file.string() + kept);
        // A rewrite of the library leaves the whole original beside it.
        ASSERT_TRUE(writeLibraryFile(file, library, asItIs(file), false).ok);
        EXPECT_EQ(std::filesystem::exists(original) ? readBytes(original) : "", said.empty() ? "" : bytes);
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
