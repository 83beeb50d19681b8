#pragma once
// Picture lines and libraries for the file tests, built by hand from their
// fields so that the expectations do not come from the code under test.

#include <string>
#include <vector>

#include "picture/picture_record.h"

namespace mosarin::testing {

// "New" picture colours and the digits they must be written as.
constexpr ColorSet kNewColors = {0x00DD7777u, 0x00EEEEEEu, 0x00CCCCCCu, 0x0022A3B9u, 0x0015182Cu};
inline const std::string kNewColorDigits = "1451403915658734134217720227013701382444";

// The 282 characters of a line before CR LF.
inline std::string lineBody(const std::string& colorDigits, char width, char height, const std::string& packed) {
    return colorDigits + width + height + packed;
}

inline std::string emptyPacked() { return std::string(240, '@'); }

// A valid line whose colours and cells differ with `n`, CR LF included.
inline std::string numberedLine(int n) {
    std::string digits;
    for (int slot = 0; slot < kColorSlots; ++slot) {
        std::string field = std::to_string(n * 10 + slot);
        digits += std::string(8 - field.size(), '0') + field;
    }
    std::string packed = emptyPacked();
    packed[static_cast<std::size_t>(n % 240)] = static_cast<char>('@' + 1 + n % 31);
    return lineBody(digits, static_cast<char>(40 + 1 + n % 40), static_cast<char>(40 + 1 + n % 30), packed) +
           "\r\n";
}

inline std::string joinLines(int first, int last) {
    std::string text;
    for (int n = first; n <= last; ++n) text += numberedLine(n);
    return text;
}

// The record numberedLine(n) stands for.
inline TPictureRecord numberedRecord(int n) {
    TPictureRecord record;
    for (int slot = 0; slot < kColorSlots; ++slot) record.colors[slot] = static_cast<Color>(n * 10 + slot);
    record.width = 1 + n % 40;
    record.height = 1 + n % 30;
    record.packedRows = emptyPacked();
    record.packedRows[static_cast<std::size_t>(n % 240)] = static_cast<char>('@' + 1 + n % 31);
    return record;
}

inline bool sameRecord(const TPictureRecord& a, const TPictureRecord& b) {
    return a.packedRows == b.packedRows && a.width == b.width && a.height == b.height && a.colors == b.colors;
}

}  // namespace mosarin::testing
