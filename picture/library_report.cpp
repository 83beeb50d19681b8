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

std::string droppedPart(int dropped) {
    if (dropped == 1) return "1 line past the 1000th picture that could not be kept";
    return std::to_string(dropped) + " lines past the 1000th picture that could not be kept";
}

}  // namespace

std::string LibraryReadReport::describe() const {
    if (!damaged()) return {};
    std::string text = "The picture library \"" + file.string() + "\" had ";
    if (!repairedLines.empty()) text += repairedPart(repairedLines);
    if (!repairedLines.empty() && droppedLines > 0) text += ", and ";
    if (droppedLines > 0) text += droppedPart(droppedLines);
    text += ".";
    if (!backupPath.empty()) {
        text += " The original file was kept as \"" + backupPath.string() + "\".";
    } else {
        text += " No copy of the original file could be kept. " + backupError + ".";
    }
    return text;
}

}  // namespace mosarin
