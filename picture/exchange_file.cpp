#include "picture/exchange_file.h"

#include "picture/atomic_file.h"
#include "picture/library_file.h"

namespace mosarin {

std::string exchangeFileName(int picture, const LocalDateTime& when) {
    return datedFileName(picture, when, ".gpe");
}

ExportOutcome exportPicture(const std::filesystem::path& filesFolder, int picture, const TPictureRecord& record,
                            const LocalDateTime& when) {
    ExportOutcome outcome;
    outcome.fileName = exchangeFileName(picture, when);
    outcome.file = filesFolder / outcome.fileName;
    outcome.written = writeFileAtomically(outcome.file, formatPictureLine(record), /*sync=*/true, outcome.error);
    return outcome;
}

}  // namespace mosarin
