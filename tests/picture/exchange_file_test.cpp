// Exchange files: the export's name and bytes, imports that append exactly the
// pictures of the file, and refusals that leave the library byte for byte.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <tuple>

#include "picture/exchange_file.h"
#include "tests/picture/fifo_guard.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

namespace fs = std::filesystem;

// numberedLine(n) with the character at 1-based `position` replaced, and its line end.
std::string lineWith(int n, std::size_t position, char c) {
    std::string line = numberedLine(n);
    line[position - 1] = c;
    return line;
}

std::string withoutLineEnd(const std::string& line) { return line.substr(0, line.size() - 2); }

TEST(ExportPicture, WritesTheLibraryLineUnderTheDatedNameReplacingAnEarlierOne) {
    // Name, what stands at the name before (empty: nothing).
    const std::pair<const char*, std::string> cases[] = {{"new file", ""}, {"replaces", "an earlier export"}};
    for (const auto& [name, before] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        if (!before.empty()) writeBytes(folder / "Pic0003Date1407Time1605.gpe", before);
        const ExportOutcome outcome = exportPicture(folder.path(), 3, numberedRecord(7), {2026, 7, 14, 16, 5, 59});
        ASSERT_TRUE(outcome.written) << outcome.error;
        EXPECT_EQ(outcome.fileName, "Pic0003Date1407Time1605.gpe");
        EXPECT_EQ(outcome.file, folder / "Pic0003Date1407Time1605.gpe");
        EXPECT_EQ(readBytes(outcome.file), numberedLine(7));
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
    }
    EXPECT_EQ(exchangeFileName(1000, {1999, 12, 31, 23, 59, 0}), "Pic1000Date3112Time2359.gpe");
}

TEST(ExportPicture, AFileThatCannotBeCreatedIsReportedWithPathAndReason) {
    TempFolder folder;
    const ExportOutcome outcome = exportPicture(folder / "files", 3, numberedRecord(7), {2026, 7, 14, 16, 5, 0});
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(outcome.error,
              "Cannot write file \"" + (folder / "files/Pic0003Date1407Time1605.gpe").string() +
                  "\". No such file or directory.");
}

TEST(ImportExchangeFile, AppendsEveryPictureLineAsCrLfLinesAfterTheLibrary) {
    const std::string nine = joinLines(1, 9);
    const std::string two = numberedLine(20) + numberedLine(21);
    const std::string twoLf = withoutLineEnd(numberedLine(20)) + "\n" + withoutLineEnd(numberedLine(21)) + "\n";
    const std::string twoCr = withoutLineEnd(numberedLine(20)) + "\r" + withoutLineEnd(numberedLine(21));
    // Name, library before, exchange file, library after, pictures appended, pictures afterwards.
    const std::tuple<const char*, std::string, std::string, std::string, int, int> cases[] = {
        {"one line into 9 pictures", nine, numberedLine(20), nine + numberedLine(20), 1, 10},
        {"two lines", nine, two, nine + two, 2, 11},
        {"LF only", nine, twoLf, nine + two, 2, 11},
        {"CR only, the last line without line end", nine, twoCr, nine + two, 2, 11},
        {"blank lines and Ctrl-Z at the end", nine, two + "\r\n\n\x1A", nine + two, 2, 11},
        {"empty file", withoutLineEnd(nine), "", withoutLineEnd(nine), 0, 9},
        {"blank lines only", nine, "\r\n\r\n", nine, 0, 9},
        {"library without a last line end", withoutLineEnd(nine), numberedLine(20), nine + numberedLine(20), 1, 10},
        {"library with LF line ends", "a\nb\n", numberedLine(20), "a\nb\n" + numberedLine(20), 1, 3},
        {"library with blank lines at the end", nine + "\r\n\x1A", numberedLine(20), nine + numberedLine(20), 1, 10},
        {"empty library", "", two, two, 2, 2},
        {"the 1000th picture", joinLines(1, 999), numberedLine(20), joinLines(1, 999) + numberedLine(20), 1, 1000},
    };
    for (const auto& [name, before, exchange, after, appended, count] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", before);
        writeBytes(folder / "in.gpe", exchange);
        const ImportOutcome outcome = importExchangeFile(folder / "pictures.txt", folder / "in.gpe", false);
        EXPECT_EQ(outcome.status, ImportStatus::Imported) << outcome.message;
        EXPECT_EQ(outcome.appended, appended);
        EXPECT_EQ(outcome.libraryCount, count);
        EXPECT_EQ(readBytes(folder / "pictures.txt"), after);
    }
}

TEST(ImportExchangeFile, RefusesAFileWithAnyBadLineAndNamesIt) {
    const std::string line = numberedLine(20);
    const std::string nine = joinLines(1, 9);
    // Name, library before, exchange file, what is wrong.
    const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
        {"short line", nine, line.substr(0, 281) + "\r\n", "Line 1 has 281 characters where a picture line has 282."},
        {"long line", nine, line + withoutLineEnd(line) + "_\r\n",
         "Line 2 has 283 characters where a picture line has 282."},
        {"blank line between pictures", nine, line + "\r\n" + line, "Line 2 is empty."},
        {"letter in a colour", nine, lineWith(20, 12, 'x'), "Line 1, position 12: \"x\" is not a digit of a colour."},
        {"control character in a colour", nine, line + lineWith(21, 40, '\0'),
         "Line 2, position 40: the character of code 0 is not a digit of a colour."},
        {"width 0", nine, lineWith(20, 41, '('), "Line 1, position 41: \"(\" is not a width from 1 to 40."},
        {"width 41", nine, lineWith(20, 41, 'Q'), "Line 1, position 41: \"Q\" is not a width from 1 to 40."},
        {"height 31", nine, lineWith(20, 42, 'G'), "Line 1, position 42: \"G\" is not a height from 1 to 30."},
        {"packed character 63", nine, lineWith(20, 43, '?'),
         "Line 1, position 43: \"?\" is not a character of packed rows (codes 64 to 95)."},
        {"packed character 96", nine, lineWith(20, 282, '`'),
         "Line 1, position 282: \"`\" is not a character of packed rows (codes 64 to 95)."},
        {"the 1001st picture", joinLines(1, 999), line + line,
         "Line 2 would be picture 1001, and the library holds at most 1000 pictures."},
    };
    for (const auto& [name, before, exchange, problem] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", before);
        writeBytes(folder / "in.gpe", exchange);
        const ImportOutcome outcome = importExchangeFile(folder / "pictures.txt", folder / "in.gpe", false);
        EXPECT_EQ(outcome.status, ImportStatus::Refused);
        EXPECT_EQ(outcome.appended, 0);
        EXPECT_EQ(outcome.message, "The file \"" + (folder / "in.gpe").string() + "\" cannot be imported. " +
                                       problem + " Nothing was imported.");
        EXPECT_EQ(readBytes(folder / "pictures.txt"), before);
    }
}

TEST(ImportExchangeFile, RefusesWhatIsNoFileOrNoLibraryWithoutBlockingOrChangingIt) {
    TempFolder folder;
    const fs::path library = folder / "pictures.txt";
    writeBytes(library, joinLines(1, 3));
    writeBytes(folder / "in.gpe", numberedLine(20));
    fs::create_directory(folder / "folder.gpe");
    ASSERT_EQ(::mkfifo((folder / "pipe.gpe").c_str(), 0600), 0);
    const std::string blockingTemporary = "pictures.txt.tmp-" + std::to_string(::getpid());
    const std::string reason = " Nothing was imported.";
    // Name, library, exchange file, a folder in the way of the rewrite, the message (empty: Missing).
    const std::tuple<const char*, fs::path, fs::path, std::string, std::string> cases[] = {
        {"no such file", library, folder / "absent.gpe", "", ""},
        {"folder", library, folder / "folder.gpe", "",
         "The file \"" + (folder / "folder.gpe").string() + "\" is a folder, not a picture file." + reason},
        {"pipe", library, folder / "pipe.gpe", "",
         "The file \"" + (folder / "pipe.gpe").string() +
             "\" is not a regular file (a device or a pipe, for instance)." + reason},
        {"no library", folder / "absent.txt", folder / "in.gpe", "",
         "The picture library \"" + (folder / "absent.txt").string() +
             "\" cannot be opened: No such file or directory." + reason},
        {"library cannot be rewritten", library, folder / "in.gpe", blockingTemporary,
         "Cannot write file \"" + library.string() + "\". Is a directory." + reason},
    };
    for (const auto& [name, libraryFile, exchange, inTheWay, message] : cases) {
        SCOPED_TRACE(name);
        if (!inTheWay.empty()) fs::create_directory(folder / inTheWay);
        ImportOutcome outcome;
        EXPECT_TRUE(returnsPromptly(folder / "pipe.gpe", [&] { outcome = importExchangeFile(libraryFile, exchange); }));
        EXPECT_EQ(outcome.status, message.empty() ? ImportStatus::Missing : ImportStatus::Refused);
        EXPECT_EQ(outcome.message, message);
        EXPECT_EQ(readBytes(library), joinLines(1, 3));
        EXPECT_FALSE(fs::exists(folder / "absent.txt"));
        if (!inTheWay.empty()) fs::remove(folder / inTheWay);
    }
}

}  // namespace
}  // namespace mosarin::testing
