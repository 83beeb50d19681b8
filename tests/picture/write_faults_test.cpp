// A library rewrite that fails at any step (the temporary file refused, a disk
// that fills up while writing, a failed sync, close or rename) reports the
// system's reason and leaves the folder exactly as it was: the old library
// byte for byte and no temporary file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <tuple>

#include "picture/atomic_file_faults.h"
#include "picture/library_file.h"
#include "tests/picture/library_lines.h"
#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

struct Injected {
    AtomicWriteStep step;
    int error;
};
Injected injected{};
int failInjectedStep(AtomicWriteStep step) { return step == injected.step ? injected.error : 0; }

// Installs failInjectedStep for one scope.
class FaultScope {
public:
    FaultScope(AtomicWriteStep step, int error) {
        injected = {step, error};
        setAtomicWriteFault(failInjectedStep);
    }
    ~FaultScope() { setAtomicWriteFault(nullptr); }
};

std::map<std::string, std::string> filesIn(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = readBytes(entry.path());
    return files;
}

std::string expectedError(const std::filesystem::path& file, int error) {
    return "Cannot write file \"" + file.string() + "\". " + std::strerror(error) + ".";
}

TEST(LibraryRewriteFaults, AFailureAtAnyStepKeepsTheOldLibraryAndSaysWhy) {
    const std::tuple<const char*, AtomicWriteStep, int> cases[] = {
        {"temporary file refused", AtomicWriteStep::CreateTemporary, EACCES},
        {"disk full while writing", AtomicWriteStep::Write, ENOSPC},
        {"write error", AtomicWriteStep::Write, EIO},
        {"sync fails", AtomicWriteStep::Sync, EIO},
        {"close reports a delayed write error", AtomicWriteStep::Close, EDQUOT},
        {"rename refused", AtomicWriteStep::Rename, EROFS},
    };
    for (const auto& [name, step, error] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const auto file = folder / "pictures.txt";
        writeBytes(file, joinLines(1, 4));
        LibraryWriteResult result;
        {
            FaultScope fault(step, error);
            result = writeLibraryFile(file, libraryOfFive(), asItIs(file), /*sync=*/true);
        }
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, expectedError(file, error));
        EXPECT_EQ(filesIn(folder.path()), (std::map<std::string, std::string>{{"pictures.txt", joinLines(1, 4)}}));
        // The same save goes through once the fault is gone.
        ASSERT_TRUE(writeLibraryFile(file, libraryOfFive(), asItIs(file)).ok);
        EXPECT_EQ(readBytes(file), joinLines(101, 105));
    }
}

// A folder the user may not write to. The superuser writes anywhere, so
// there the refusal the system would give anyone else is injected.
TEST(LibraryRewriteFaults, AReadOnlyFolderRefusesTheSaveAndKeepsTheOldLibrary) {
    TempFolder folder;
    const auto files = folder / "files";
    std::filesystem::create_directory(files);
    writeBytes(files / "pictures.txt", joinLines(1, 2));
    ASSERT_EQ(::chmod(files.c_str(), 0555), 0);
    const bool permissionsBind = ::access(files.c_str(), W_OK) != 0;
    LibraryWriteResult result;
    {
        FaultScope fault(AtomicWriteStep::CreateTemporary, permissionsBind ? 0 : EACCES);
        result = writeLibraryFile(files / "pictures.txt", libraryOfFive(), asItIs(files / "pictures.txt"));
    }
    ::chmod(files.c_str(), 0755);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, expectedError(files / "pictures.txt", EACCES));
    EXPECT_EQ(filesIn(files), (std::map<std::string, std::string>{{"pictures.txt", joinLines(1, 2)}}));
}

}  // namespace
}  // namespace mosarin::testing
