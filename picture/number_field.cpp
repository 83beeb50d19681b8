#include "picture/number_field.h"

#include <cstdint>
#include <limits>

namespace mosarin {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int digitValue(char c, bool hexadecimal) {
    if (c >= '0' && c <= '9') return c - '0';
    if (!hexadecimal) return -1;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Consumes "$", "x", "X", "0x" or "0X" and reports whether one was there.
bool takeHexPrefix(std::string_view& text) {
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        text.remove_prefix(1);
        return true;
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        return true;
    }
    return false;
}

}  // namespace

// Overflow: rather than wrapping or failing, the magnitude saturates. A decimal
// number stops at 2147483647 (or -2147483648 with a minus); hexadecimal digits
// give a 32-bit pattern, so "$FF00000F" is the system colour 0xFF00000F read
// back as a signed value, and anything longer than eight hex digits saturates
// at 0xFFFFFFFF. The largest number the files ever hold (eight decimal digits)
// is far inside these limits.
std::int32_t readNumberField(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hexadecimal = takeHexPrefix(text);

    const std::uint64_t base = hexadecimal ? 16 : 10;
    const std::uint64_t limit = hexadecimal ? 0xFFFFFFFFull
                                : negative  ? 0x80000000ull
                                            : 0x7FFFFFFFull;
    std::uint64_t magnitude = 0;
    std::size_t digits = 0;
    for (; digits < text.size(); ++digits) {
        const int digit = digitValue(text[digits], hexadecimal);
        if (digit < 0) break;
        magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) magnitude = limit;  // stays small, so the multiply never overflows
    }

    // A minus counts only for a clean number: digits that run to the end of the text.
    const bool applyMinus = negative && digits > 0 && digits == text.size();
    if (!applyMinus && !hexadecimal && magnitude > 0x7FFFFFFFull) magnitude = 0x7FFFFFFFull;
    const std::uint32_t pattern = static_cast<std::uint32_t>(applyMinus ? 0 - magnitude : magnitude);
    return static_cast<std::int32_t>(pattern);  // modular since C++20
}

}  // namespace mosarin
