// Checking an exchange file before anything of it reaches the library: a
// line that is not a complete picture line would be read back, repaired, by
// every later read, so a file with one is refused as a whole.
#include <string>

#include "picture/exchange_file.h"
#include "picture/library_file.h"
#include "picture/text_lines.h"

namespace mosarin {

namespace {

constexpr std::size_t kColorDigits = 40;     // positions 1..40: five "%.8d" colours
constexpr std::size_t kWidthIndex = 40;      // position 41
constexpr std::size_t kHeightIndex = 41;     // position 42
constexpr std::size_t kPackedIndex = 42;     // positions 43..282
constexpr char kFirstSizeChar = 41;          // size 1
constexpr char kFirstPackedChar = 64;        // five empty cells
constexpr char kLastPackedChar = 95;         // five filled cells

// A character as the user can find it in a text editor.
std::string shown(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 32 && code < 127) return std::string("\"") + c + "\"";
    return "the character of code " + std::to_string(code);
}

std::string at(int lineNumber, std::size_t index, char c) {
    return "Line " + std::to_string(lineNumber) + ", position " + std::to_string(index + 1) + ": " + shown(c);
}

// What is wrong with one line (without its line end), or nothing.
std::string lineProblem(std::string_view line, int lineNumber) {
    if (line.empty()) return "Line " + std::to_string(lineNumber) + " is empty.";
    if (line.size() != static_cast<std::size_t>(kPictureLineLength)) {
        return "Line " + std::to_string(lineNumber) + " has " + std::to_string(line.size()) +
               " characters where a picture line has " + std::to_string(kPictureLineLength) + ".";
    }
    for (std::size_t i = 0; i < kColorDigits; ++i) {
        if (line[i] < '0' || line[i] > '9') return at(lineNumber, i, line[i]) + " is not a digit of a colour.";
    }
    if (line[kWidthIndex] < kFirstSizeChar || line[kWidthIndex] >= kFirstSizeChar + kMaxWidth) {
        return at(lineNumber, kWidthIndex, line[kWidthIndex]) + " is not a width from 1 to 40.";
    }
    if (line[kHeightIndex] < kFirstSizeChar || line[kHeightIndex] >= kFirstSizeChar + kMaxHeight) {
        return at(lineNumber, kHeightIndex, line[kHeightIndex]) + " is not a height from 1 to 30.";
    }
    for (std::size_t i = kPackedIndex; i < line.size(); ++i) {
        if (line[i] < kFirstPackedChar || line[i] > kLastPackedChar) {
            return at(lineNumber, i, line[i]) + " is not a character of packed rows (codes 64 to 95).";
        }
    }
    return {};
}

}  // namespace

ExchangeCheck checkExchangeText(std::string_view text, int picturesBefore) {
    ExchangeCheck check;
    int lineNumber = 0;
    LineSplitter lines(withoutEndPadding(text));
    for (std::string_view line; lines.next(line);) {
        ++lineNumber;
        const long long picture = static_cast<long long>(picturesBefore) + lineNumber;
        if (picture > kMaxPictures) {
            check.problem = "Line " + std::to_string(lineNumber) + " would be picture " + std::to_string(picture) +
                            ", and the library holds at most " + std::to_string(kMaxPictures) + " pictures.";
            return check;
        }
        check.problem = lineProblem(line, lineNumber);
        if (!check.problem.empty()) return check;
        check.lines.push_back(line);
    }
    return check;
}

}  // namespace mosarin
