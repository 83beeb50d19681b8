#include "app/puzzle_commands.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "puzzles/puzzle_import.h"

namespace mosarin {

namespace {

const char* const kPuzzleUsage =
    "Usage: mosarin --import FILE... [--library FILE] [--budget SECONDS]\n"
    "\n"
    "  --import FILE...    Import the puzzles of .non, .nonpack and webpbn .xml\n"
    "                      files at the end of the picture library. A puzzle\n"
    "                      given only by its clues is taken only when it has\n"
    "                      exactly one solution.\n"
    "  --library FILE      The picture library (default: files/pictures.txt\n"
    "                      beside the program).\n"
    "  --budget SECONDS    Time the solver may spend on one puzzle (default 10).\n"
    "\n"
    "Exit status: 0 when every puzzle was imported, 1 when some were refused,\n"
    "2 when nothing could be read.\n";

std::string sizeText(int width, int height) {
    char text[32];
    std::snprintf(text, sizeof text, "%d x %d", width, height);
    return text;
}

std::optional<double> positiveNumber(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(value > 0) || value > 86400) return std::nullopt;
    return value;
}

int runImport(const std::vector<std::filesystem::path>& files, const std::filesystem::path& library, double budget,
              std::ostream& out, std::ostream& err) {
    int imported = 0, refused = 0, unreadable = 0;
    for (const std::filesystem::path& file : files) {
        const PuzzleFileImport result = importPuzzleFile(library, file, budget);
        if (!result.read) {
            err << "mosarin: " << file.string() << ": " << result.error << "\n";
            ++unreadable;
            continue;
        }
        int index = 0;
        for (const PuzzleImportLine& puzzle : result.puzzles) {
            ++index;
            out << file.string() << "  #" << index << "  \"" << puzzle.title << "\"  "
                << sizeText(puzzle.width, puzzle.height) << "  ";
            if (puzzle.picture > 0) {
                char number[16];
                std::snprintf(number, sizeof number, "Pic%.4d", puzzle.picture);
                out << "imported as " << number << "\n";
            } else {
                out << "refused: " << puzzle.refusal << "\n";
            }
        }
        if (result.puzzles.empty()) out << file.string() << "  no puzzle in the file\n";
        if (!result.error.empty()) err << "mosarin: " << result.error << "\n";
        imported += result.imported();
        refused += result.refused();
    }
    out << imported + refused << " puzzles: " << imported << " imported, " << refused << " refused";
    if (unreadable > 0) out << "; " << unreadable << " file" << (unreadable == 1 ? "" : "s") << " could not be read";
    out << "\n";
    if (imported == 0 && refused == 0) return kImportNothing;
    return refused == 0 && unreadable == 0 ? kImportAll : kImportSome;
}

}  // namespace

std::optional<int> runPuzzleCommands(int argc, const char* const* argv, const std::filesystem::path& programFolder,
                                     std::ostream& out, std::ostream& err) {
    if (argc <= 1 || std::string(argv[1]) != "--import") return std::nullopt;
    std::vector<std::filesystem::path> files;
    std::optional<std::filesystem::path> library;
    double budget = kDefaultImportBudgetSeconds;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--library" && i + 1 < argc) {
            library = argv[++i];
        } else if (argument == "--budget" && i + 1 < argc && positiveNumber(argv[i + 1])) {
            budget = *positiveNumber(argv[++i]);
        } else if (!argument.starts_with("-")) {
            files.emplace_back(argument);
        } else {
            err << "mosarin: unknown argument \"" << argument << "\"\n" << kPuzzleUsage;
            return kImportNothing;
        }
    }
    if (files.empty()) {
        err << "mosarin: --import needs at least one file\n" << kPuzzleUsage;
        return kImportNothing;
    }
    return runImport(files, library.value_or(programFolder / "files" / "pictures.txt"), budget, out, err);
}

}  // namespace mosarin
