// "Import Picture" as far as files go: all the pictures of an exchange file
// are appended to the library file, or none.
#include <cerrno>
#include <cstring>

#include "picture/exchange_file.h"
#include "picture/library_file.h"
#include "picture/text_lines.h"
#include "picture/whole_file.h"

namespace mosarin {

namespace {

constexpr std::string_view kNothingImported = " Nothing was imported.";
constexpr std::size_t kLineBytes = kPictureLineLength + 2;
// A file that would fill a whole library, with room for blank lines at its
// end; anything larger cannot be imported and is not read.
constexpr std::size_t kMaxExchangeBytes = kMaxPictures * kLineBytes + 64 * 1024;

std::string quoted(const std::filesystem::path& file) { return "\"" + file.string() + "\""; }

ImportOutcome refused(std::string message) {
    ImportOutcome outcome;
    outcome.status = ImportStatus::Refused;
    outcome.message = std::move(message).append(kNothingImported);
    return outcome;
}

// Why `read` of `file` (named as `what`, "The file" or "The picture library")
// gave no content, as a sentence.
std::string readFailure(const char* what, const std::filesystem::path& file, const FileReadResult& read) {
    const std::string name = std::string(what) + " " + quoted(file);
    switch (read.status) {
    case FileReadStatus::NotRegular:
        return read.systemError == EISDIR ? name + " is a folder, not a picture file."
                                          : name + " is not a regular file (a device or a pipe, for instance).";
    case FileReadStatus::TooLarge:
        return name + " is too large to be a picture file.";
    case FileReadStatus::ReadFailed:
        return name + " cannot be read: " + std::strerror(read.systemError) + ".";
    case FileReadStatus::CannotOpen:
    case FileReadStatus::Ok:
        break;
    }
    return name + " cannot be opened: " + std::strerror(read.systemError) + ".";
}

bool isMissing(const FileReadResult& read) {
    return read.status == FileReadStatus::CannotOpen && (read.systemError == ENOENT || read.systemError == ENOTDIR);
}

// The library's bytes that the imported lines follow: all of them, with a line
// end added when the last line has none. Blank lines and a Ctrl-Z at the end
// are left out, since lines after them would turn them into damaged lines.
void appendLibraryLines(std::string& out, std::string_view library) {
    const std::string_view lines = withoutEndPadding(library);
    if (lines.empty()) return;
    const std::string_view rest = library.substr(lines.size());
    const std::size_t lineEnd = rest.starts_with("\r\n")                             ? 2
                                : (rest.starts_with('\n') || rest.starts_with('\r')) ? 1
                                                                                     : 0;
    out.append(library.substr(0, lines.size() + lineEnd));
    if (lineEnd == 0) out.append("\r\n");
}

int countLines(std::string_view text) {
    int count = 0;
    LineSplitter lines(withoutEndPadding(text));
    for (std::string_view line; lines.next(line);) ++count;
    return count;
}

// A library this window could not read, or one changed since it read it.
ImportOutcome refusedByGuard(const LibraryWriteResult& check) {
    ImportOutcome outcome;
    outcome.status = check.status == LibraryWriteStatus::Changed ? ImportStatus::Changed : ImportStatus::Refused;
    outcome.message = check.error;  // it says already that nothing was written
    return outcome;
}

}  // namespace

ImportOutcome importExchangeFile(const std::filesystem::path& libraryFile, const std::filesystem::path& exchangeFile,
                                 LibraryFileGuard& guard, bool sync) {
    const FileReadResult exchange = readRegularFile(exchangeFile, kMaxExchangeBytes);
    if (isMissing(exchange)) return ImportOutcome{};
    if (exchange.status != FileReadStatus::Ok) return refused(readFailure("The file", exchangeFile, exchange));

    return appendExchangeText(libraryFile, exchange.bytes, quoted(exchangeFile), guard, sync);
}

ImportOutcome appendExchangeText(const std::filesystem::path& libraryFile, std::string_view text,
                                 const std::string& sourceName, LibraryFileGuard& guard, bool sync) {
    if (guard.unreadable()) return refusedByGuard(checkLibraryUnchanged(libraryFile, guard).result);
    const FileReadResult library = readRegularFile(libraryFile, kMaxTextFileBytes);
    if (library.status != FileReadStatus::Ok) {
        if (!foundNoFile(library)) guard.noteUnreadable(libraryReadFailure(libraryFile, library));
        return refused(readFailure("The picture library", libraryFile, library));
    }
    if (guard.knowledge != LibraryFileGuard::Knowledge::Read ||
        guard.fingerprint != FileFingerprint{library.bytes.size(), library.modifiedNs, hashBytes(library.bytes)}) {
        return refusedByGuard({false, LibraryWriteStatus::Changed, libraryChangedMessage(libraryFile)});
    }

    const int picturesBefore = countLines(library.bytes);
    const ExchangeCheck check = checkExchangeText(text, picturesBefore);
    if (!check.problem.empty()) {
        return refused("The file " + sourceName + " cannot be imported. " + check.problem);
    }

    ImportOutcome outcome;
    outcome.status = ImportStatus::Imported;
    outcome.appended = static_cast<int>(check.lines.size());
    outcome.libraryCount = picturesBefore + outcome.appended;
    if (check.lines.empty()) return outcome;  // nothing to add: the library stays as it is

    std::string bytes;
    bytes.reserve(library.bytes.size() + 2 + check.lines.size() * kLineBytes);
    appendLibraryLines(bytes, library.bytes);
    for (std::string_view line : check.lines) bytes.append(line).append("\r\n");
    const LibraryWriteResult written = rewriteLibraryFile(libraryFile, bytes, outcome.libraryCount, guard, sync);
    if (written.status == LibraryWriteStatus::Failed) return refused(written.error);
    if (!written.ok) return refusedByGuard(written);
    return outcome;
}

}  // namespace mosarin
