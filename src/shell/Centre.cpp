#include "shell/Centre.h"

#include <QGuiApplication>
#include <QScreen>

namespace gavlin {

void CentreOnScreen(QWidget* window) {
    window->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect s = screen->geometry();
        window->move((s.width() - window->width()) / 2, (s.height() - window->height()) / 2);
    }
}

}  // namespace gavlin
