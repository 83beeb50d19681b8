#pragma once
// Title, author, copyright and licence of imported pictures, kept in a side
// file beside the library ("pictures.txt" -> "pictures-notes.txt") so that
// the library file keeps its fixed 284-byte lines. A note is keyed by a hash
// of the picture's clues, not by its number: deleting or moving pictures in
// the editor never gives a picture another picture's note.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "picture/picture_record.h"

namespace mosarin {

struct PictureNote {
    std::string title;
    std::string author;
    std::string copyright;
    std::string license;

    bool empty() const { return title.empty() && author.empty() && copyright.empty() && license.empty(); }
    // "Title\nby Author\nCopyright\nLicence: L", the lines that are present.
    std::string describe() const;
};

// 16 hexadecimal digits identifying the clues of a picture of width x height.
std::string clueKey(const TPictureRecord& record);

std::filesystem::path notesFileFor(const std::filesystem::path& libraryFile);

using PictureNotes = std::map<std::string, PictureNote>;   // by clueKey

// The notes beside `libraryFile`; none when the side file is missing or
// unreadable. Damaged lines are skipped.
PictureNotes readPictureNotes(const std::filesystem::path& libraryFile);

// Adds `added` to the notes beside `libraryFile` (a key already present is
// replaced) and rewrites the side file atomically. False with `error` set
// when it cannot be written.
bool addPictureNotes(const std::filesystem::path& libraryFile, const PictureNotes& added, std::string& error);

// For pictures 1..count of `library`, the text describing each (a list
// entry's tooltip), empty for a picture without a note.
std::vector<std::string> pictureNoteTexts(const TPictureLibrary& library, const PictureNotes& notes);

}  // namespace mosarin
