// A process saving the library is killed at random moments, a thousand
// times: afterwards the file must always be the old library or the new one,
// byte for byte. A program of its own, without Qt, so forking it is safe.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <random>
#include <vector>

#include "picture/atomic_file.h"
#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

constexpr int kInterruptions = 1000;

// Pictures numberedRecord(first + 1 .. first + count) in slots 1..count.
std::unique_ptr<TPictureLibrary> numberedLibrary(int first, int count) {
    auto library = std::make_unique<TPictureLibrary>();
    for (int n = 1; n <= count; ++n) library->slots[n] = numberedRecord(first + n);
    library->count = count;
    return library;
}

// A kill cannot take back what the kernel already holds, so the saves here
// skip the sync (which guards against losing power, not the process): with it
// a save takes tens of milliseconds on a busy disk and the test minutes.
constexpr bool kSync = false;

// Writes the bytes of a library as writeLibraryFile does once it has
// formatted them: the kills below are aimed at the file's rewrite, not at the
// formatting before it, which touches no file.
bool save(const std::filesystem::path& file, const std::string& bytes) {
    std::string error;
    return writeFileAtomically(file, bytes, kSync, error);
}

// How long one save takes here, the median of a few.
std::chrono::microseconds saveTime(const std::filesystem::path& file, const std::string& bytes) {
    std::vector<std::chrono::microseconds> times;
    for (int i = 0; i < 9; ++i) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(save(file, bytes));
        times.push_back(
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

TEST(InterruptedLibrarySave, TheFileIsAlwaysTheOldOrTheNewLibrary) {
    TempFolder folder;
    const auto file = folder / "pictures.txt";
    // Different sizes and contents, so a file cut short or mixed from the two
    // matches neither.
    const auto oldLibrary = numberedLibrary(0, 400), newLibrary = numberedLibrary(500, 350);
    const std::string oldBytes = joinLines(1, 400), newBytes = joinLines(501, 850);
    LibraryFileGuard guard;  // the file is not there yet
    for (const auto& [library, bytes] : {std::pair{oldLibrary.get(), &oldBytes}, {newLibrary.get(), &newBytes}}) {
        ASSERT_TRUE(writeLibraryFile(file, *library, guard, kSync).ok);
        ASSERT_EQ(readBytes(file), *bytes);
    }
    // Kills land anywhere from before the save starts to a little after it ends.
    const auto window = saveTime(file, newBytes) * 3 / 2;

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> delay(0, std::max<long>(1, window.count()));
    int foundOld = 0, foundNew = 0, cutShort = 0;
    for (int i = 0; i < kInterruptions; ++i) {
        ASSERT_TRUE(save(file, oldBytes));
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Says it is about to save, saves the new library and waits to be killed.
            (void)!::write(started[1], "s", 1);
            save(file, newBytes);
            for (;;) ::pause();
        }
        char signal = 0;
        ASSERT_EQ(::read(started[0], &signal, 1), 1);
        ::close(started[0]);
        ::close(started[1]);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));

        const std::string bytes = readBytes(file);
        ASSERT_TRUE(bytes == oldBytes || bytes == newBytes) << "interruption " << i << ": " << bytes.size() << " bytes";
        ++(bytes == oldBytes ? foundOld : foundNew);
        // A save killed part way leaves its temporary file beside the library.
        const auto temporary = withSuffix(file, ".tmp-" + std::to_string(child));
        if (std::filesystem::remove(temporary)) ++cutShort;
    }
    std::cout << kInterruptions << " interruptions (window " << window.count() << " us): old library " << foundOld
              << ", new library " << foundNew << ", saves cut short " << cutShort << "\n";
    // The kills must have landed both between and inside saves.
    EXPECT_GT(foundOld, 0);
    EXPECT_GT(foundNew, 0);
    EXPECT_GT(cutShort, 0);
}

}  // namespace
}  // namespace mosarin::testing
