#pragma once
// Puzzles as other nonogram programs publish them: the .non format (one
// puzzle), .nonpack (several, divided by "====" lines) and the webpbn XML
// export. The readers only take the files apart; whether a puzzle becomes
// a picture (its size, its goal against its clues, a single solution) is
// decided above, where the solver is at hand. No Qt, no I/O.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mosarin {

// One puzzle as a file describes it. Strings have their escapes decoded.
struct PuzzleText {
    int line = 1;                // 1-based line of the file where the puzzle begins
    std::string title;
    std::string author;
    std::string copyright;
    std::string license;
    int width = 0;
    int height = 0;
    std::vector<std::vector<int>> rows;      // rows[r]: run lengths of row r, top to bottom
    std::vector<std::vector<int>> columns;   // columns[c]: run lengths of column c, left to right
    std::vector<std::uint8_t> goal;          // width x height, row by row, 1 filled; empty when not given
    std::string problem;         // why the puzzle cannot be taken, naming the line; empty when readable

    bool hasClues() const { return !rows.empty() || !columns.empty(); }
};

// Puzzles larger than this are refused: a picture has at most 40 x 30 cells.
constexpr int kLargestPuzzleWidth = 40;
constexpr int kLargestPuzzleHeight = 30;

// Reads a .non or .nonpack text: keys in any order, unknown lines ignored,
// blank lines anywhere between keys, quoted strings with HTML escapes. A
// puzzle with a damaged line gets a `problem`; the others are unaffected.
std::vector<PuzzleText> readNonText(std::string_view text);

// Reads the puzzles of a webpbn XML text (<puzzleset> or a lone <puzzle>):
// title, author, copyright, license, the row and column clues and the goal
// image, black and white only. A text that is not such XML gives one puzzle
// whose problem says so.
std::vector<PuzzleText> readWebpbnXml(std::string_view text);

// "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&copy;", "&nbsp;" and numeric
// escapes ("&#169;", "&#xA9;") become their UTF-8 text; anything else stays.
std::string decodeHtmlEscapes(std::string_view text);

}  // namespace mosarin
