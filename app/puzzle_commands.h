#pragma once
// The command-line puzzle commands, without a display:
//   mosarin --import FILE... [--library FILE] [--budget SECONDS]
//   mosarin --generate N --size WxH [--grade line|any] [--seed S] [--library FILE]

#include <filesystem>
#include <iosfwd>
#include <optional>

namespace mosarin {

constexpr int kImportAll = 0;       // every puzzle became a picture
constexpr int kImportSome = 1;      // some puzzle was refused (or a file could not be read)
constexpr int kImportNothing = 2;   // nothing could be read, or the arguments are wrong

// Runs --import or --generate when the arguments ask for one and returns its
// exit status; otherwise nothing. `programFolder` holds the default library.
std::optional<int> runPuzzleCommands(int argc, const char* const* argv, const std::filesystem::path& programFolder,
                                     std::ostream& out, std::ostream& err);

// How --import and --generate are used, for --help.
const char* puzzleCommandsUsage();

}  // namespace mosarin
