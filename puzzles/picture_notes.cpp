// The side file of picture notes: one line per picture, the clue key and the
// four texts separated by tabs, CR LF at the end. Tabs and line ends inside a
// text become spaces, so a line always splits back into its five fields.
#include "puzzles/picture_notes.h"

#include <cstdint>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "picture/atomic_file.h"
#include "picture/text_lines.h"
#include "picture/whole_file.h"
#include "solver/grid.h"

namespace mosarin {

namespace {

constexpr std::size_t kMaxNotesBytes = std::size_t(16) * 1024 * 1024;

std::string oneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

std::string PictureNote::describe() const {
    std::string text = title;
    const auto addLine = [&text](const std::string& line) {
        if (line.empty()) return;
        if (!text.empty()) text += '\n';
        text += line;
    };
    if (!author.empty()) addLine("by " + author);
    addLine(copyright);
    if (!license.empty()) addLine("Licence: " + license);
    return text;
}

std::string clueKey(const TPictureRecord& record) {
    // FNV-1a over the clues written out: the same clues always give the same
    // key, whatever the picture's colours or its place in the library.
    const solver::Clues clues = solver::cluesOfRecord(record);
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto add = [&hash](int value) {
        hash ^= static_cast<std::uint64_t>(value) + 1;
        hash *= 0x100000001b3ull;
    };
    add(clues.width());
    add(clues.height());
    for (const auto* lines : {&clues.rows, &clues.columns}) {
        for (const solver::Clue& clue : *lines) {
            for (int run : clue) add(run);
            add(-1);
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::filesystem::path notesFileFor(const std::filesystem::path& libraryFile) {
    return libraryFile.parent_path() / (libraryFile.stem().string() + "-notes.txt");
}

static void parseNotes(std::string_view bytes, PictureNotes& notes) {
    LineSplitter lines(bytes);
    for (std::string_view line; lines.next(line);) {
        std::string fields[5];
        int field = 0;
        for (char c : line) {
            if (c == '\t') {
                if (++field == 5) break;
            } else {
                fields[field] += c;
            }
        }
        if (field != 4 || fields[0].size() != 16) continue;
        notes[fields[0]] = PictureNote{fields[1], fields[2], fields[3], fields[4]};
    }
}

PictureNotes readPictureNotes(const std::filesystem::path& libraryFile) {
    PictureNotes notes;
    const FileReadResult read = readRegularFile(notesFileFor(libraryFile), kMaxNotesBytes);
    if (read.status == FileReadStatus::Ok) parseNotes(read.bytes, notes);
    return notes;
}

bool addPictureNotes(const std::filesystem::path& libraryFile, const PictureNotes& added, std::string& error) {
    if (added.empty()) return true;
    // A side file that is there but cannot be read is never replaced: the
    // notes it holds would be lost with it.
    const std::filesystem::path file = notesFileFor(libraryFile);
    const FileReadResult read = readRegularFile(file, kMaxNotesBytes);
    const bool missing = read.status == FileReadStatus::CannotOpen && read.systemError == ENOENT;
    if (read.status != FileReadStatus::Ok && !missing) {
        error = "the notes file \"" + file.string() + "\" cannot be read, so the notes were not kept";
        return false;
    }
    PictureNotes notes;
    parseNotes(read.bytes, notes);
    for (const auto& [key, note] : added) notes[key] = note;
    std::string bytes;
    for (const auto& [key, note] : notes) {
        bytes += key + '\t' + oneLine(note.title) + '\t' + oneLine(note.author) + '\t' + oneLine(note.copyright) +
                 '\t' + oneLine(note.license) + "\r\n";
    }
    return writeFileAtomically(file, bytes, true, error);
}

std::vector<std::string> pictureNoteTexts(const TPictureLibrary& library, const PictureNotes& notes) {
    std::vector<std::string> texts(static_cast<std::size_t>(std::max(library.count, 0)));
    if (notes.empty()) return texts;   // most libraries: no clue needs working out
    for (int number = 1; number <= library.count; ++number) {
        const auto found = notes.find(clueKey(library.slots[static_cast<std::size_t>(number)]));
        if (found != notes.end()) texts[static_cast<std::size_t>(number - 1)] = found->second.describe();
    }
    return texts;
}

}  // namespace mosarin
