// The reference for start-up cost: a Qt 6 Widgets program that shows one
// empty window of the game window's size and nothing else. Whatever start-up
// costs beyond this is the program's own.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(782, 563);
    window.show();
    return app.exec();
}
