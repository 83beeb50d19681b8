#pragma once
// The picture library file: one 284-byte line per picture (five "%.8d" colours,
// width and height as size characters, 240 packed characters, CR LF).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "picture/library_guard.h"
#include "picture/picture_record.h"

namespace mosarin {

constexpr int kPictureLineLength = 282;  // without the CR LF

// One picture line as written to the file, CR LF included.
std::string formatPictureLine(const TPictureRecord& record);

// What a read found beyond the pictures themselves.
struct LibraryReadReport {
    std::filesystem::path file;            // the file that was read
    bool opened = false;                   // false: file missing or unreadable, library untouched
    std::optional<ColorSet> lastColors;    // colours of the last line kept in a slot, if any
    std::vector<int> repairedLines;        // 1-based line numbers that were damaged and repaired
    std::vector<int> cutLines;             // 1-based numbers of lines longer than 282 characters
    int droppedLines = 0;                  // lines past the 1000th, kept in no slot
    std::filesystem::path backupPath;      // where the original was copied, when it had to be
    std::string backupError;               // why no copy could be kept, when backupPath is empty
    bool readOnly = false;                 // read for checking only: no copy was asked for
    std::string failure;                   // why a file that is there could not be read (path, reason)
    FileFingerprint fingerprint;           // of the bytes read, when opened
    int pictures = 0;                      // picture lines read, when opened

    bool damaged() const { return !repairedLines.empty() || !cutLines.empty() || droppedLines > 0; }
    // A message for the user naming what was repaired, cut or dropped and
    // where the original was kept; empty when nothing was damaged.
    std::string describe() const;
};

// Reads the whole file into slots 1..count of the library. A missing or
// unreadable file leaves the library as it was; for one that is there but
// cannot be read (no permission, a folder, too large, an I/O error) `failure`
// says why. CR LF, LF and a lone CR end
// lines; blank lines and a Ctrl-Z at the end of the file are not pictures.
// Damaged lines are repaired and the characters of a line past the 282nd
// ignored; when any line could not be kept as it was, the original file is
// first copied beside it (see backupPath) so that a later rewrite loses nothing.
// With `readOnly`, nothing is written beside the file: for a check that
// only reports and never rewrites the library.
LibraryReadReport readLibraryFile(const std::filesystem::path& file, TPictureLibrary& library,
                                  bool readOnly = false);

// What `report`'s read tells the guard: the file's fingerprint, that there
// was none, or that it could not be read.
void rememberRead(LibraryFileGuard& guard, const LibraryReadReport& report);

// Rewrites the whole file from slots 1..count through rewriteLibraryFile: only
// when the file is still what `guard` knew; a temporary file in the same
// folder is written, flushed, synced and renamed over the old one, so a
// failure leaves the old file whole. `sync` may be turned off for benchmarks.
LibraryWriteResult writeLibraryFile(const std::filesystem::path& file, const TPictureLibrary& library,
                                    LibraryFileGuard& guard, bool sync = true);

}  // namespace mosarin
