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

struct stat statOf(const fs::path& file) {
    struct stat info {};
    EXPECT_EQ(::lstat(file.c_str(), &info), 0) << file;
    return info;
}

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
        for (const auto& [link, to] : links) {
            EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / link))) << link;
            EXPECT_EQ(fs::read_symlink(folder / link), to) << link;
        }
        // Nothing else changed, no temporary file left behind.
        for (const char* other : {"real.txt", "data/real.txt"}) {
            if (folder / other == folder / landed) continue;
            EXPECT_EQ(readBytes(folder / other), "old") << other;
        }
        EXPECT_EQ(std::distance(fs::recursive_directory_iterator(folder.path()), {}),
                  4 + static_cast<long>(links.size()) + (std::string(name) == "dangling link"));
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
    const bool superuser = ::geteuid() == 0;
    // Mode and owner before (none: a new file), and what the new file must have.
    const std::tuple<mode_t, uid_t, mode_t, uid_t> cases[] = {
        {0600, ::geteuid(), 0600, ::geteuid()},
        {0640, ::geteuid(), 0640, ::geteuid()},
        {0755, ::geteuid(), 0755, ::geteuid()},
        {0, 0, 0644 & ~mask, ::geteuid()},
        {0664, 4321, 0664, 4321},
    };
    for (const auto& [before, ownerBefore, after, ownerAfter] : cases) {
        SCOPED_TRACE(::testing::Message() << std::oct << before << " owned by " << std::dec << ownerBefore);
        TempFolder folder;
        const fs::path file = folder / "pictures.txt";
        if (before != 0) {
            writeBytes(file, "old");
            ASSERT_EQ(::chmod(file.c_str(), before), 0);
            // Only the superuser can make a file of another owner.
            if (ownerBefore != ::geteuid() && (!superuser || ::chown(file.c_str(), ownerBefore, -1) != 0)) continue;
        }
        std::string error;
        ASSERT_TRUE(writeFileAtomically(file, "new", true, error)) << error;
        EXPECT_EQ(readBytes(file), "new");
        EXPECT_EQ(statOf(file).st_mode & 07777, after);
        EXPECT_EQ(statOf(file).st_uid, ownerAfter);
    }
}

}  // namespace
}  // namespace mosarin::testing
