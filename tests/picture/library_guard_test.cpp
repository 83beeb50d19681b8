// The library is written only over the file its writer last read or wrote:
// never over one it could not read, never over one another program changed
// since. And temporary files of killed saves do not pile up.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <functional>
#include <memory>

#include "picture/exchange_file.h"
#include "picture/library_file.h"
#include "picture/stale_temporary_files.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

namespace fs = std::filesystem;

// One window's library and what it knows of the file.
struct Reader {
    std::unique_ptr<TPictureLibrary> library = std::make_unique<TPictureLibrary>();
    LibraryFileGuard guard;
    LibraryReadReport read(const fs::path& file) {
        LibraryReadReport report = readLibraryFile(file, *library);
        rememberRead(guard, report);
        return report;
    }
    LibraryWriteResult write(const fs::path& file) { return writeLibraryFile(file, *library, guard, false); }
};

TEST(LibraryGuard, AFileThatCouldNotBeReadIsNeverWrittenUntilAReadSucceeds) {
    const std::string library = joinLines(1, 4);
    // How the file cannot be read, and how it is made readable again.
    const std::tuple<const char*, std::function<void(const fs::path&)>, std::string> cases[] = {
        {"larger than the reader's bound", [&](const fs::path& f) { writeBytes(f, library); fs::resize_file(f, 65u << 20); },
         "it is larger than 64 MiB"},
        {"a folder", [](const fs::path& f) { fs::create_directory(f); }, "it is a folder"},
    };
    for (const auto& [name, spoil, reason] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const fs::path file = folder / "pictures.txt";
        spoil(file);
        const auto sizeBefore = fs::is_regular_file(file) ? fs::file_size(file) : 0;
        Reader reader;
        const LibraryReadReport report = reader.read(file);
        EXPECT_NE(report.failure.find(reason), std::string::npos) << report.failure;
        reader.library->slots[1] = numberedRecord(9);
        reader.library->count = 1;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const LibraryWriteResult result = reader.write(file);
            EXPECT_EQ(result.status, LibraryWriteStatus::Unreadable);
            EXPECT_EQ(result.error, report.failure + " Nothing is written to it until it can be read again.");
        }
        EXPECT_EQ(fs::is_regular_file(file) ? fs::file_size(file) : 0, sizeBefore);
        if (fs::is_regular_file(file)) {
            EXPECT_EQ(readBytes(file).substr(0, library.size()), library);
        }
        // Mended: a read succeeds, and from then on the library is written.
        fs::remove_all(file);
        writeBytes(file, library);
        ASSERT_TRUE(reader.read(file).opened);
        EXPECT_TRUE(reader.write(file).ok);
        EXPECT_EQ(readBytes(file), library);
    }
}

// Changes another program can make behind a window's back, with or without
// changing the file's size or modification time.
void setModified(const fs::path& file, const timespec& when) {
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

timespec modifiedOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mtim;
}

TEST(LibraryGuard, TwoWritersOverOneFileNeverOverwriteEachOther) {
    const std::string library = joinLines(1, 3);
    const std::tuple<const char*, std::function<void(const fs::path&)>> cases[] = {
        {"another window appended a picture", [](const fs::path& f) {
             Reader other;
             other.read(f);
             other.library->slots[4] = numberedRecord(45);
             other.library->count = 4;
             ASSERT_TRUE(other.write(f).ok);
         }},
        {"same size and time, other bytes", [](const fs::path& f) {
             const timespec before = modifiedOf(f);
             std::string bytes = readBytes(f);
             bytes[42] = bytes[42] == 'A' ? 'B' : 'A';
             writeBytes(f, bytes);
             setModified(f, before);
         }},
        {"the same bytes written again later", [](const fs::path& f) {
             setModified(f, {modifiedOf(f).tv_sec + 5, 0});
         }},
        {"removed", [](const fs::path& f) { fs::remove(f); }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const fs::path file = folder / "pictures.txt";
        writeBytes(file, library);
        Reader window;
        window.read(file);
        window.library->slots[1] = numberedRecord(7);
        change(file);
        const bool present = fs::exists(file);
        const std::string changed = present ? readBytes(file) : "";
        const LibraryWriteResult refused = window.write(file);
        EXPECT_EQ(refused.status, LibraryWriteStatus::Changed);
        EXPECT_EQ(refused.error, "The picture library \"" + file.string() +
                                     "\" was changed by another program since it was last read here. Nothing was "
                                     "written to it.");
        EXPECT_EQ(fs::exists(file), present);
        if (present) {
            EXPECT_EQ(readBytes(file), changed);
        }
        // Read again, the window writes; a write leaves the guard knowing the new file.
        window.read(file);
        window.library->slots[1] = numberedRecord(7);
        ASSERT_TRUE(window.write(file).ok);
        ASSERT_TRUE(window.write(file).ok);
        if (present) {
            EXPECT_EQ(readBytes(file).substr(0, 284), numberedLine(7));
        }
    }
}

TEST(LibraryGuard, AnImportGoesOnlyIntoTheLibraryTheWindowLastRead) {
    TempFolder folder;
    const fs::path file = folder / "pictures.txt";
    writeBytes(file, joinLines(1, 2));
    writeBytes(folder / "in.gpe", numberedLine(30));
    Reader window;
    window.read(file);
    writeBytes(file, joinLines(1, 3));
    const ImportOutcome outcome = importExchangeFile(file, folder / "in.gpe", window.guard, false);
    EXPECT_EQ(outcome.status, ImportStatus::Changed);
    EXPECT_EQ(readBytes(file), joinLines(1, 3));
    window.read(file);
    EXPECT_EQ(importExchangeFile(file, folder / "in.gpe", window.guard, false).status, ImportStatus::Imported);
    EXPECT_EQ(readBytes(file), joinLines(1, 3) + numberedLine(30));
}

// The id of a process that has ended.
long endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(StaleTemporaryFiles, OnlyOurOwnOfEndedProcessesAreRemoved) {
    TempFolder folder;
    const std::string dead = std::to_string(endedProcess()), alive = std::to_string(::getpid());
    // Name, and whether it goes.
    const std::pair<std::string, bool> files[] = {
        {"pictures.txt.tmp-" + dead, true},
        {"pictures.txt.original-2.tmp-" + dead, true},
        {"Pic0012Date0912Time1030.gpe.tmp-" + dead, true},
        {"Pic0012Date0912Time1030.pgu.tmp-" + dead, true},
        {"pictures.txt.tmp-" + alive, false},         // a save under way in a running copy
        {"notes.txt.tmp-" + dead, false},             // not a file this program writes
        {"pictures.txt.tmp-" + dead + "x", false},
        {"pictures.txt.tmp-", false},
        {"Pic12Date912Time1030.gpe.tmp-" + dead, false},
        {"pictures.txt", false},
    };
    for (const auto& [name, goes] : files) writeBytes(folder / name, "x");
    fs::create_directory(folder / ("pictures.txt.original.tmp-" + dead));   // a folder is never ours
    EXPECT_EQ(removeStaleTemporaryFiles(folder.path()), 4);
    for (const auto& [name, goes] : files) EXPECT_EQ(fs::exists(folder / name), !goes) << name;
    EXPECT_TRUE(fs::is_directory(folder / ("pictures.txt.original.tmp-" + dead)));

    // A rewrite of the library clears what a killed save left.
    writeBytes(folder / ("pictures.txt.tmp-" + dead), "x");
    Reader window;
    window.read(folder / "pictures.txt");
    ASSERT_TRUE(window.write(folder / "pictures.txt").ok);
    EXPECT_FALSE(fs::exists(folder / ("pictures.txt.tmp-" + dead)));
}

}  // namespace
}  // namespace mosarin::testing
