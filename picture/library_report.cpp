#include <string>

#include "picture/library_file.h"

namespace mosarin {

namespace {

// Past this many, the list of line numbers stops helping and only fills the box.
constexpr std::size_t kListedLines = 10;

std::string lineList(const std::vector<int>& lines) {
    std::string list;
    for (std::size_t i = 0; i < lines.size() && i < kListedLines; ++i) {
        if (i > 0) list += ", ";
        list += std::to_string(lines[i]);
    }
    if (lines.size() > kListedLines) list += ", ...";
    return list;
}

std::string repairedPart(const std::vector<int>& lines) {
    if (lines.size() == 1) return "a damaged line (" + lineList(lines) + ") that was repaired";
    return "damaged lines (" + lineList(lines) + ") that were repaired";
}

std::string cutPart(const std::vector<int>& lines) {
    if (lines.size() == 1) return "a line (" + lineList(lines) + ") of more than 282 characters that was cut short";
    return "lines (" + lineList(lines) + ") of more than 282 characters that were cut short";
}

std::string droppedPart(int dropped) {
    if (dropped == 1) return "1 line past the 1000th picture that could not be kept";
    return std::to_string(dropped) + " lines past the 1000th picture that could not be kept";
}

// "A", "A, and B", "A, B, and C": every part is long, so the last one is set
// off clearly.
std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += i + 1 == parts.size() ? ", and " : ", ";
        text += parts[i];
    }
    return text;
}

std::string withFullStop(std::string text) {
    if (!text.empty() && text.back() != '.') text += '.';
    return text;
}

}  // namespace

std::string LibraryReadReport::describe() const {
    if (!damaged()) return {};
    std::vector<std::string> parts;
    if (!repairedLines.empty()) parts.push_back(repairedPart(repairedLines));
    if (!cutLines.empty()) parts.push_back(cutPart(cutLines));
    if (droppedLines > 0) parts.push_back(droppedPart(droppedLines));
    std::string text = "The picture library \"" + file.string() + "\" had " + joined(parts) + ".";
    if (readOnly) {
        text += " The file was left as it is.";
    } else if (!backupPath.empty()) {
        text += " The original file was kept as \"" + backupPath.string() + "\".";
    } else {
        text += " No copy of the original file could be kept. " + withFullStop(backupError);
    }
    return text;
}

}  // namespace mosarin
