#include "app/library_check.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <ostream>
#include <string>
#include <system_error>

#include "app/puzzle_commands.h"
#include "game/clue_fit.h"
#include "picture/library_file.h"
#include "solver/puzzle_solver.h"

namespace mosarin {

namespace {

constexpr double kDefaultBudgetSeconds = 10;
constexpr double kLongestBudgetSeconds = 86400;

const char* const kUsage =
    "Usage: mosarin [--check [LIBRARY] [--budget SECONDS]] [--help]\n"
    "\n"
    "Without arguments, starts the game.\n"
    "\n"
    "  --check [LIBRARY]   Check that every picture of the picture library has\n"
    "                      exactly one solution, without opening a window.\n"
    "                      LIBRARY defaults to files/pictures.txt beside the\n"
    "                      program. Prints one line per picture (number, size,\n"
    "                      verdict, how it is solved, milliseconds) and a summary.\n"
    "  --budget SECONDS    Time allowed per picture before it counts as\n"
    "                      undecided (default 10).\n"
    "  --help              Show this text.\n"
    "\n"
    "                      A picture whose clues the game window cannot show\n"
    "                      whole at its designed size is reported as cut-off.\n"
    "\n"
    "Exit status of --check: 0 when every picture has exactly one solution and\n"
    "clues that fit, 1 when some picture has none, several, could not be decided\n"
    "or is cut-off, 2 when the arguments are wrong or the library cannot be read\n"
    "cleanly.\n";

std::string format(const char* pattern, auto... values) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// A budget is a plain positive number of seconds; anything else is refused.
std::optional<double> readSeconds(const std::string& text) {
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !(value > 0) || value > kLongestBudgetSeconds) return std::nullopt;
    return value;
}

// The picture's own verdict when a clue would be cut off at the game
// window's designed size, whatever the solver says: it cannot be played
// there. Names the first such line.
std::optional<std::string> cutOffNote(const solver::Clues& clues) {
    const std::vector<CutClue> cut = cluesCutAtDesignedSize(clues);
    if (cut.empty()) return std::nullopt;
    return format("  %s %d has %d numbers, cut off at the designed size (%d lines in all)", cut.front().row ? "row" : "column",
                  cut.front().line, cut.front().numbers, static_cast<int>(cut.size()));
}

}  // namespace

int checkLibrary(const std::filesystem::path& libraryFile, double budgetSeconds, std::ostream& out,
                 std::ostream& err) {
    auto library = std::make_unique<TPictureLibrary>();
    LibraryReadReport report;
    try {
        report = readLibraryFile(libraryFile, *library, /*readOnly=*/true);
    } catch (const std::exception& e) {
        err << "mosarin: " << e.what() << "\n";
        return kCheckFailed;
    }
    if (!report.opened) {
        std::error_code error;
        const bool exists = std::filesystem::exists(libraryFile, error);
        err << "mosarin: cannot read the picture library \"" << libraryFile.string() << "\""
            << (exists ? "" : ": no such file") << "\n";
        return kCheckFailed;
    }
    if (report.damaged()) {
        // Checking a repaired reading would prove pictures the file does not hold.
        err << "mosarin: " << report.describe() << "\n";
        return kCheckFailed;
    }

    int counts[4] = {};
    int cutOff = 0;
    double totalMs = 0;
    for (int number = 1; number <= library->count; ++number) {
        const TPictureRecord& record = library->slots[static_cast<size_t>(number)];
        const auto began = std::chrono::steady_clock::now();
        const solver::Clues clues = solver::cluesOfRecord(record);
        const solver::SolveResult result = solver::solvePuzzle(clues, solver::Budget::forSeconds(budgetSeconds));
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count();
        totalMs += ms;
        const std::optional<std::string> cut = cutOffNote(clues);
        if (cut) {
            ++cutOff;
        } else {
            ++counts[static_cast<int>(result.verdict)];
        }
        std::string line = format("Pic%.4d  %2d x %2d  %-9s  %-10s  %8.2f ms", number, clues.width(), clues.height(),
                                  cut ? "cut-off" : solver::verdictName(result.verdict), solver::gradeName(result.grade), ms);
        // What the solver found still counts for whoever compares solvers.
        if (cut) line += *cut + format("; the solver: %s", solver::verdictName(result.verdict));
        if (result.verdict == solver::Verdict::Multiple) {
            const auto cells = solver::differingCells(result.solution, result.otherSolution);
            line += format("  two solutions differ in %d cells", static_cast<int>(cells.size()));
        }
        out << line << "\n";
    }
    const int notUnique = library->count - counts[static_cast<int>(solver::Verdict::Unique)];
    out << format("%d pictures: %d unique, %d with several solutions, %d with none, %d undecided, %d cut-off; %.1f ms\n",
                  library->count, counts[0], counts[1], counts[2], counts[3], cutOff, totalMs);
    return notUnique == 0 ? kCheckAllUnique : kCheckNotAllUnique;
}

std::optional<int> runCommandLine(int argc, const char* const* argv, const std::filesystem::path& programFolder,
                                  std::ostream& out, std::ostream& err) {
    if (argc <= 1) return std::nullopt;
    if (auto status = runPuzzleCommands(argc, argv, programFolder, out, err)) return status;
    bool check = false;
    std::optional<std::filesystem::path> library;
    double budget = kDefaultBudgetSeconds;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            out << kUsage << "\n" << puzzleCommandsUsage();
            return 0;
        }
        if (argument == "--check") {
            check = true;
        } else if (argument == "--budget") {
            const std::optional<double> seconds = i + 1 < argc ? readSeconds(argv[i + 1]) : std::nullopt;
            if (!seconds) {
                err << "mosarin: --budget needs a number of seconds above 0\n" << kUsage;
                return kCheckFailed;
            }
            budget = *seconds;
            ++i;
        } else if (check && !library && !argument.starts_with("-")) {
            library = argument;
        } else {
            err << "mosarin: unknown argument \"" << argument << "\"\n" << kUsage;
            return kCheckFailed;
        }
    }
    if (!check) {
        err << "mosarin: --budget belongs to --check\n" << kUsage;
        return kCheckFailed;
    }
    return checkLibrary(library.value_or(programFolder / "files" / "pictures.txt"), budget, out, err);
}

std::filesystem::path executableFolder(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
    const std::filesystem::path given = argv0 ? argv0 : "";
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    return error ? std::filesystem::path(".") : absolute.parent_path();
}

}  // namespace mosarin
