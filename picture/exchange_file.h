#pragma once
// Picture exchange files: "Export Picture" writes one picture line into a
// file of its own; "Import Picture" appends the lines of such a file (one or
// more pictures) to the picture library file.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "picture/dated_file_name.h"
#include "picture/library_guard.h"
#include "picture/picture_record.h"

namespace mosarin {

// "Pic%.4dDate%.2d%.2dTime%.2d%.2d.gpe" from the picture and day, month, hour, minute.
std::string exchangeFileName(int picture, const LocalDateTime& when);

struct ExportOutcome {
    bool written = false;
    std::string fileName;         // the name alone, as the " created" message shows it
    std::filesystem::path file;   // filesFolder / fileName
    std::string error;            // the path and the system's reason when !written
};

// Writes `record` as one 284-byte picture line into filesFolder /
// exchangeFileName(picture, when), replacing a file of that name whole (a
// failed write leaves it as it was).
ExportOutcome exportPicture(const std::filesystem::path& filesFolder, int picture, const TPictureRecord& record,
                            const LocalDateTime& when);

// What an exchange file holds, checked line by line.
struct ExchangeCheck {
    std::vector<std::string_view> lines;  // the 282 characters of each picture line, in file order
    std::string problem;                  // the first offending line and what is wrong with it; empty if none
};

// Checks the content of an exchange file to be appended to a library of
// `picturesBefore` pictures. Every line must be a complete picture line:
// 282 characters before its line end (CR LF, LF or a lone CR; the last line
// may have none), digits in the five colour fields, a width character for
// 1..40, a height character for 1..30 and 240 packed characters of codes
// 64..95; and the library must not pass 1000 pictures. Blank lines and a
// Ctrl-Z at the end are not lines. When `problem` is set, `lines` holds the
// lines before the offending one. The views point into `text`.
ExchangeCheck checkExchangeText(std::string_view text, int picturesBefore);

enum class ImportStatus {
    Imported,   // `appended` pictures (none for an empty file) now end the library file
    Missing,    // no file of that name
    Refused,    // nothing was appended; `message` says why
    Changed,    // nothing was appended: the library is not what the guard knew and must be read again
};

struct ImportOutcome {
    ImportStatus status = ImportStatus::Missing;
    int appended = 0;        // pictures added at the end of the library file
    int libraryCount = 0;    // lines of the library file afterwards, when Imported
    std::string message;     // when Refused: what and where, ending with "Nothing was imported."
};

// Appends the pictures of `exchangeFile` to `libraryFile`, all of them or none,
// and only to the library `guard` knows (see rewriteLibraryFile):
// the exchange file is checked as a whole first (checkExchangeText), the
// library file must already exist, and the library is rewritten atomically
// as its current bytes followed by the imported lines, each as its 282
// characters and CR LF. Folders, pipes and devices are refused without
// blocking. `sync` may be turned off for benchmarks.
ImportOutcome importExchangeFile(const std::filesystem::path& libraryFile, const std::filesystem::path& exchangeFile,
                                 LibraryFileGuard& guard, bool sync = true);

// The same for exchange text already in memory (pictures converted from
// another format, say); `sourceName` names where it came from in a refusal.
ImportOutcome appendExchangeText(const std::filesystem::path& libraryFile, std::string_view text,
                                 const std::string& sourceName, LibraryFileGuard& guard, bool sync = true);

}  // namespace mosarin
