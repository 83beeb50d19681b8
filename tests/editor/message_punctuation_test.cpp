// Every message of the program's own ends with exactly one full stop and
// never doubles one where two texts are joined (a reason that ends with a
// stop, followed by a sentence). The designed texts ("Picture saved", "File
// dont exist") keep their own form and are not checked here.
#include <gtest/gtest.h>

#include <functional>

#include "editor/editor_commands.h"
#include "editor/picture_check.h"
#include "editor/picture_store.h"
#include "game/saved_games.h"
#include "picture/exchange_file.h"
#include "tests/editor/editor_fixture.h"

namespace mosarin::testing {
namespace {

namespace fs = std::filesystem;

// What is wrong with the stops of `text`, or nothing.
std::string stopFault(const std::string& text) {
    if (text.empty()) return "empty";
    if (text.find("..") != std::string::npos) return "a doubled full stop";
    if (text.find(" .") != std::string::npos || text.find(". .") != std::string::npos) return "a stray full stop";
    const char last = text.back();
    if (last != '.' && last != '?' && last != '!') return "no full stop at the end";
    return {};
}

TEST(MessagePunctuation, EveryOwnMessageHasOneFullStopAtTheEndAndNoneDoubled) {
    TempFolder folder;
    fs::create_directories(folder / "files");
    const fs::path library = folder / "files/pictures.txt", nowhere = folder / "no folder/pictures.txt";
    writeBytes(library, libraryBytes(numberedPictures(2)));
    writeBytes(folder / "bad.gpe", "short\r\n");
    fs::create_directory(folder / "folder.txt");

    const auto editorOver = [](const fs::path& file) {
        auto state = std::make_unique<EditorState>();
        leerarchivo(*state, file);
        return state;
    };
    const auto firstText = [](const Notices& notices) { return notices.empty() ? std::string() : notices[0].text; };
    LibraryFileGuard guard = guardOfFileAsItIs(library);
    solver::SolveResult solved[4];
    solved[0].verdict = solver::Verdict::Unique;
    solved[1].verdict = solver::Verdict::Multiple;
    solved[2].verdict = solver::Verdict::None;
    solved[3].verdict = solver::Verdict::Undecided;

    const std::pair<const char*, std::function<std::string()>> messages[] = {
        {"a save that cannot be written", [&] { return firstText(escribirarchivo(*editorOver(nowhere), nowhere)); }},
        {"a save over a library changed since", [&] {
             auto state = editorOver(library);
             writeBytes(library, libraryBytes(numberedPictures(3)));
             return firstText(escribirarchivo(*state, library));
         }},
        {"the library cannot be read, when read", [&] { return firstText(leerarchivo(*editorOver(library), folder / "folder.txt")); }},
        {"the library cannot be read, when a command would write", [&] {
             return libraryWriteRefusal(*editorOver(folder / "folder.txt"))->text;
         }},
        {"a save into a library that cannot be read", [&] {
             return firstText(escribirarchivo(*editorOver(folder / "folder.txt"), folder / "folder.txt"));
         }},
        {"a full library", [] {
             EditorState state;
             state.library.count = kMaxPictures;
             return newPictureRefusal(state)->text;
         }},
        {"a bad exchange file", [&] { return importExchangeFile(library, folder / "bad.gpe", guard).message; }},
        {"an import into no library", [&] { return importExchangeFile(nowhere, folder / "bad.gpe", guard).message; }},
        {"an export into no folder", [&] {
             return exportPicture(folder / "no folder", 1, numberedPicture(1), LocalDateTime{}).error;
         }},
        {"damage repaired with no copy kept", [] {
             LibraryReadReport report;
             report.repairedLines = {2};
             report.backupError = "Cannot write file \"x\". No space left on device.";
             return report.describe();
         }},
        {"a saved game naming a picture the library lacks", [&] { return badPictureMessage(library, 7, 2); }},
        {"the check: one solution", [&] { return checkMessage(solved[0]); }},
        {"the check: two solutions", [&] { return checkMessage(solved[1]); }},
        {"the check: no solution", [&] { return checkMessage(solved[2]); }},
        {"the check: undecided", [&] { return checkMessage(solved[3]); }},
    };
    for (const auto& [name, message] : messages) {
        const std::string text = message();
        EXPECT_EQ(stopFault(text), "") << name << ": " << text;
    }
}

}  // namespace
}  // namespace mosarin::testing
