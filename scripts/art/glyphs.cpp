// The cell pictures behind the title: "Mosarin" spelt in a 7-row cell font,
// and the tulip of the small puzzle beside it.

#include "glyphs.h"

#include <map>

namespace art {
namespace {

using Glyph = std::vector<const char*>;

const std::map<char, Glyph>& glyphs() {
    static const std::map<char, Glyph> table{
        {'M', {"X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"}},
        {'o', {".....", ".....", ".XXX.", "X...X", "X...X", "X...X", ".XXX."}},
        {'s', {".....", ".....", ".XXXX", "X....", ".XXX.", "....X", "XXXX."}},
        {'a', {".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX"}},
        {'r', {".....", ".....", "X.XX.", "XX..X", "X....", "X....", "X...."}},
        {'i', {".X.", "...", "XX.", ".X.", ".X.", ".X.", "XXX"}},
        {'n', {".....", ".....", "XXXX.", "X...X", "X...X", "X...X", "X...X"}},
    };
    return table;
}

CellRows fromPattern(const std::vector<const char*>& pattern) {
    CellRows rows;
    for (const char* text : pattern) {
        std::vector<bool> row;
        for (const char* c = text; *c != '\0'; ++c)
            row.push_back(*c == 'X');
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

CellRows wordCells(const std::string& word) {
    CellRows rows(7);
    bool first = true;
    for (char letter : word) {
        const CellRows glyph = fromPattern(glyphs().at(letter));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!first)
                rows[r].push_back(false);  // one empty column between letters
            rows[r].insert(rows[r].end(), glyph[r].begin(), glyph[r].end());
        }
        first = false;
    }
    return rows;
}

std::vector<int> letterOfColumns(const std::string& word) {
    std::vector<int> letters;
    for (std::size_t index = 0; index < word.size(); ++index) {
        if (index > 0)
            letters.push_back(-1);
        const std::size_t width = std::string(glyphs().at(word[index]).front()).size();
        letters.insert(letters.end(), width, int(index));
    }
    return letters;
}

// Petals in the top half, stem and leaves below.
CellRows tulipCells() {
    return fromPattern({
        "..X....X..",
        "..XX..XX..",
        "..XXXXXX..",
        "..XXXXXX..",
        "...XXXX...",
        "....XX....",
        ".XX.XX....",
        "..XXXX.XX.",
        "....XXXX..",
        "....XX....",
    });
}

int tulipPetalRows() { return 5; }

}  // namespace art
