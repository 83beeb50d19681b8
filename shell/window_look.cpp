#include "shell/window_look.h"

#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace mosarin {

QFont controlsFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void dressWindow(QWidget& window) {
    window.setFont(controlsFont());
    QPalette look = window.palette();
    look.setColor(QPalette::Window, look.color(QPalette::Button));
    window.setPalette(look);
    window.setAutoFillBackground(true);
}

void centreOnScreen(QWidget& window, int outerWidth, int outerHeight) {
    const QScreen* display = window.screen();
    if (display == nullptr) return;
    const QRect area = display->geometry();
    const ScreenPoint origin = centredOrigin(area.width(), area.height(), outerWidth, outerHeight);
    window.move(area.left() + origin.x, area.top() + origin.y);
}

}  // namespace mosarin
