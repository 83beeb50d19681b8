// The .non and .nonpack readers. The format is line based and forgiving on
// purpose: unknown keys are skipped so that files from newer writers still
// load, and every damaged line is named so that the user can mend it.
#include <algorithm>
#include <cctype>
#include <set>
#include <span>

#include "picture/puzzle_text.h"
#include "picture/text_lines.h"

namespace mosarin {

namespace {

struct NumberedLine {
    int number = 0;         // 1-based in the whole file
    std::string_view text;  // without its line end
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

std::string lineProblem(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

// A quoted string value, or the bare rest of the line when unquoted.
std::string stringValue(std::string_view rest) {
    if (rest.size() >= 2 && rest.front() == '"') {
        const std::size_t close = rest.rfind('"');
        if (close > 0) return decodeHtmlEscapes(rest.substr(1, close - 1));
    }
    return decodeHtmlEscapes(rest);
}

// A size: decimal digits only, at most four of them (anything longer is far
// beyond any picture and is reported as such by the size check).
bool readSize(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4) return false;
    value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// One line of hints: "3,1,2", "3a,1b", "0" or nothing. The colour letters
// met are added to `colours` ('\0' for a hint without one).
bool readClueLine(std::string_view text, std::vector<int>& clue, std::set<char>& colours) {
    clue.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ',' || std::isspace(c)) {
            ++i;
            continue;
        }
        if (!std::isdigit(c)) return false;
        int run = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            run = std::min(run * 10 + (text[i] - '0'), 99999);
            ++i;
        }
        char colour = '\0';
        if (i < text.size() && text[i] != ',' && !std::isspace(static_cast<unsigned char>(text[i]))) colour = text[i++];
        if (i < text.size() && text[i] != ',' && !std::isspace(static_cast<unsigned char>(text[i]))) return false;
        if (run == 0) continue;  // "0" writes an empty line's clue
        colours.insert(colour);
        clue.push_back(run);
    }
    return true;
}

class NonPuzzleReader {
public:
    explicit NonPuzzleReader(std::span<const NumberedLine> lines) : lines_(lines) {}

    // Reads the puzzle; false when its lines hold nothing at all (a divider
    // at the end of a bundle, say), which is no puzzle.
    bool read(PuzzleText& puzzle);

private:
    void readKey(std::string_view key, std::string_view rest, int lineNumber, PuzzleText& puzzle);
    void readClues(bool rows, int lineNumber, PuzzleText& puzzle);
    void readGoal(std::string_view rest, int lineNumber, PuzzleText& puzzle);
    void fail(PuzzleText& puzzle, std::string problem) {
        if (puzzle.problem.empty()) puzzle.problem = std::move(problem);
    }

    std::span<const NumberedLine> lines_;
    std::size_t next_ = 0;
    bool sawWidth_ = false, sawHeight_ = false, sawRows_ = false, sawColumns_ = false;
    std::set<char> clueColours_;
    int declaredColours_ = 0;   // `color` keys other than white
};

bool NonPuzzleReader::read(PuzzleText& puzzle) {
    bool any = false;
    while (next_ < lines_.size()) {
        const NumberedLine& line = lines_[next_++];
        const std::string_view text = trimmed(line.text);
        if (text.empty()) continue;
        if (!any) puzzle.line = line.number;
        any = true;
        const std::size_t space = text.find_first_of(" \t");
        const std::string_view key = text.substr(0, space);
        const std::string_view rest = space == std::string_view::npos ? std::string_view() : trimmed(text.substr(space));
        readKey(key, rest, line.number, puzzle);
    }
    if (!any) return false;
    // The size is the first thing a user can act on, so it is named first.
    if (puzzle.width > kLargestPuzzleWidth || puzzle.height > kLargestPuzzleHeight) {
        puzzle.problem = "larger than 40 x 30";
    }
    if (!sawWidth_ || !sawHeight_ || !sawRows_ || !sawColumns_) {
        fail(puzzle, std::string("the puzzle has no ") +
                         (!sawWidth_ ? "width" : !sawHeight_ ? "height" : !sawRows_ ? "rows" : "columns"));
    }
    std::set<char> goalColours;
    for (std::uint8_t cell : puzzle.goal) {
        if (cell != 0) goalColours.insert(static_cast<char>(cell));
    }
    if (puzzle.problem.empty() && (clueColours_.size() > 1 || goalColours.size() > 1 || declaredColours_ > 1)) {
        puzzle.problem = "more than one colour";
    }
    for (std::uint8_t& cell : puzzle.goal) cell = cell != 0 ? 1 : 0;
    return true;
}

void NonPuzzleReader::readKey(std::string_view key, std::string_view rest, int lineNumber, PuzzleText& puzzle) {
    if (key == "title") {
        puzzle.title = stringValue(rest);
    } else if (key == "by") {
        puzzle.author = stringValue(rest);
    } else if (key == "copyright") {
        puzzle.copyright = stringValue(rest);
    } else if (key == "license") {
        puzzle.license = stringValue(rest);
    } else if (key == "width" || key == "height") {
        int& size = key == "width" ? puzzle.width : puzzle.height;
        if (!readSize(rest, size) || size < 1) fail(puzzle, lineProblem(lineNumber, std::string(key) + " is not a size"));
        (key == "width" ? sawWidth_ : sawHeight_) = true;
    } else if (key == "rows" || key == "columns") {
        readClues(key == "rows", lineNumber, puzzle);
    } else if (key == "goal") {
        readGoal(rest, lineNumber, puzzle);
    } else if (key == "color") {
        const std::size_t hash = rest.find('#');
        const std::string_view hex = hash == std::string_view::npos ? std::string_view() : trimmed(rest.substr(hash + 1));
        std::string lower(hex);
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        if (lower != "ffffff" && lower != "fff") ++declaredColours_;
    }
    // Anything else (catalogue, a newer writer's keys, stray text) is not ours to judge.
}

void NonPuzzleReader::readClues(bool rows, int lineNumber, PuzzleText& puzzle) {
    const bool sizeKnown = rows ? sawHeight_ : sawWidth_;
    const char* what = rows ? "row" : "column";
    if (!sizeKnown) {
        fail(puzzle, lineProblem(lineNumber, std::string(rows ? "rows" : "columns") + " before the " +
                                                 (rows ? "height" : "width")));
        return;
    }
    (rows ? sawRows_ : sawColumns_) = true;
    const int count = rows ? puzzle.height : puzzle.width;
    auto& clues = rows ? puzzle.rows : puzzle.columns;
    clues.assign(static_cast<std::size_t>(std::max(count, 0)), {});
    for (int i = 0; i < count; ++i) {
        if (next_ >= lines_.size()) {
            fail(puzzle, lineProblem(lineNumber, "only " + std::to_string(i) + " of " + std::to_string(count) + " " +
                                                     what + " clues"));
            return;
        }
        const NumberedLine& line = lines_[next_++];
        if (!readClueLine(trimmed(line.text), clues[static_cast<std::size_t>(i)], clueColours_)) {
            fail(puzzle, lineProblem(line.number, std::string("not a ") + what + " clue"));
            return;
        }
    }
}

void NonPuzzleReader::readGoal(std::string_view rest, int lineNumber, PuzzleText& puzzle) {
    std::string cells;
    if (!rest.empty() && rest.front() == '"') {
        const std::size_t close = rest.find('"', 1);
        cells = rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    } else {
        for (char c : rest) {
            if (!std::isspace(static_cast<unsigned char>(c))) cells += c;
        }
    }
    const std::size_t wanted = static_cast<std::size_t>(std::max(puzzle.width, 0)) * std::max(puzzle.height, 0);
    // A goal written as a picture, one row a line under the key (an
    // extension some programs write): rows of 0 and 1 only.
    while (rest.empty() && cells.size() < wanted && next_ < lines_.size()) {
        const std::string_view row = trimmed(lines_[next_].text);
        if (row.empty() || row.find_first_not_of("01") != std::string_view::npos) break;
        cells += row;
        ++next_;
    }
    if (!sawWidth_ || !sawHeight_) {
        fail(puzzle, lineProblem(lineNumber, "goal before the width and height"));
        return;
    }
    if (cells.size() != wanted) {
        fail(puzzle, lineProblem(lineNumber, "the goal has " + std::to_string(cells.size()) + " cells, not " +
                                                 std::to_string(puzzle.width) + " x " + std::to_string(puzzle.height)));
        return;
    }
    puzzle.goal.assign(cells.size(), 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        puzzle.goal[i] = cells[i] == '0' ? 0 : static_cast<std::uint8_t>(cells[i]);
    }
}

}  // namespace

std::vector<PuzzleText> readNonText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::vector<NumberedLine>> sections(1);
    LineSplitter splitter(text);
    int number = 0;
    for (std::string_view line; splitter.next(line);) {
        ++number;
        if (trimmed(line) == "====") {
            sections.emplace_back();
        } else {
            sections.back().push_back({number, line});
        }
    }
    std::vector<PuzzleText> puzzles;
    for (const auto& section : sections) {
        PuzzleText puzzle;
        if (NonPuzzleReader(section).read(puzzle)) puzzles.push_back(std::move(puzzle));
    }
    return puzzles;
}

}  // namespace mosarin
