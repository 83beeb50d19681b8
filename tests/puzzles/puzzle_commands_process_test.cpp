// The real program, with no display: pictures it generates are proved fair by
// its own --check, and --import's exit status reaches the shell.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "tests/support/temp_folder.h"

namespace mosarin::testing {
namespace {

int runProgram(const std::string& arguments, std::string& output) {
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " MOSARIN_BUILD_DIR "/mosarin " + arguments + " 2>&1";
    output.clear();
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::array<char, 4096> buffer;
    for (size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) output.append(buffer.data(), n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(PuzzleCommandsProcess, GeneratedPicturesPassTheCheckAndImportStatusReachesTheShell) {
    TempFolder folder;
    const std::string library = (folder / "pictures.txt").string();
    writeBytes(folder / "pictures.txt", "");
    std::string output;
    ASSERT_EQ(runProgram("--generate 4 --size 40x30 --grade any --seed 11 --library " + library, output), 0) << output;
    EXPECT_EQ(runProgram("--check " + library, output), 0) << output;
    EXPECT_NE(output.find("4 pictures: 4 unique"), std::string::npos) << output;

    writeBytes(folder / "pair.non", "width 2\nheight 2\nrows\n1\n1\ncolumns\n1\n1\n");
    EXPECT_EQ(runProgram("--import " + (folder / "pair.non").string() + " --library " + library, output), 1);
    EXPECT_NE(output.find("refused: has 2 or more solutions"), std::string::npos) << output;
    EXPECT_EQ(runProgram("--import " + (folder / "none.non").string() + " --library " + library, output), 2);
}

}  // namespace
}  // namespace mosarin::testing
