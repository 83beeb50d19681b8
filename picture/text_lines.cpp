#include "picture/text_lines.h"

#include <algorithm>

namespace mosarin {

namespace {

// Blank lines are made of line ends; 0x1A is the Ctrl-Z that old editors
// put at the end of a text file.
constexpr std::string_view kEndPadding("\r\n\x1A", 3);

}  // namespace

std::string_view withoutEndPadding(std::string_view text) {
    const std::size_t last = text.find_last_not_of(kEndPadding);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view nextLine(std::string_view text, std::size_t& offset) {
    // Two single-character searches (memchr) are much faster than one search
    // for either character, and reading a library is mostly this.
    const std::size_t lineFeed = std::min(text.find('\n', offset), text.size());
    const std::size_t end = std::min(text.substr(0, lineFeed).find('\r', offset), lineFeed);
    const std::string_view line = text.substr(offset, end - offset);
    offset = end + 1;
    if (end + 1 == lineFeed && lineFeed < text.size()) ++offset;  // CR LF is one line end
    return line;
}

}  // namespace mosarin
