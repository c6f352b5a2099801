#include "shell/Help.h"

#include <QPointer>

#include "platform/QtMessenger.h"
#include "shell/HelpViewer.h"
#include "store/Text.h"

namespace gavlin {

namespace {
std::string& FileName() {
    static std::string file;
    return file;
}
QPointer<HelpViewer>& Viewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}
}  // namespace

void SetHelpFile(const std::string& file) {
    FileName() = file;
}
const std::string& HelpFile() {
    return FileName();
}
HelpViewer* CurrentHelpViewer() {
    return Viewer();
}

void ShowHelp(QWidget* window, int command, const std::string& key) {
    if (Trim(HelpFile()).empty()) {
        ShowMessage(window, "No Help File Available");
        return;
    }
    if (command != kHelpClose && command != kHelpContents && command != kHelpOnHelp && command != kHelpPartialKey) {
        ShowMessage(window, "Invalid Help Command Value");
        return;
    }
    QPointer<HelpViewer>& viewer = Viewer();
    if (command == kHelpClose) {
        if (viewer) viewer->close();
        return;
    }
    if (!viewer || viewer->File() != HelpFile()) {
        if (viewer) viewer->close();
        auto* opened = new HelpViewer;
        opened->setAttribute(Qt::WA_DeleteOnClose);
        std::string error;
        if (!opened->Open(HelpFile(), error)) {
            delete opened;
            ShowMessage(window, error, kAppTitle, MsgIcon::Exclamation);
            return;
        }
        viewer = opened;
    }
    switch (command) {
        case kHelpContents:
            viewer->ShowContents();
            break;
        case kHelpOnHelp:
            viewer->ShowHelpOnHelp();
            break;
        default:
            viewer->SearchIndex(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
            break;
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

}  // namespace gavlin
