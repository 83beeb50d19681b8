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

bool LineSplitter::next(std::string_view& line) {
    if (offset_ >= text_.size()) return false;
    // Single-character searches run at memchr speed; keeping their results
    // means no part of the text is searched twice, even in a file whose
    // lines all end with one kind of line end.
    if (!searched_ || nextCarriageReturn_ < offset_) {
        nextCarriageReturn_ = std::min(text_.find('\r', offset_), text_.size());
    }
    if (!searched_ || nextLineFeed_ < offset_) nextLineFeed_ = std::min(text_.find('\n', offset_), text_.size());
    searched_ = true;

    const std::size_t end = std::min(nextCarriageReturn_, nextLineFeed_);
    line = text_.substr(offset_, end - offset_);
    // CR LF is one line end, and so is CR CR LF, which a program writing CR LF
    // through a text-mode stream leaves; a CR followed by anything else ends
    // the line by itself.
    const bool endsWithLineFeed =
        end < nextLineFeed_ &&
        (end + 1 == nextLineFeed_ || (end + 2 == nextLineFeed_ && text_[end + 1] == '\r'));
    offset_ = (endsWithLineFeed ? nextLineFeed_ : end) + 1;
    return true;
}

}  // namespace mosarin
