#include "admin/frmUserEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/FormSupport.h"
#include "platform/QtMessenger.h"
#include "store/RecordFile.h"
#include "store/Text.h"
#include "store/WorkingCopy.h"

namespace gavlin {

using namespace admin;

namespace {
constexpr std::size_t kRealNameOffset = 30, kRealNameWidth = 30;
}

frmUserEdit::frmUserEdit(const std::filesystem::path& appDir, QWidget* parent)
    : QWidget(parent), file_(RecordPath<UserRecord>(appDir)) {
    setObjectName("frmUserEdit");
    setWindowTitle("User Maintenance");

    auto* grid = new QGridLayout;
    build(grid);
    cmbValidated = AddComboBox(grid, 2, "Validated:", "cmbValidated");
    cmbValidated->addItems({"Yes", "No"});
    cmbValidated->setCurrentIndex(-1);
    cmbValidated->setEditText(QString());

    auto makeButton = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdAdd = makeButton("&Add New", "cmdAdd");
    cmdSave = makeButton("&Save Edit", "cmdSave");
    cmdDelete = makeButton("&Delete", "cmdDelete");
    cmdCancel = makeButton("&Cancel", "cmdCancel");
    auto* buttons = new QHBoxLayout;
    for (auto* b : {cmdAdd, cmdSave, cmdDelete, cmdCancel}) buttons->addWidget(b);
    buttons->addStretch();

    auto* heading = new QLabel("SELECT USER TO EDIT OR ADD A NEW ONE ABOVE");
    heading->setObjectName("lblHeading");
    lstCategory = new QListWidget;
    lstCategory->setObjectName("lstCategory");
    lstCategory->setUniformItemSizes(true);
    heading->setBuddy(lstCategory);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);
    outer->addWidget(heading);
    outer->addWidget(lstCategory, 1);

    QWidget* order[] = {txtAlias, txtRealName, txtPassword,  txtEmail, txtAddress, txtCity,   txtState,  txtZip,
                        txtPhone, txtCountry,  cmbValidated, cmdAdd,   cmdSave,    cmdDelete, cmdCancel, lstCategory};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(lstCategory, &QListWidget::itemSelectionChanged, this, [this] { selectEntry(); });
    connect(lstCategory, &QListWidget::itemClicked, this, [this] { selectEntry(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { addNew(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { saveEdit(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    resize(720, 560);
    CentreOnDisplay(this);
    fillList();
}

// Opening and every reload create an empty reguser.dat when there is none.
void frmUserEdit::fillList() {
    QStringList entries;
    try {
        if (!FileExists(file_)) WriteWholeFile(file_, "");
        ForEachRecordRaw(file_, UserRecord::Length, [&](RecordNo, std::string_view b) {
            entries << Shown(TrimRight(b.substr(kRealNameOffset, kRealNameWidth)));
            return true;
        });
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
    FillList(lstCategory, entries);
}

void frmUserEdit::selectEntry() {
    const int row = SelectedRow(lstCategory);
    if (row < 0) return;
    try {
        UserRecord& u = UserCopy();
        u = ReadRecord<UserRecord>(file_, row + 1);
        showUser(u);
        // A flag other than "Y" or "N" leaves the box as it was.
        if (u.Validated == "Y") cmbValidated->setCurrentIndex(cmbValidated->findText("Yes"));
        if (u.Validated == "N") cmbValidated->setCurrentIndex(cmbValidated->findText("No"));
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
}

// Any text other than exactly "Yes" or "No" sets no flag: the shared record
// keeps the one it last held.
void frmUserEdit::takeBoxes() {
    UserRecord& u = UserCopy();
    takeUser(u);
    const QString flag = cmbValidated->currentText();
    if (flag == "Yes") u.Validated = "Y";
    if (flag == "No") u.Validated = "N";
}

void frmUserEdit::addNew() {
    try {
        if (!FileExists(file_)) WriteWholeFile(file_, "");
        if (txtRealName->text().isEmpty()) {
            ShowMessage(this, "Please enter a User Name - Then Select Add New", "Category Error", MsgIcon::Exclamation);
            return;
        }
        takeBoxes();
        AppendRecord(file_, UserCopy());
    } catch (const std::exception& e) {
        ShowFileError(this, e);
        return;
    }
    fillList();
}

void frmUserEdit::saveEdit() {
    const int row = SelectedRow(lstCategory);
    if (row >= 0) {
        try {
            takeBoxes();
            WriteRecord(file_, row + 1, UserCopy());
        } catch (const std::exception& e) {
            // The boxes keep the operator's text so that nothing typed is lost.
            ShowFileError(this, e);
            return;
        }
    }
    fillList();
    clearBoxes();
}

void frmUserEdit::deleteEntry() {
    const RecordNo n =
        ConfirmAndRemove<UserRecord>(this, file_, SelectedRow(lstCategory), "You must first select a User to delete",
                                     "Delete Error", TrimRight(Typed(txtRealName)));
    if (n == 0) return;
    if (n == 1) {
        ShowMessage(this, "There are Now No Users", "Alert", MsgIcon::Information);
        lstCategory->clear();
    } else {
        fillList();
    }
    clearBoxes();
}

void frmUserEdit::clearBoxes() {
    clearUser();
    cmbValidated->setCurrentIndex(-1);
    cmbValidated->setEditText(QString());
}

}  // namespace gavlin
