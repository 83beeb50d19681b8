#include "picture/library_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "picture/atomic_file.h"
#include "picture/library_backup.h"
#include "picture/number_field.h"
#include "picture/packed_rows.h"
#include "picture/text_lines.h"
#include "picture/whole_file.h"

namespace mosarin {

namespace {

constexpr int kColorFieldLength = 8;
constexpr std::size_t kWidthPosition = 40;   // 0-based: position 41
constexpr std::size_t kHeightPosition = 41;  // 0-based: position 42
constexpr std::size_t kPackedPosition = 42;  // 0-based: position 43
constexpr Color kLargestEightDigits = 99999999;

// The group value a reader takes from any character, (code - 64) & 31, as a
// valid packed character. 64 is a multiple of 32, so that is code & 31.
char repairedPackedChar(char c) { return static_cast<char>('@' | (c & 31)); }

// Repairs `cells` in place; true when any character had to change. Reading a
// full library is mostly this loop, so it works on eight characters at a time
// (the same bit operation applied to every byte of a word).
bool repairPackedChars(char* cells, std::size_t n) {
    constexpr std::uint64_t kLowFiveBits = 0x1F1F1F1F1F1F1F1Full;
    constexpr std::uint64_t kAtSigns = 0x4040404040404040ull;
    std::uint64_t changed = 0;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, cells + i, 8);
        const std::uint64_t fixed = (word & kLowFiveBits) | kAtSigns;
        changed |= word ^ fixed;
        std::memcpy(cells + i, &fixed, 8);
    }
    for (; i < n; ++i) {
        const char fixed = repairedPackedChar(cells[i]);
        changed |= static_cast<unsigned char>(cells[i] ^ fixed);
        cells[i] = fixed;
    }
    return changed != 0;
}

// Reads one colour field; true when it had to be repaired, that is when it is
// not exactly eight decimal digits (it is then read by the number-field rule).
bool readColorField(std::string_view field, Color& color) {
    if (field.size() == kColorFieldLength) {
        Color value = 0;
        bool digits = true;
        for (char c : field) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + static_cast<Color>(c - '0');
        }
        if (digits) {
            color = value;
            return false;
        }
    }
    color = static_cast<Color>(readNumberField(field));
    return true;
}

// Writes the eight digits of `value` at `out`.
void putColor(char* out, Color value) {
    // A colour that does not fit in eight digits would push every later field
    // of the line out of place. Only a hand-edited file can bring one in (the
    // colour chooser gives 24-bit colours), and its low 24 bits are what any
    // drawing uses, so those are kept.
    if (value > kLargestEightDigits) value &= 0x00FFFFFFu;
    for (int i = kColorFieldLength - 1; i >= 0; --i, value /= 10) out[i] = static_cast<char>('0' + value % 10);
}

void appendPictureLine(std::string& out, const TPictureRecord& record) {
    const std::size_t start = out.size();
    out.resize(start + kPictureLineLength + 2);
    char* line = out.data() + start;
    for (int slot = 0; slot < kColorSlots; ++slot) putColor(line + kColorFieldLength * slot, record.colors[slot]);
    line[kWidthPosition] = sizeChar(std::clamp<std::int32_t>(record.width, 1, kMaxWidth));
    line[kHeightPosition] = sizeChar(std::clamp<std::int32_t>(record.height, 1, kMaxHeight));
    // Always exactly 240 valid characters, so every line stays 284 bytes: a slot
    // that never held a picture writes an empty one.
    const std::string_view packed = std::string_view(record.packedRows).substr(0, kPackedLength);
    char* cells = line + kPackedPosition;
    std::memcpy(cells, packed.data(), packed.size());
    std::fill(cells + packed.size(), cells + kPackedLength, kEmptyGroup);
    repairPackedChars(cells, packed.size());
    line[kPictureLineLength] = '\r';
    line[kPictureLineLength + 1] = '\n';
}

// A size character outside 1..largest is clamped into it; a missing one gives
// the largest size, that of a slot that never held a picture.
int clampedSize(std::string_view line, std::size_t position, int largest, bool& repaired) {
    if (position >= line.size()) {
        repaired = true;
        return largest;
    }
    const int value = sizeFromChar(line[position]);
    if (value < 1 || value > largest) repaired = true;
    return std::clamp(value, 1, largest);
}

// Fills `record` from one line (without its line end). Returns true when the
// line had to be repaired; nothing beyond the line is ever read.
bool readPictureLine(std::string_view line, TPictureRecord& record) {
    bool repaired = false;
    for (int slot = 0; slot < kColorSlots; ++slot) {
        const std::size_t start = std::min<std::size_t>(line.size(), kColorFieldLength * slot);
        if (readColorField(line.substr(start, kColorFieldLength), record.colors[slot])) repaired = true;
    }
    record.width = clampedSize(line, kWidthPosition, kMaxWidth, repaired);
    record.height = clampedSize(line, kHeightPosition, kMaxHeight, repaired);

    const std::string_view packed =
        line.substr(std::min(line.size(), kPackedPosition), kPackedLength);  // past 282 is ignored
    record.packedRows.assign(packed);
    if (repairPackedChars(record.packedRows.data(), record.packedRows.size())) repaired = true;
    if (record.packedRows.size() < kPackedLength) {
        record.packedRows.resize(kPackedLength, kEmptyGroup);
        repaired = true;
    }
    return repaired;
}

}  // namespace

std::string formatPictureLine(const TPictureRecord& record) {
    std::string line;
    appendPictureLine(line, record);
    return line;
}

LibraryReadReport readLibraryFile(const std::filesystem::path& file, TPictureLibrary& library,
                                  bool readOnly) {
    LibraryReadReport report;
    report.file = file;
    report.readOnly = readOnly;
    const FileReadResult read = readRegularFile(file, kMaxTextFileBytes);
    if (read.status != FileReadStatus::Ok) {
        if (!foundNoFile(read)) report.failure = libraryReadFailure(file, read);
        return report;
    }
    const std::string* content = &read.bytes;
    report.opened = true;
    report.fingerprint = {read.bytes.size(), read.modifiedNs, hashBytes(read.bytes)};

    // Blank lines and a Ctrl-Z after the last picture are an editor's habit,
    // not pictures: they are neither read nor reported.
    const std::string_view text = withoutEndPadding(*content);
    int count = 0;
    int lineNumber = 0;
    LineSplitter lines(text);
    for (std::string_view line; lines.next(line);) {
        ++lineNumber;
        if (count == kMaxPictures) {
            ++report.droppedLines;
            continue;
        }
        TPictureRecord& record = library.slots[++count];
        if (readPictureLine(line, record)) report.repairedLines.push_back(lineNumber);
        // What lies past the 282nd character is not read, so the original is
        // kept (below) before a rewrite of the library can lose it.
        if (line.size() > kPictureLineLength) report.cutLines.push_back(lineNumber);
    }
    library.count = count;
    report.pictures = lineNumber;
    if (count > 0) report.lastColors = library.slots[count].colors;

    if (report.damaged() && !readOnly) {
        BackupResult backup = keepOriginalBeside(file, *content);
        report.backupPath = std::move(backup.path);
        report.backupError = std::move(backup.error);
    }
    return report;
}

void rememberRead(LibraryFileGuard& guard, const LibraryReadReport& report) {
    if (report.opened) {
        guard.noteRead(report.fingerprint, report.pictures);
    } else if (report.failure.empty()) {
        guard.noteAbsent();
    } else {
        guard.noteUnreadable(report.failure);
    }
}

LibraryWriteResult writeLibraryFile(const std::filesystem::path& file, const TPictureLibrary& library,
                                    LibraryFileGuard& guard, bool sync) {
    const int count = std::clamp(library.count, 0, kMaxPictures);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * (kPictureLineLength + 2));
    for (int slot = 1; slot <= count; ++slot) appendPictureLine(bytes, library.slots[slot]);

    return rewriteLibraryFile(file, bytes, count, guard, sync);
}

}  // namespace mosarin
