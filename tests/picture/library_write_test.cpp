// Writing picture lines and whole library files: exact bytes, a failed write
// that changes nothing, and rewrites that land where symbolic links lead with
// the mode and owner of the file they replace.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <tuple>

#include "picture/atomic_file.h"
#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

TEST(FormatPictureLine, GivesAValidLineForAnyRecord) {
    const std::tuple<const char*, std::string, int, int, std::string, char, char> cases[] = {
        {"the New picture", kEmptyPacked, 40, 30, kEmptyPacked, 'P', 'F'},
        {"never held a picture", "", 40, 30, kEmptyPacked, 'P', 'F'},
        {"short rows", "_", 7, 1, "_" + std::string(239, '@'), '/', ')'},
        {"long rows", std::string(300, 'A'), 40, 30, std::string(240, 'A'), 'P', 'F'},
        {"characters out of range", "`~" + std::string(238, '@'), 40, 30, "@^" + std::string(238, '@'), 'P', 'F'},
        {"sizes too large", kEmptyPacked, 41, 31, kEmptyPacked, 'P', 'F'},
        {"sizes too small", kEmptyPacked, 0, -5, kEmptyPacked, ')', ')'},
    };
    for (const auto& [name, packed, width, height, expectedPacked, widthChar, heightChar] : cases) {
        const TPictureRecord record{packed, width, height, kNewColors};
        EXPECT_EQ(formatPictureLine(record), lineBody(kNewColorDigits, widthChar, heightChar, expectedPacked) + "\r\n")
            << name;
    }
}

TEST(FormatPictureLine, ColoursTooLongForEightDigitsKeepTheirLowTwentyFourBits) {
    const std::pair<Color, std::string> cases[] = {
        {99999999, "99999999"},   // the largest that fits stays as it is
        {100000000, "16113920"},  // 0x05F5E100 -> 0xF5E100
        {kButtonFaceColor, "00000015"},
        {0xFFFFFFFFu, "16777215"},
    };
    for (const auto& [color, digits] : cases) {
        TPictureRecord record{kEmptyPacked, 40, 30, kNewColors};
        record.colors[colorLine2] = color;
        EXPECT_EQ(formatPictureLine(record),
                  lineBody(kNewColorDigits.substr(0, 32) + digits, 'P', 'F', kEmptyPacked) + "\r\n")
            << color;
    }
}

// Every entry below `folder`, with the bytes of each file.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        entries[entry.path().string()] = entry.is_regular_file() ? readBytes(entry.path()) : "(folder)";
    }
    return entries;
}

TEST(WriteLibraryFile, ReplacesTheFileWithSlotsOneToCountAndLeavesNothingElse) {
    for (int count : {3, 1, 0}) {
        TempFolder folder;
        const std::filesystem::path file = folder / "pictures.txt";
        writeBytes(file, joinLines(1, 5));
        TPictureLibrary library;
        for (int n = 0; n <= 4; ++n) library.slots[n] = numberedRecord(20 + n);  // slot 0 is never written
        library.count = count;
        const LibraryWriteResult result = writeLibraryFile(file, library, asItIs(file), /*sync=*/count != 1);
        ASSERT_TRUE(result.ok) << result.error;
        EXPECT_EQ(snapshot(folder.path()),
                  (std::map<std::string, std::string>{{file.string(), joinLines(21, 20 + count)}}))
            << "count " << count;
    }
}

TEST(WriteLibraryFile, AFailedWriteChangesNothingAndSaysWhy) {
    const std::string temporary = "pictures.txt.tmp-" + std::to_string(::getpid());
    // Name, file to write, a folder in the way (which stops even the superuser), the reason.
    const std::tuple<const char*, const char*, std::string, int> cases[] = {
        {"no such folder", "files/pictures.txt", "", ENOENT},
        {"temporary file cannot be created", "pictures.txt", temporary, EISDIR},
        // A folder where the library should be is one it could not read:
        // never written (see library_guard_test.cpp).
    };
    for (const auto& [name, file, folderInTheWay, reason] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        writeBytes(folder / "pictures.txt", joinLines(1, 4));
        if (!folderInTheWay.empty()) std::filesystem::create_directory(folder / folderInTheWay);
        const auto before = snapshot(folder.path());
        const LibraryWriteResult result = writeLibraryFile(folder / file, libraryOfFive(), asItIs(folder / file));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error,
                  "Cannot write file \"" + (folder / file).string() + "\". " + std::strerror(reason) + ".");
        EXPECT_EQ(snapshot(folder.path()), before);
    }
}

TEST(WriteFileAtomically, WritesWhereLinksLeadKeepingTheLinksAndTheModeAndOwnerOfTheFile) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    using Links = std::vector<std::pair<const char*, const char*>>;
    // Name, links (link, where it points), file written, where the bytes land ("": refused),
    // its mode before (0: no file) and owner.
    const std::tuple<const char*, Links, const char*, const char*, mode_t, uid_t> cases[] = {
        {"link to a file of another owner", {{"pictures.txt", "real.txt"}}, "pictures.txt", "real.txt", 0664, 4321},
        {"chain through another folder", {{"files/pictures.txt", "../middle.txt"}, {"middle.txt", "data/real.txt"}},
         "files/pictures.txt", "data/real.txt", 0600, 0},
        {"dangling link", {{"pictures.txt", "data/new.txt"}}, "pictures.txt", "data/new.txt", 0, 0},
        {"cycle", {{"a", "b"}, {"b", "a"}}, "a", "", 0, 0},
    };
    for (const auto& [name, links, file, landed, mode, owner] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        std::filesystem::create_directories(folder / "files");
        std::filesystem::create_directories(folder / "data");
        uid_t expectedOwner = ::geteuid();
        if (mode != 0) {
            writeBytes(folder / landed, "old");
            ASSERT_EQ(::chmod((folder / landed).c_str(), mode), 0);
            // Only the superuser can give a file away.
            if (owner != 0 && ::chown((folder / landed).c_str(), owner, -1) == 0) expectedOwner = owner;
        }
        for (const auto& [link, to] : links) std::filesystem::create_symlink(to, folder / link);
        std::string error;
        const bool written = writeFileAtomically(folder / file, "new", true, error);
        for (const auto& [link, to] : links) EXPECT_EQ(std::filesystem::read_symlink(folder / link), to) << link;
        if (*landed == '\0') {
            EXPECT_FALSE(written);
            EXPECT_EQ(error, "Cannot write file \"" + (folder / file).string() + "\". " + std::strerror(ELOOP) + ".");
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 4);
            continue;
        }
        ASSERT_TRUE(written) << error;
        struct stat info {};
        ASSERT_EQ(::stat((folder / landed).c_str(), &info), 0);
        EXPECT_EQ(readBytes(folder / landed), "new");
        EXPECT_EQ(info.st_mode & 07777, mode != 0 ? mode : 0644 & ~mask);
        EXPECT_EQ(info.st_uid, expectedOwner);
    }
}

}  // namespace
}  // namespace mosarin::testing
