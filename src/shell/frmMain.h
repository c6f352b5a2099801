#pragma once
// The main window: the picture buttons, the background tiles, the status
// label and the menu bar from which every command starts.
#include <QLabel>
#include <QMainWindow>
#include <array>

#include "shell/Pictures.h"

namespace gavlin {

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    QLabel* lblStatus;
    PictureControl* imgAuctions;
    PictureControl* imgMaintenance;
    PictureControl* imgGetMail;
    PictureControl* imgSendMail;
    PictureControl* imgExit;
    // The background tiles, objectNames "Image1_0" to "Image1_9": the top row
    // left to right, then the bottom row.
    std::array<PictureControl*, 10> Image1{};

    // What a menu item does, by its objectName: the check for a missing
    // record file first, then the command's handler.
    void RunMenuCommand(const QString& menuName);

    bool StatusTextShown() const { return statusText_; }

private:
    void buildMenuBar();
    PictureControl* addPictureButton(const char* name, const char* picture, const char* statusText,
                                     const char* menuName, int top);
    void showButtonStatus(const QString& text);
    void backgroundMoved();

    bool statusText_ = false;
};

// The commands that belong to the main window itself (Exit, About, Online
// Help). Idempotent; the main window calls it before it builds its menus.
void InstallMainWindowCommands();

}  // namespace gavlin
