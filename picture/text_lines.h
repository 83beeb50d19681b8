#pragma once
// Splitting a text file into lines the way every reader of picture files
// does: CR LF, a bare LF or a lone CR ends a line (files edited elsewhere use
// all three; no picture line contains either character), CR CR LF too, and
// the last line needs no line end.

#include <cstddef>
#include <string_view>

namespace mosarin {

// `text` without what some editors leave after the last line: blank lines
// and a Ctrl-Z (0x1A). The line end of the last line goes with them.
std::string_view withoutEndPadding(std::string_view text);

// The lines of a text, one after another, in time linear in its length
// whatever its line ends.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view text) : text_(text) {}

    // Sets `line` to the next line, without its line end; false at the end of the text.
    bool next(std::string_view& line);

private:
    std::string_view text_;
    std::size_t offset_ = 0;
    // The next CR and LF at or after offset_ (text_.size() when none), each
    // searched for again only once offset_ has passed it.
    std::size_t nextCarriageReturn_ = 0;
    std::size_t nextLineFeed_ = 0;
    bool searched_ = false;
};

}  // namespace mosarin
