#pragma once
// The command-line side of the program: "--check" proves every picture of a
// library fair without a window, and "--help" says how. Nothing here touches
// Qt, so it runs where no display exists.

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace mosarin {

// Exit statuses of the command line.
constexpr int kCheckAllUnique = 0;     // every picture has exactly one solution
constexpr int kCheckNotAllUnique = 1;  // some picture has none, several, or was undecided
constexpr int kCheckFailed = 2;        // bad arguments, or the library could not be read cleanly

// Checks every picture of `library` within `budgetSeconds` each, writing one
// line per picture and a summary to `out`, problems with the file to `err`.
// A damaged library is reported and left exactly as it is.
int checkLibrary(const std::filesystem::path& library, double budgetSeconds, std::ostream& out, std::ostream& err);

// When the arguments ask for a command-line command, runs it and returns its
// exit status; otherwise returns nothing and the windows start. Must be
// called before any Qt application object exists. `programFolder` is where
// the default library lies (its files/pictures.txt).
std::optional<int> runCommandLine(int argc, const char* const* argv, const std::filesystem::path& programFolder,
                                  std::ostream& out, std::ostream& err);

// The folder of the running executable, found without Qt: /proc/self/exe,
// else the folder part of argv[0].
std::filesystem::path executableFolder(const char* argv0);

}  // namespace mosarin
