// The webpbn XML reader: a small, tolerant XML tree builder for the few
// elements the export uses, then the puzzles read from the tree. Markup we
// do not use (processing instructions, comments, the DOCTYPE) is skipped;
// entities and CDATA sections are decoded; nothing is read past the text.
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>

#include "picture/puzzle_text.h"

namespace mosarin {

namespace {

struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<std::unique_ptr<Element>> children;
    std::string text;  // the character data directly inside, decoded
    int line = 1;

    std::string attribute(const std::string& key, const std::string& fallback = {}) const {
        const auto found = attributes.find(key);
        return found == attributes.end() ? fallback : found->second;
    }
};

constexpr int kDeepestNesting = 64;

class XmlTreeReader {
public:
    explicit XmlTreeReader(std::string_view text) : text_(text) {}

    // The document's top element, or nothing with `problem` set.
    std::unique_ptr<Element> read(std::string& problem);

private:
    bool fail(const std::string& what) {
        if (problem_.empty()) problem_ = "line " + std::to_string(line_) + ": " + what;
        return false;
    }
    void advance(std::size_t count) {
        const std::size_t end = std::min(text_.size(), position_ + count);
        line_ += static_cast<int>(std::count(text_.begin() + position_, text_.begin() + end, '\n'));
        position_ = end;
    }
    bool skipPast(std::string_view marker) {
        const std::size_t found = text_.find(marker, position_);
        if (found == std::string_view::npos) return fail("unterminated markup");
        advance(found + marker.size() - position_);
        return true;
    }
    bool skipDoctype();
    std::string readName();
    bool readStartTag(Element& element, bool& selfClosing);
    bool readContent(Element& element, int depth);

    std::string_view text_;
    std::size_t position_ = 0;
    int line_ = 1;
    std::string problem_;
};

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
}

std::string XmlTreeReader::readName() {
    const std::size_t start = position_;
    while (position_ < text_.size() && isNameChar(text_[position_])) ++position_;
    return std::string(text_.substr(start, position_ - start));
}

bool XmlTreeReader::skipDoctype() {
    // "<!DOCTYPE ... [ internal subset ] >": brackets may hold '>' characters.
    int brackets = 0;
    while (position_ < text_.size()) {
        const char c = text_[position_];
        advance(1);
        if (c == '[') ++brackets;
        else if (c == ']') --brackets;
        else if (c == '>' && brackets <= 0) return true;
    }
    return fail("unterminated DOCTYPE");
}

bool XmlTreeReader::readStartTag(Element& element, bool& selfClosing) {
    element.line = line_;
    advance(1);  // '<'
    element.name = readName();
    if (element.name.empty()) return fail("a tag without a name");
    for (;;) {
        while (position_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[position_]))) advance(1);
        if (position_ >= text_.size()) return fail("unterminated tag <" + element.name + ">");
        if (text_[position_] == '>') {
            advance(1);
            selfClosing = false;
            return true;
        }
        if (text_.substr(position_).starts_with("/>")) {
            advance(2);
            selfClosing = true;
            return true;
        }
        const std::string key = readName();
        if (key.empty()) return fail("a damaged attribute in <" + element.name + ">");
        while (position_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[position_]))) advance(1);
        if (position_ >= text_.size() || text_[position_] != '=') return fail("attribute " + key + " has no value");
        advance(1);
        while (position_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[position_]))) advance(1);
        if (position_ >= text_.size() || (text_[position_] != '"' && text_[position_] != '\'')) {
            return fail("attribute " + key + " is not quoted");
        }
        const char quote = text_[position_];
        const std::size_t close = text_.find(quote, position_ + 1);
        if (close == std::string_view::npos) return fail("attribute " + key + " is not closed");
        element.attributes[key] = decodeHtmlEscapes(text_.substr(position_ + 1, close - position_ - 1));
        advance(close + 1 - position_);
    }
}

bool XmlTreeReader::readContent(Element& element, int depth) {
    if (depth > kDeepestNesting) return fail("elements nested too deeply");
    while (position_ < text_.size()) {
        const std::string_view rest = text_.substr(position_);
        if (rest.starts_with("<![CDATA[")) {
            const std::size_t end = rest.find("]]>");
            if (end == std::string_view::npos) return fail("unterminated CDATA section");
            element.text.append(rest.substr(9, end - 9));
            advance(end + 3);
        } else if (rest.starts_with("<!--")) {
            if (!skipPast("-->")) return false;
        } else if (rest.starts_with("<?")) {
            if (!skipPast("?>")) return false;
        } else if (rest.starts_with("<!")) {
            if (!skipDoctype()) return false;
        } else if (rest.starts_with("</")) {
            advance(2);
            const std::string name = readName();
            if (!skipPast(">")) return false;
            if (name != element.name) return fail("</" + name + "> closes <" + element.name + ">");
            return true;
        } else if (rest.starts_with('<')) {
            auto child = std::make_unique<Element>();
            bool selfClosing = false;
            if (!readStartTag(*child, selfClosing)) return false;
            if (!selfClosing && !readContent(*child, depth + 1)) return false;
            element.children.push_back(std::move(child));
        } else {
            const std::size_t next = rest.find('<');
            const std::size_t length = next == std::string_view::npos ? rest.size() : next;
            element.text += decodeHtmlEscapes(rest.substr(0, length));
            advance(length);
        }
    }
    if (element.name.empty()) return true;  // the document itself ends with the text
    return fail("<" + element.name + "> is never closed");
}

std::unique_ptr<Element> XmlTreeReader::read(std::string& problem) {
    if (text_.starts_with("\xEF\xBB\xBF")) position_ = 3;
    auto document = std::make_unique<Element>();
    if (!readContent(*document, 0)) {
        problem = problem_;
        return nullptr;
    }
    return document;
}

std::string trimmedText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

const Element* child(const Element& parent, std::string_view name) {
    for (const auto& element : parent.children) {
        if (element->name == name) return element.get();
    }
    return nullptr;
}

void collectPuzzles(const Element& element, std::vector<const Element*>& puzzles) {
    for (const auto& child : element.children) {
        if (child->name == "puzzle") {
            puzzles.push_back(child.get());
        } else {
            collectPuzzles(*child, puzzles);
        }
    }
}

// Reads one <clues> element into `clues`; false with `problem` set when a
// count is not a number. Counts of another colour than the default are noted.
bool readClues(const Element& element, const std::string& defaultColour, std::vector<std::vector<int>>& clues,
               bool& otherColour, std::string& problem) {
    for (const auto& line : element.children) {
        if (line->name != "line") continue;
        std::vector<int>& clue = clues.emplace_back();
        for (const auto& count : line->children) {
            if (count->name != "count") continue;
            const std::string digits = trimmedText(count->text);
            if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos) {
                problem = "line " + std::to_string(count->line) + ": a count that is not a number";
                return false;
            }
            if (count->attribute("color", defaultColour) != defaultColour) otherColour = true;
            const int run = std::stoi(digits);
            if (run > 0) clue.push_back(run);
        }
    }
    return true;
}

// Reads a goal <image>: rows written between '|' characters, one character
// a cell; the background colour's character is an empty cell.
bool readImage(const Element& image, char background, PuzzleText& puzzle, std::set<char>& inks) {
    int width = -1;
    int height = 0;
    std::vector<std::uint8_t> cells;
    const std::string& text = image.text;
    std::size_t i = text.find('|');
    while (i != std::string::npos) {
        const std::size_t close = text.find('|', i + 1);
        if (close == std::string::npos) break;
        const std::string row = text.substr(i + 1, close - i - 1);
        const bool blank = row.find_first_not_of(" \t\r\n") == std::string::npos;
        if (!blank) {
            if (width >= 0 && static_cast<int>(row.size()) != width) return false;
            width = static_cast<int>(row.size());
            ++height;
            for (char c : row) {
                if (c == '?' || c == '[' || std::isspace(static_cast<unsigned char>(c))) return false;
                if (c != background) inks.insert(c);
                cells.push_back(c == background ? 0 : 1);
            }
            if (height > 1000) return false;
        }
        i = blank ? close : text.find('|', close + 1);
    }
    if (width <= 0) return false;
    puzzle.goal = std::move(cells);
    puzzle.width = width;
    puzzle.height = height;
    return true;
}

PuzzleText readPuzzle(const Element& element) {
    PuzzleText puzzle;
    puzzle.line = element.line;
    for (const char* name : {"title", "author", "copyright", "license"}) {
        const Element* found = child(element, name);
        if (!found) continue;
        std::string value = trimmedText(found->text);
        if (std::string_view(name) == "title") puzzle.title = std::move(value);
        else if (std::string_view(name) == "author") puzzle.author = std::move(value);
        else if (std::string_view(name) == "copyright") puzzle.copyright = std::move(value);
        else puzzle.license = std::move(value);
    }
    const std::string defaultColour = element.attribute("defaultcolor", "black");
    const std::string backgroundColour = element.attribute("backgroundcolor", "white");
    char background = '.';
    int inkColours = 0;
    for (const auto& colour : element.children) {
        if (colour->name != "color") continue;
        const std::string name = colour->attribute("name");
        const std::string mark = colour->attribute("char");
        if (name == backgroundColour) {
            if (mark.size() == 1) background = mark[0];
        } else {
            ++inkColours;
        }
    }
    bool otherColour = inkColours > 1;
    std::vector<std::vector<int>> rows, columns;
    bool sawRows = false, sawColumns = false;
    for (const auto& clues : element.children) {
        if (clues->name != "clues") continue;
        const std::string type = clues->attribute("type");
        if (type != "rows" && type != "columns") continue;
        auto& target = type == "rows" ? rows : columns;
        (type == "rows" ? sawRows : sawColumns) = true;
        target.clear();
        if (!readClues(*clues, defaultColour, target, otherColour, puzzle.problem)) return puzzle;
    }
    std::set<char> inks;
    for (const auto& solution : element.children) {
        if (solution->name != "solution" || solution->attribute("type", "goal") != "goal") continue;
        const Element* image = child(*solution, "image");
        if (!image || !readImage(*image, background, puzzle, inks)) {
            puzzle.problem = "line " + std::to_string(solution->line) + ": a goal image that is not a grid of cells";
            return puzzle;
        }
        break;
    }
    if (inks.size() > 1) otherColour = true;
    if (sawRows != sawColumns) {
        puzzle.problem = std::string("the puzzle has no ") + (sawRows ? "column" : "row") + " clues";
        return puzzle;
    }
    if (sawRows) {
        const bool hadGoal = !puzzle.goal.empty();
        if (hadGoal && (puzzle.width != static_cast<int>(columns.size()) ||
                        puzzle.height != static_cast<int>(rows.size()))) {
            puzzle.problem = "clues that contradict the goal";
            return puzzle;
        }
        puzzle.width = static_cast<int>(columns.size());
        puzzle.height = static_cast<int>(rows.size());
        puzzle.rows = std::move(rows);
        puzzle.columns = std::move(columns);
    }
    const std::string type = element.attribute("type", "grid");
    if (type != "grid") {
        puzzle.problem = "a " + type + " puzzle, not a grid";
    } else if (puzzle.width == 0 || puzzle.height == 0) {
        puzzle.problem = "the puzzle has neither clues nor a goal";
    } else if (puzzle.width > kLargestPuzzleWidth || puzzle.height > kLargestPuzzleHeight) {
        puzzle.problem = "larger than 40 x 30";
    } else if (otherColour) {
        puzzle.problem = "more than one colour";
    }
    return puzzle;
}

}  // namespace

std::vector<PuzzleText> readWebpbnXml(std::string_view text) {
    std::string problem;
    const std::unique_ptr<Element> document = XmlTreeReader(text).read(problem);
    std::vector<PuzzleText> puzzles;
    if (!document) {
        puzzles.emplace_back().problem = problem;
        return puzzles;
    }
    std::vector<const Element*> found;
    collectPuzzles(*document, found);
    for (const Element* element : found) puzzles.push_back(readPuzzle(*element));
    if (puzzles.empty()) puzzles.emplace_back().problem = "no <puzzle> in the file";
    return puzzles;
}

}  // namespace mosarin
