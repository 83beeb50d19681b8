// Program entry: the game window first (the main window), then the editor
// window, hidden; then the event loop shows the game window. Command-line
// commands (--check, --help) run first and never create the application
// object, so they need no display.
#include <QApplication>
#include <QIcon>
#include <iostream>

#include "app/library_check.h"
#include "editor/tfcpintura.h"
#include "game/tfjuego.h"
#include "shell/app_info.h"
#include "shell/idle_sleep.h"
#include "shell/qt_platform.h"

int main(int argc, char** argv) {
    if (const auto status = mosarin::runCommandLine(argc, argv, mosarin::executableFolder(argv[0]), std::cout,
                                                    std::cerr)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(mosarin::applicationTitle());
    // The window shows its icon at 48 pixels at most; the 256-pixel picture
    // is the desktop entry's, and decoding it here cost start-up time.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mosarin-48.png")));
    mosarin::keepIdleProgramAsleep();
    mosarin::QtPlatform platform;

    mosarin::Tfjuego game(platform, mosarin::programFolder());
    mosarin::TFcpintura editor(platform, mosarin::programFolder());
    game.setEditorWindow(&editor);

    game.show();
    return app.exec();
}
