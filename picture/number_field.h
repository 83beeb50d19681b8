#pragma once
// How every number is read from text, in files and edit boxes: leading blanks
// skipped, an optional sign, "$", "x", "X" or "0x" for hexadecimal, then digits
// up to the first character that is not one. No digits read as 0. A minus
// counts only when the digits run to the end of the text. Numbers too large
// for 32 bits saturate instead of wrapping; hexadecimal gives the 32-bit
// pattern, so "$FF00000F" reads as the button-face colour.

#include <cstdint>
#include <string_view>

namespace mosarin {

std::int32_t readNumberField(std::string_view text);

}  // namespace mosarin
