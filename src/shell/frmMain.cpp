#include "shell/frmMain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

#include "platform/QtMessenger.h"
#include "shell/AppContext.h"
#include "shell/CommandWindow.h"
#include "shell/Help.h"
#include "shell/frmAbout.h"
#include "store/RecordFile.h"

namespace gavlin {

namespace {

const char* const kVersionText = "Gavlin Version 1.0";

constexpr int kTile = 128;
constexpr int kButton = 44;
constexpr int kButtonGap = 6;

struct MenuItem {
    const char* name;
    const char* caption;  // nullptr: a separator
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<MenuItem> items;
};

const Menu kMenus[] = {
    {"mnuSystem",
     "&System",
     {{"mnuConfiguration", "&Configuration"},
      {"mnuCategory", "Category &Maintenance"},
      {"mnuMaintenance", "&Run System Maintenance"},
      {"mnusep1", nullptr},
      {"mnuExit", "E&xit"}}},
    {"mnuAuctions",
     "&Auctions",
     {{"mnuAuctionsEdit", "&View, Add and Edit Auctions"},
      {"mnuUnvalidatedAuctions", "Search for &Unvalidated Auctions"}}},
    {"mnuUsers",
     "&Users",
     {{"mnuUserEdit", "&View, Add and Edit Users"}, {"mnuUnvalidatedUsers", "Search for &Unvalidated Users"}}},
    {"mnuHTML",
     "&HTML",
     {{"mnuHTMLAll", "Make &All Necessary HTML Files"},
      {"mnuAuctionRegister", "Make User &Registration Form HTML"},
      {"mnuNewItems", "Make &New Items Input Form HTML"},
      {"mnuIndividual", "Create &Individual Auctions HTML"},
      {"mnuCategoryHTML", "Create &Category HTML"},
      {"mnuMainMenu", "Make &Main Menu HTML"}}},
    {"mnuInternet",
     "&Internet",
     {{"mnuSendMail", "&Send Outgoing Messages"},
      {"mnuGetEmail", "&Retrieve Email Messages"},
      {"mnuFTP", "&FTP HTML files to Server"}}},
    {"mnuHelp", "&Help", {{"mnuAbout", "&About Gavlin"}, {"mnuSep2", nullptr}, {"mnuOnlineHelp", "&Online Help"}}},
};

// Commands that need a record file answer with a message when it is missing,
// whether or not their window exists yet.
struct FileCheck {
    const char* menuName;
    const char* file;
    const char* message;
};

const FileCheck kFileChecks[] = {
    {"mnuMaintenance", "auctions.dat", "No Auctions Currently on File"},
    {"mnuUnvalidatedAuctions", "auctions.dat", "No Auctions Currently on File"},
    {"mnuAuctionsEdit", "category.dat",
     "No Categories have been defined.  Select System Menu then Category Maintenance to add new Categories."},
    {"mnuUnvalidatedUsers", "reguser.dat", "No Users Currently on File"},
};

const FileCheck* FileCheckOf(const QString& menuName) {
    for (const FileCheck& check : kFileChecks)
        if (menuName == QLatin1String(check.menuName)) return &check;
    return nullptr;
}

const MenuHandler* HandlerOf(const QString& menuName) {
    const MenuHandler* handler = FindMenuHandler(menuName);
    return handler && *handler ? handler : nullptr;
}

bool Available(const QString& menuName) {
    return HandlerOf(menuName) || FileCheckOf(menuName);
}

}  // namespace

void InstallMainWindowCommands() {
    if (!HandlerOf("mnuExit")) RegisterMenuHandler("mnuExit", [](QWidget* main) { main->close(); });
    if (!HandlerOf("mnuAbout"))
        // Not a child of the main window: a disabled window disables its child windows too.
        RegisterMenuHandler("mnuAbout", [](QWidget* main) { OpenCommandWindow(main, new frmAbout); });
    if (!HandlerOf("mnuOnlineHelp"))
        RegisterMenuHandler("mnuOnlineHelp", [](QWidget* main) {
            SetHelpFile((ApplicationDirectory() / "gavlin.hlp").string());
            ShowHelp(main, kHelpContents);
        });
}

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle("Gavlin");
    InstallMainWindowCommands();

    auto* central = new QWidget(this);
    central->setObjectName("picMain");
    auto* area = new QWidget(central);
    area->setObjectName("picBackground");
    area->setFixedSize(5 * kTile, 2 * kTile);

    // One drawing cut into the ten tiles, so the background reads as one picture.
    QPixmap background = Picture("background", QSize(5 * kTile, 2 * kTile));
    for (int i = 0; i < 10; ++i) {
        int col = i % 5, row = i / 5;
        auto* tile = new PictureControl(background.copy(col * kTile, row * kTile, kTile, kTile), area);
        tile->setObjectName(QStringLiteral("Image1_%1").arg(i));
        tile->move(col * kTile, row * kTile);
        connect(tile, &PictureControl::mouseMoved, this, &frmMain::backgroundMoved);
        Image1[i] = tile;
    }

    const int top = (2 * kTile - (5 * kButton + 4 * kButtonGap)) / 2;
    const int step = kButton + kButtonGap;
    imgAuctions = addPictureButton("imgAuctions", "auctions", "Generate All Necessary HTML Files", "mnuHTMLAll", top);
    imgMaintenance = addPictureButton("imgMaintenance", "maintenance", "Run Maintenance", "mnuMaintenance", top + step);
    imgGetMail =
        addPictureButton("imgGetMail", "getmail", "Retrieve New Email Messages", "mnuGetEmail", top + 2 * step);
    imgSendMail =
        addPictureButton("imgSendMail", "sendmail", "Send Email Notifications", "mnuSendMail", top + 3 * step);
    imgExit = addPictureButton("imgExit", "exit", "Exit Gavlin", "mnuExit", top + 4 * step);

    lblStatus = new QLabel(kVersionText, central);
    lblStatus->setObjectName("lblStatus");
    lblStatus->setFrameShape(QFrame::Panel);
    lblStatus->setFrameShadow(QFrame::Sunken);
    lblStatus->setMinimumHeight(lblStatus->sizeHint().height() + 6);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area);
    layout->addWidget(lblStatus);
    setCentralWidget(central);

    buildMenuBar();
    setFixedSize(sizeHint());
}

PictureControl* frmMain::addPictureButton(const char* name, const char* picture, const char* statusText,
                                          const char* menuName, int top) {
    auto* button = new PictureControl(picture, QSize(kButton, kButton), Image1[0]->parentWidget());
    button->setObjectName(name);
    button->setToolTip(statusText);
    button->setCursor(Qt::PointingHandCursor);
    button->move(kButtonGap, top);
    button->raise();
    button->setAvailable(Available(menuName));
    const QString text = QString::fromLatin1(statusText), command = QString::fromLatin1(menuName);
    connect(button, &PictureControl::mouseMoved, this, [this, text] { showButtonStatus(text); });
    connect(button, &PictureControl::clicked, this, [this, command] { RunMenuCommand(command); });
    return button;
}

void frmMain::buildMenuBar() {
    QMenuBar* bar = menuBar();
    for (const Menu& m : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(m.caption));
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(m.name);
        for (const MenuItem& item : m.items) {
            QAction* action = item.caption ? menu->addAction(QString::fromLatin1(item.caption)) : menu->addSeparator();
            action->setObjectName(item.name);
            if (!item.caption) continue;
            const QString name = QString::fromLatin1(item.name);
            action->setEnabled(Available(name));
            connect(action, &QAction::triggered, this, [this, name] { RunMenuCommand(name); });
        }
    }
}

void frmMain::RunMenuCommand(const QString& menuName) {
    if (const FileCheck* check = FileCheckOf(menuName)) {
        bool exists = false;
        try {
            exists = FileExists(ApplicationDirectory() / check->file);
        } catch (const FileError& e) {
            // An unreachable directory is an error, not a missing file; and it
            // must not escape into the event loop.
            ShowMessage(this, e.what(), kAppTitle, MsgIcon::Critical);
            return;
        }
        if (!exists) {
            ShowMessage(this, check->message);
            return;
        }
    }
    if (const MenuHandler* handler = HandlerOf(menuName)) (*handler)(this);
}

void frmMain::showButtonStatus(const QString& text) {
    statusText_ = true;
    lblStatus->setText(text);
    lblStatus->repaint();
}

void frmMain::backgroundMoved() {
    if (!statusText_) return;
    statusText_ = false;
    lblStatus->setText(kVersionText);
    lblStatus->repaint();
}

}  // namespace gavlin
