#include "app/puzzle_commands.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "picture/exchange_file.h"
#include "picture/library_file.h"
#include "picture/packed_rows.h"
#include "puzzles/fair_picture.h"
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
    "2 when nothing could be read.\n"
    "\n"
    "Usage: mosarin --generate N --size WxH [--grade line|any] [--seed S] [--library FILE]\n"
    "\n"
    "  --generate N        Append N random pictures whose clues have exactly one\n"
    "                      solution (WxH at most 40x30) to the picture library.\n"
    "  --grade line        Only pictures that line logic alone solves; \"any\"\n"
    "                      (the default) takes every picture with one solution.\n"
    "  --seed S            The same seed gives the same pictures.\n"
    "\n"
    "Exit status: 0 when the pictures were appended, 2 otherwise.\n";

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
        // The library as it is before the puzzles are solved: a change by
        // another program meanwhile is caught before anything is written.
        LibraryFileGuard guard = guardOfFileAsItIs(library);
        const PuzzleFileImport result = importPuzzleFile(library, file, guard, budget);
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

// "40x30" (or "40 x 30" as one argument): both parts within the picture limits.
bool readSize(const std::string& text, int& width, int& height) {
    char separator = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d %c %d %c", &width, &separator, &height, &rest) != 3) return false;
    return (separator == 'x' || separator == 'X') && width >= 1 && width <= 40 && height >= 1 && height <= 30;
}

std::optional<std::uint64_t> readCount(const std::string& text, std::uint64_t largest) {
    if (text.empty() || text.size() > 19 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const std::uint64_t value = std::stoull(text);
    if (value > largest) return std::nullopt;
    return value;
}

TPictureRecord recordOf(const FairPicture& picture) {
    CellGrid grid;
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column) grid.at(column + 1, row + 1) = picture.filled(column, row);
    TPictureRecord record;
    record.packedRows = packRows(grid);
    record.width = picture.width;
    record.height = picture.height;
    record.colors = {0xDD7777u, 0xEEEEEEu, 0xCCCCCCu, 0x22A3B9u, 0x15182Cu};   // the "New" command's
    return record;
}

int runGenerate(int argc, const char* const* argv, const std::filesystem::path& programFolder, std::ostream& out,
                std::ostream& err) {
    const auto refuse = [&err](const std::string& why) {
        err << "mosarin: " << why << "\n" << kPuzzleUsage;
        return kImportNothing;
    };
    const std::optional<std::uint64_t> count = argc > 2 ? readCount(argv[2], 1000) : std::nullopt;
    if (!count || *count == 0) return refuse("--generate needs a number of pictures from 1 to 1000");
    int width = 0, height = 0;
    bool sized = false;
    FairGrade grade = FairGrade::Any;
    std::uint64_t seed = std::random_device{}();
    std::optional<std::filesystem::path> library;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--size" && hasValue) {
            if (!readSize(argv[++i], width, height)) return refuse("--size needs WxH within 40x30");
            sized = true;
        } else if (argument == "--grade" && hasValue) {
            const std::string value = argv[++i];
            if (value != "line" && value != "any") return refuse("--grade is line or any");
            grade = value == "line" ? FairGrade::LineLogic : FairGrade::Any;
        } else if (argument == "--seed" && hasValue) {
            const std::optional<std::uint64_t> value = readCount(argv[++i], UINT64_MAX);
            if (!value) return refuse("--seed needs a whole number");
            seed = *value;
        } else if (argument == "--library" && hasValue) {
            library = argv[++i];
        } else {
            return refuse("unknown argument \"" + argument + "\"");
        }
    }
    if (!sized) return refuse("--generate needs --size WxH");
    const std::filesystem::path libraryFile = library.value_or(programFolder / "files" / "pictures.txt");

    auto pictures = std::make_unique<TPictureLibrary>();
    const LibraryReadReport report = readLibraryFile(libraryFile, *pictures, /*readOnly=*/true);
    if (!report.opened) return refuse("cannot read the picture library \"" + libraryFile.string() + "\"");
    // The pictures are appended only to the library as read here.
    LibraryFileGuard guard;
    rememberRead(guard, report);
    if (pictures->count + static_cast<int>(*count) > kMaxPictures) {
        err << "mosarin: the library holds " << pictures->count << " pictures; " << *count
            << " more would pass 1000. Nothing was generated.\n";
        return kImportNothing;
    }
    std::mt19937_64 random(seed);
    std::string lines;
    double totalMs = 0;
    for (std::uint64_t n = 1; n <= *count; ++n) {
        const auto began = std::chrono::steady_clock::now();
        const FairPicture picture = generateFairPicture(width, height, grade, random);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - began).count();
        totalMs += ms;
        lines += formatPictureLine(recordOf(picture));
        char line[160];
        std::snprintf(line, sizeof line, "Pic%.4d  %d x %d  density %.2f  %d cells repaired  %d restarts  %.1f ms\n",
                      pictures->count + static_cast<int>(n), width, height, picture.density, picture.repairs,
                      picture.restarts, ms);
        out << line;
    }
    const ImportOutcome appended = appendExchangeText(libraryFile, lines, "(generated pictures)", guard);
    if (appended.status != ImportStatus::Imported) {
        err << "mosarin: " << appended.message << "\n";
        return kImportNothing;
    }
    char summary[160];
    std::snprintf(summary, sizeof summary, "%d pictures generated (seed %llu) in %.1f ms, %.1f ms each on average\n",
                  static_cast<int>(*count), static_cast<unsigned long long>(seed), totalMs, totalMs / double(*count));
    out << summary;
    return kImportAll;
}

}  // namespace

const char* puzzleCommandsUsage() { return kPuzzleUsage; }

std::optional<int> runPuzzleCommands(int argc, const char* const* argv, const std::filesystem::path& programFolder,
                                     std::ostream& out, std::ostream& err) {
    if (argc > 1 && std::string(argv[1]) == "--generate") return runGenerate(argc, argv, programFolder, out, err);
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
