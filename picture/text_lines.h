#pragma once
// Splitting a text file into lines the way every reader of picture files
// does: CR LF, a bare LF or a lone CR ends a line (files edited elsewhere use
// all three; no picture line contains either character), and the last line
// needs no line end.

#include <cstddef>
#include <string_view>

namespace mosarin {

// `text` without what some editors leave after the last line: blank lines
// and a Ctrl-Z (0x1A). The line end of the last line goes with them.
std::string_view withoutEndPadding(std::string_view text);

// The line of `text` that starts at `offset`, without its line end; moves
// `offset` past the line end. Precondition: offset < text.size().
std::string_view nextLine(std::string_view text, std::size_t& offset);

}  // namespace mosarin
