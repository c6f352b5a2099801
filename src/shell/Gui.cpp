#include "shell/Gui.h"

#include <QApplication>
#include <QWidget>

#include "shell/AppContext.h"

namespace gavlin {

int RunGui(const std::filesystem::path& dir) {
    SetApplicationDirectory(dir);
    QWidget w;
    w.setWindowTitle("Gavlin");
    w.show();
    return QApplication::exec();
}

}  // namespace gavlin
