// The exchange-file check and the import built on it, on any file: every line
// the check accepts is a whole picture line inside the text, and an import
// either appends exactly those lines to the library or leaves it byte for byte.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "picture/exchange_file.h"
#include "picture/library_file.h"
#include "picture/whole_file.h"

namespace {

// One valid picture line: the library the import appends to.
std::string oneLineLibrary() {
    mosarin::TPictureRecord record;
    record.packedRows.assign(240, '@');
    record.colors = {1, 2, 3, 4, 5};
    return mosarin::formatPictureLine(record);
}

const std::string kLibrary = oneLineLibrary();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = mosarin::fuzz::asText(data, size);
    const mosarin::ExchangeCheck check = mosarin::checkExchangeText(text, 1);
    for (std::string_view line : check.lines) {
        if (line.size() != mosarin::kPictureLineLength) std::abort();
        if (line.data() < text.data() || line.data() + line.size() > text.data() + text.size()) std::abort();
    }

    const auto library = mosarin::fuzz::writeScratchFile("pictures.txt", kLibrary);
    const auto exchange = mosarin::fuzz::writeScratchFile("import.gpe", text);
    mosarin::LibraryFileGuard guard = mosarin::guardOfFileAsItIs(library);
    const mosarin::ImportOutcome outcome = mosarin::importExchangeFile(library, exchange, guard, false);
    const std::optional<std::string> after = mosarin::readWholeFile(library);
    if (!after) std::abort();
    if (outcome.status == mosarin::ImportStatus::Refused) {
        if (*after != kLibrary || check.problem.empty()) std::abort();
    } else {
        if (outcome.status != mosarin::ImportStatus::Imported || !check.problem.empty()) std::abort();
        std::string expected = kLibrary;
        for (std::string_view line : check.lines) expected.append(line).append("\r\n");
        if (*after != expected || outcome.appended != int(check.lines.size())) std::abort();
    }
    return 0;
}
