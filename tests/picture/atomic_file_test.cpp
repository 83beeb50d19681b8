// Whole-file rewrites through symbolic links, and the permission bits and
// owner of the file replaced.
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

TEST(WriteFileAtomically, WritesWhereSymbolicLinksLeadAndKeepsTheLinks) {
    // Name, links to create (link, where it points), the file written to, where the bytes must land.
    using Links = std::vector<std::pair<const char*, const char*>>;
    const std::tuple<const char*, Links, const char*, const char*> cases[] = {
        {"link in the same folder", {{"pictures.txt", "real.txt"}}, "pictures.txt", "real.txt"},
        {"relative link to another folder", {{"files/pictures.txt", "../data/real.txt"}}, "files/pictures.txt",
         "data/real.txt"},
        {"chain of links", {{"pictures.txt", "middle.txt"}, {"middle.txt", "data/real.txt"}}, "pictures.txt",
         "data/real.txt"},
        {"dangling link", {{"pictures.txt", "data/new.txt"}}, "pictures.txt", "data/new.txt"},
    };
    for (const auto& [name, links, written, landed] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        fs::create_directories(folder / "files");
        fs::create_directories(folder / "data");
        writeBytes(folder / "real.txt", "old");
        writeBytes(folder / "data/real.txt", "old");
        for (const auto& [link, to] : links) fs::create_symlink(to, folder / link);

        std::string error;
        ASSERT_TRUE(writeFileAtomically(folder / written, "new bytes", true, error)) << error;
        EXPECT_EQ(readBytes(folder / landed), "new bytes");
        for (const auto& [link, to] : links) EXPECT_EQ(fs::read_symlink(folder / link), to) << link;
    }
}

TEST(WriteFileAtomically, ACycleOfLinksIsRefusedAndChangesNothing) {
    TempFolder folder;
    fs::create_symlink("b", folder / "a");
    fs::create_symlink("a", folder / "b");
    std::string error;
    EXPECT_FALSE(writeFileAtomically(folder / "a", "bytes", false, error));
    EXPECT_EQ(error, "Cannot write file \"" + (folder / "a").string() + "\". " + std::strerror(ELOOP) + ".");
    EXPECT_EQ(fs::read_symlink(folder / "a"), "b");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
}

TEST(WriteFileAtomically, KeepsThePermissionBitsAndOwnerOfTheFileReplaced) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    // Mode and owner of the file replaced; mode 0: no file, the new one gets 0644 less the umask.
    const std::pair<mode_t, uid_t> cases[] = {{0600, ::geteuid()}, {0, ::geteuid()}, {0664, 4321}};
    for (const auto& [mode, owner] : cases) {
        SCOPED_TRACE(::testing::Message() << std::oct << mode << " owned by " << std::dec << owner);
        TempFolder folder;
        const fs::path file = folder / "pictures.txt";
        if (mode != 0) {
            writeBytes(file, "old");
            ASSERT_EQ(::chmod(file.c_str(), mode), 0);
            // Only the superuser can make a file of another owner.
            if (owner != ::geteuid() && ::chown(file.c_str(), owner, -1) != 0) continue;
        }
        std::string error;
        ASSERT_TRUE(writeFileAtomically(file, "new", true, error)) << error;
        struct stat info {};
        ASSERT_EQ(::stat(file.c_str(), &info), 0);
        EXPECT_EQ(readBytes(file), "new");
        EXPECT_EQ(info.st_mode & 07777, mode != 0 ? mode : 0644 & ~mask);
        EXPECT_EQ(info.st_uid, owner);
    }
}

}  // namespace
}  // namespace mosarin::testing
