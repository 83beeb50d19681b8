// Reading the picture library file: line ends, blank lines and Ctrl-Z at the
// end, counts, slots above the count, and files that cannot be opened or read.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <tuple>

#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(ReadLibraryFile, FillsSlotsOneToCountInFileOrderWhateverTheLineEnds) {
    const std::string crlf = joinLines(1, 3);
    // Name, bytes, and the lines they hold: numberedLine(first) onwards, count of them.
    const std::tuple<const char*, std::string, int, int> cases[] = {
        {"CR LF", crlf, 1, 3},
        {"LF only", without(crlf, '\r'), 1, 3},
        {"mixed, CR CR LF as one line end", numberedLine(1) + withoutLineEnd(numberedLine(2)) + "\r\r\n" +
                                                without(numberedLine(3), '\n'), 1, 3},
        {"CR only, last line without line end", without(withoutLineEnd(crlf), '\n'), 1, 3},
        {"blank lines and Ctrl-Z after the last", crlf + "\r\n\n\r\x1A", 1, 3},
        {"2 lines after 5", joinLines(7, 8), 7, 2},
        {"0-byte file", "", 0, 0},
        {"blank lines only", "\r\n\n\r", 0, 0},
    };
    for (const auto& [name, bytes, first, count] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", bytes);
        TPictureLibrary library = libraryOfFive();
        const LibraryReadReport report = readLibraryFile(folder / "pictures.txt", library);
        EXPECT_TRUE(report.opened);
        EXPECT_FALSE(report.damaged()) << report.describe();
        EXPECT_FALSE(std::filesystem::exists(folder / "pictures.txt.original"));
        EXPECT_EQ(library.count, count);
        for (int n = 1; n <= 5; ++n) {
            const TPictureRecord expected = numberedRecord(n <= count ? first + n - 1 : 100 + n);
            EXPECT_EQ(fields(library.slots[n]), fields(expected)) << n;
        }
        EXPECT_EQ(report.lastColors,
                  count > 0 ? std::optional(numberedRecord(first + count - 1).colors) : std::nullopt);
    }
}

TEST(ReadLibraryFile, FilesThatCannotBeOpenedOrReadLeaveTheLibraryAsItWas) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder.txt");
    writeBytes(folder / "huge.txt", "");
    std::filesystem::resize_file(folder / "huge.txt", std::uintmax_t(65) << 20);  // sparse: costs no disk
    // The file, and the reason a file that is there could not be read ("": it is not there).
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {folder / "absent.txt", ""},
        {folder / "folder.txt", "it is a folder"},
        {folder / "huge.txt", "it is larger than 64 MiB"},
        {"/proc/self/mem", std::strerror(EIO)},  // reading address 0 fails after a successful open
    };
    for (const auto& [file, reason] : cases) {
        SCOPED_TRACE(file.string());
        TPictureLibrary library = libraryOfFive();
        const LibraryReadReport report = readLibraryFile(file, library);
        EXPECT_FALSE(report.opened);
        EXPECT_FALSE(report.lastColors.has_value());
        const std::string said = "The picture library \"" + file.string() + "\" could not be read: " + reason;
        EXPECT_TRUE(reason.empty() ? report.failure.empty() : report.failure.starts_with(said)) << report.failure;
        EXPECT_EQ(library.count, 5);
        for (int n = 1; n <= 5; ++n) EXPECT_EQ(fields(library.slots[n]), fields(numberedRecord(100 + n))) << n;
    }
}

}  // namespace
}  // namespace mosarin::testing
