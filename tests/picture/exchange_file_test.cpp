// Exchange files: the export's name and bytes; imports that append all the
// pictures of a file, or none and leave the library byte for byte.
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

TEST(ExportPicture, WritesTheLibraryLineUnderTheDatedNameReplacingAnEarlierOne) {
    TempFolder folder;
    writeBytes(folder / "Pic0003Date1407Time1605.gpe", "an earlier export");
    const ExportOutcome outcome = exportPicture(folder.path(), 3, numberedRecord(7), {2026, 7, 14, 16, 5, 59});
    ASSERT_TRUE(outcome.written) << outcome.error;
    EXPECT_EQ(outcome.fileName, "Pic0003Date1407Time1605.gpe");
    EXPECT_EQ(outcome.file, folder / outcome.fileName);
    EXPECT_EQ(readBytes(outcome.file), numberedLine(7));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

TEST(ImportExchangeFile, AppendsEveryPictureOfTheFileAsCrLfLinesAfterTheLibrary) {
    TempFolder folder;
    const std::string nine = joinLines(1, 9), full = joinLines(1, 999), one = numberedLine(20);
    const std::string two = one + numberedLine(21);
    // Name, library before, exchange file, library after, pictures appended, pictures afterwards.
    const std::tuple<const char*, std::string, std::string, std::string, int, int> cases[] = {
        {"one line", nine, one, nine + one, 1, 10},
        {"two lines", nine, two, nine + two, 2, 11},
        {"LF only", nine, without(two, '\r'), nine + two, 2, 11},
        {"CR only, the last line without line end", nine, without(withoutLineEnd(two), '\n'), nine + two, 2, 11},
        {"blank lines and Ctrl-Z at the end", nine, two + "\r\n\n\x1A", nine + two, 2, 11},
        {"empty file", withoutLineEnd(nine), "", withoutLineEnd(nine), 0, 9},
        {"library without a last line end", withoutLineEnd(nine), one, nine + one, 1, 10},
        {"library with LF line ends", "a\nb\n", one, "a\nb\n" + one, 1, 3},
        {"library with blank lines at the end", nine + "\r\n\x1A", one, nine + one, 1, 10},
        {"empty library", "", two, two, 2, 2},
        {"the 1000th picture", full, one, full + one, 1, 1000},
    };
    for (const auto& [name, before, exchange, after, appended, count] : cases) {
        SCOPED_TRACE(name);
        writeBytes(folder / "pictures.txt", before);
        writeBytes(folder / "in.gpe", exchange);
        const ImportOutcome outcome = importExchangeFile(folder / "pictures.txt", folder / "in.gpe", asItIs(folder / "pictures.txt"), false);
        EXPECT_EQ(outcome.status, ImportStatus::Imported) << outcome.message;
        EXPECT_EQ(outcome.appended, appended);
        EXPECT_EQ(outcome.libraryCount, count);
        EXPECT_EQ(readBytes(folder / "pictures.txt"), after);
    }
}

TEST(ImportExchangeFile, RefusesAWholeFileForAnyBadLineOrWhatIsNoFileAndChangesNothing) {
    TempFolder folder;
    const auto quoted = [&](const char* name) { return "\"" + (folder / name).string() + "\""; };
    const std::string library = joinLines(1, 999), one = numberedLine(20);  // a second line is picture 1001
    // `one` with the character at 1-based position `at` replaced.
    const auto with = [&](std::size_t at, char c) { return one.substr(0, at - 1) + c + one.substr(at); };
    fs::create_directory(folder / "folder.gpe");
    ASSERT_EQ(::mkfifo((folder / "pipe.gpe").c_str(), 0600), 0);
    const std::string bad = " cannot be imported. Line ";
    // The exchange file (written unless it is there), its bytes, and the message after its name.
    const std::tuple<const char*, std::string, std::string> cases[] = {
        {"short.gpe", one.substr(0, 281) + "\r\n", bad + "1 has 281 characters where a picture line has 282."},
        {"long.gpe", withoutLineEnd(one) + "_\r\n", bad + "1 has 283 characters where a picture line has 282."},
        {"blank.gpe", "\r\n" + one, bad + "1 is empty."},
        {"digit.gpe", with(40, '\0'), bad + "1, position 40: the character of code 0 is not a digit of a colour."},
        {"width0.gpe", with(41, '('), bad + "1, position 41: \"(\" is not a width from 1 to 40."},
        {"width41.gpe", with(41, 'Q'), bad + "1, position 41: \"Q\" is not a width from 1 to 40."},
        {"height31.gpe", with(42, 'G'), bad + "1, position 42: \"G\" is not a height from 1 to 30."},
        {"63.gpe", with(43, '?'), bad + "1, position 43: \"?\" is not a character of packed rows (codes 64 to 95)."},
        {"96.gpe", with(282, '`'), bad + "1, position 282: \"`\" is not a character of packed rows (codes 64 to 95)."},
        {"1001.gpe", one + one, bad + "2 would be picture 1001, and the library holds at most 1000 pictures."},
        {"folder.gpe", "", " is a folder, not a picture file."},
        {"pipe.gpe", "", " is not a regular file (a device or a pipe, for instance)."},
    };
    for (const auto& refused : cases) {
        const auto& [name, bytes, problem] = refused;
        SCOPED_TRACE(name);
        writeBytes(folder / "pictures.txt", library);
        if (!fs::exists(folder / name)) writeBytes(folder / name, bytes);
        ImportOutcome outcome;
        EXPECT_TRUE(returnsPromptly(folder / "pipe.gpe",
                                    [&] { outcome = importExchangeFile(folder / "pictures.txt", folder / std::get<0>(refused), asItIs(folder / "pictures.txt")); }));
        EXPECT_EQ(outcome.status, ImportStatus::Refused);
        EXPECT_EQ(outcome.message, "The file " + quoted(name) + problem + " Nothing was imported.");
        EXPECT_EQ(readBytes(folder / "pictures.txt"), library);
    }
    // No exchange file is no refusal; no library, or one that cannot be rewritten, is.
    EXPECT_EQ(importExchangeFile(folder / "pictures.txt", folder / "absent.gpe", asItIs(folder / "pictures.txt")).status, ImportStatus::Missing);
    EXPECT_EQ(importExchangeFile(folder / "absent.txt", folder / "short.gpe", asItIs(folder / "absent.txt")).message,
              "The picture library " + quoted("absent.txt") +
                  " cannot be opened: No such file or directory. Nothing was imported.");
    EXPECT_FALSE(fs::exists(folder / "absent.txt"));
    writeBytes(folder / "in.gpe", one);
    fs::create_directory(folder / ("pictures.txt.tmp-" + std::to_string(::getpid())));
    EXPECT_EQ(importExchangeFile(folder / "pictures.txt", folder / "in.gpe", asItIs(folder / "pictures.txt")).message,
              "Cannot write file " + quoted("pictures.txt") + ". Is a directory. Nothing was imported.");
    EXPECT_EQ(readBytes(folder / "pictures.txt"), library);
}

}  // namespace
}  // namespace mosarin::testing
