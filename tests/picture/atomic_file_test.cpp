// Whole-file rewrites land where symbolic links lead, with the mode and owner
// of the file they replace.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <tuple>

#include "picture/atomic_file.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

namespace fs = std::filesystem;

TEST(WriteFileAtomically, WritesWhereLinksLeadKeepingTheLinksAndTheModeAndOwnerOfTheFile) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    using Links = std::vector<std::pair<const char*, const char*>>;
    // Name, links (link, where it points), file written, where the bytes land ("": refused),
    // its mode before (0: no file) and owner.
    const std::tuple<const char*, Links, const char*, const char*, mode_t, uid_t> cases[] = {
        {"plain file of another owner", {}, "real.txt", "real.txt", 0664, 4321},
        {"link in the same folder", {{"pictures.txt", "real.txt"}}, "pictures.txt", "real.txt", 0600, 0},
        {"relative link", {{"files/pictures.txt", "../data/real.txt"}}, "files/pictures.txt", "data/real.txt", 0640, 0},
        {"chain", {{"pictures.txt", "middle.txt"}, {"middle.txt", "data/real.txt"}}, "pictures.txt", "data/real.txt",
         0604, 0},
        {"dangling link", {{"pictures.txt", "data/new.txt"}}, "pictures.txt", "data/new.txt", 0, 0},
        {"cycle", {{"a", "b"}, {"b", "a"}}, "a", "", 0, 0},
    };
    for (const auto& [name, links, file, landed, mode, owner] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        fs::create_directories(folder / "files");
        fs::create_directories(folder / "data");
        uid_t expectedOwner = ::geteuid();
        if (mode != 0) {
            writeBytes(folder / landed, "old");
            ASSERT_EQ(::chmod((folder / landed).c_str(), mode), 0);
            // Only the superuser can give a file away.
            if (owner != 0 && ::chown((folder / landed).c_str(), owner, -1) == 0) expectedOwner = owner;
        }
        for (const auto& [link, to] : links) fs::create_symlink(to, folder / link);
        std::string error;
        const bool written = writeFileAtomically(folder / file, "new", true, error);
        for (const auto& [link, to] : links) EXPECT_EQ(fs::read_symlink(folder / link), to) << link;
        if (*landed == '\0') {
            EXPECT_FALSE(written);
            EXPECT_EQ(error, "Cannot write file \"" + (folder / file).string() + "\". " + std::strerror(ELOOP) + ".");
            EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 4);
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
