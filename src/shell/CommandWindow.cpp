#include "shell/CommandWindow.h"

#include <QPointer>
#include <map>

namespace gavlin {

void OpenCommandWindow(QWidget* mainWindow, QWidget* window) {
    QPointer<QWidget> main(mainWindow);
    if (main) main->setEnabled(false);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QObject::destroyed, [main] {
        if (main) main->setEnabled(true);
    });
    window->show();
}

namespace {
std::map<QString, MenuHandler>& Handlers() {
    static std::map<QString, MenuHandler> handlers;
    return handlers;
}
}  // namespace

void RegisterMenuHandler(const char* menuObjectName, MenuHandler handler) {
    Handlers()[QString::fromLatin1(menuObjectName)] = std::move(handler);
}

const MenuHandler* FindMenuHandler(const QString& menuObjectName) {
    auto it = Handlers().find(menuObjectName);
    return it == Handlers().end() ? nullptr : &it->second;
}

}  // namespace gavlin
