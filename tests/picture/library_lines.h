#pragma once
// Picture lines and libraries for the file tests, built by hand from their
// fields so that the expectations do not come from the code under test.

#include <filesystem>
#include <string>
#include <tuple>

#include "picture/library_guard.h"
#include "picture/picture_record.h"

namespace mosarin::testing {

// "New" picture colours and the digits they must be written as.
constexpr ColorSet kNewColors = {0x00DD7777u, 0x00EEEEEEu, 0x00CCCCCCu, 0x0022A3B9u, 0x0015182Cu};
inline const std::string kNewColorDigits = "1451403915658734134217720227013701382444";
inline const std::string kEmptyPacked(240, '@');

// The 282 characters of a line before CR LF.
inline std::string lineBody(const std::string& colorDigits, char width, char height, const std::string& packed) {
    return colorDigits + width + height + packed;
}

// The record numberedLine(n) stands for: colours, sizes and one group differ with n.
inline TPictureRecord numberedRecord(int n) {
    TPictureRecord record{kEmptyPacked, 1 + n % 40, 1 + n % 30, {}};
    for (int slot = 0; slot < kColorSlots; ++slot) record.colors[slot] = static_cast<Color>(n * 10 + slot);
    record.packedRows[static_cast<std::size_t>(n % 240)] = static_cast<char>('@' + 1 + n % 31);
    return record;
}

// A valid line for numberedRecord(n), CR LF included.
inline std::string numberedLine(int n) {
    std::string digits;
    for (int slot = 0; slot < kColorSlots; ++slot) {
        const std::string field = std::to_string(n * 10 + slot);
        digits += std::string(8 - field.size(), '0') + field;
    }
    std::string packed = kEmptyPacked;
    packed[static_cast<std::size_t>(n % 240)] = static_cast<char>('@' + 1 + n % 31);
    return lineBody(digits, static_cast<char>(41 + n % 40), static_cast<char>(41 + n % 30), packed) + "\r\n";
}

inline std::string withoutLineEnd(const std::string& line) { return line.substr(0, line.size() - 2); }

// `text` with every `c` (every CR, or every LF) taken out.
inline std::string without(std::string text, char c) {
    std::erase(text, c);
    return text;
}

inline std::string joinLines(int first, int last) {
    std::string text;
    for (int n = first; n <= last; ++n) text += numberedLine(n);
    return text;
}

// Slots 1..5 hold numberedRecord(101..105): what a read must leave alone.
inline TPictureLibrary libraryOfFive() {
    TPictureLibrary library;
    for (int n = 1; n <= 5; ++n) library.slots[n] = numberedRecord(100 + n);
    library.count = 5;
    return library;
}

// A record's fields, to compare records and print the difference.
inline auto fields(const TPictureRecord& r) { return std::tie(r.packedRows, r.width, r.height, r.colors); }

// The guard of a writer that has just looked at `file`, for the write that
// follows at once (one at a time: the same guard is handed out again).
inline LibraryFileGuard& asItIs(const std::filesystem::path& file) {
    static LibraryFileGuard guard;
    guard = guardOfFileAsItIs(file);
    return guard;
}

inline std::filesystem::path withSuffix(std::filesystem::path file, const std::string& suffix) {
    return file += suffix;
}

}  // namespace mosarin::testing
