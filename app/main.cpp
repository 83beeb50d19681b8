// Program entry: the game window (the main window), shown by the event loop;
// the editor window is made when "Edit Pictures" first opens it. Command-line
// commands (--check, --help) run first and never create the application
// object, so they need no display.
#include <QApplication>
#include <QResource>
#include <memory>

#include "app/library_check.h"
#include "app/stdio_stream.h"
#include "editor/tfcpintura.h"
#include "game/tfjuego.h"
#include "shell/app_info.h"
#include "shell/deferred_modal_window.h"
#include "shell/idle_sleep.h"
#include "shell/qt_platform.h"
#include "shell/window_icon.h"

int main(int argc, char** argv) {
    if (argc > 1) {
        mosarin::StdioStream out(stdout);
        mosarin::StdioStream err(stderr);
        if (const auto status = mosarin::runCommandLine(argc, argv, mosarin::executableFolder(argv[0]), out, err)) {
            return *status;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(mosarin::applicationTitle());
    // The window shows its icon at 48 pixels at most; the 256-pixel picture
    // is the desktop entry's, and decoding it here cost start-up time.
    const QResource icon(QStringLiteral(":/icons/mosarin-48.rgba"));
    QApplication::setWindowIcon(mosarin::iconFromRgbaPixels(icon.data(), icon.size()));
    mosarin::keepIdleProgramAsleep();
    mosarin::QtPlatform platform;

    // Its hidden "Select Picture" panel, the first control to need a font,
    // is built by the first "New Game".
    mosarin::Tfjuego game(platform, mosarin::programFolder(), nullptr, mosarin::Tfjuego::SelectPanel::WhenFirstNeeded);
    // Made on its first opening: its controls, its reading of the library and
    // the fonts they would look up cost the start nothing. What its reading
    // finds is told at that opening, as it was when it was made hidden.
    mosarin::DeferredModalWindow editor([&platform] {
        return std::make_unique<mosarin::TFcpintura>(platform, mosarin::programFolder());
    });
    game.setEditorWindow(&editor);

    game.show();
    return app.exec();
}
