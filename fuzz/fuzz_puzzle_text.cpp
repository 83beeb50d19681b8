// The readers of the public puzzle formats (.non, .nonpack, webpbn XML) on
// any text: they must return, read nothing past the text, and hand on only
// puzzles whose parts agree with their size.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "picture/puzzle_text.h"

namespace {

void checkPuzzles(const std::vector<mosarin::PuzzleText>& puzzles) {
    for (const mosarin::PuzzleText& puzzle : puzzles) {
        if (!puzzle.problem.empty()) continue;
        if (puzzle.width < 1 || puzzle.height < 1 || puzzle.width > 40 || puzzle.height > 30) std::abort();
        if (puzzle.hasClues() && (static_cast<int>(puzzle.rows.size()) != puzzle.height ||
                                  static_cast<int>(puzzle.columns.size()) != puzzle.width)) {
            std::abort();
        }
        if (!puzzle.goal.empty() && puzzle.goal.size() != static_cast<std::size_t>(puzzle.width) * puzzle.height) {
            std::abort();
        }
        if (puzzle.goal.empty() && !puzzle.hasClues()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = mosarin::fuzz::asText(data, size);
    checkPuzzles(mosarin::readNonText(text));
    checkPuzzles(mosarin::readWebpbnXml(text));
    mosarin::decodeHtmlEscapes(text);
    return 0;
}
