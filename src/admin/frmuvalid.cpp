#include "admin/frmuvalid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/FormSupport.h"
#include "platform/QtMessenger.h"
#include "store/Text.h"
#include "store/WorkingCopy.h"

namespace gavlin {

using namespace admin;

namespace {
constexpr std::size_t kRealNameOffset = 30, kRealNameWidth = 30, kValidatedOffset = 275;
}

frmuvalid::frmuvalid(const std::filesystem::path& appDir, QWidget* parent)
    : QWidget(parent), file_(RecordPath<UserRecord>(appDir)) {
    setObjectName("frmuvalid");
    setWindowTitle("User Maintenance");

    auto* grid = new QGridLayout;
    build(grid);
    txtValidated = AddLineBox(grid, 2, "Validated:", "txtValidated");
    setUserReadOnly(true);
    txtValidated->setReadOnly(true);

    cmdValidate = new QPushButton("&Validate", this);
    cmdValidate->setObjectName("cmdValidate");
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdValidate);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();

    auto* heading = new QLabel("SELECT USER TO VALIDATE BELOW");
    heading->setObjectName("lblHeading");
    lstCategory = new QListWidget;
    lstCategory->setObjectName("lstCategory");
    lstCategory->setUniformItemSizes(true);
    heading->setBuddy(lstCategory);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addWidget(heading);
    outer->addWidget(lstCategory, 1);
    outer->addLayout(buttons);

    // The boxes are read-only: the list and the buttons are what the keyboard works.
    setTabOrder(lstCategory, cmdValidate);
    setTabOrder(cmdValidate, cmdCancel);
    lstCategory->setFocus();

    connect(lstCategory, &QListWidget::itemSelectionChanged, this, [this] { selectEntry(); });
    connect(lstCategory, &QListWidget::itemClicked, this, [this] { selectEntry(); });
    connect(cmdValidate, &QPushButton::clicked, this, [this] { validate(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    resize(720, 560);
    CentreOnDisplay(this);
    fillList();
}

void frmuvalid::fillList() {
    QStringList entries;
    std::vector<RecordNo> positions;
    try {
        ForEachRecordRaw(file_, UserRecord::Length, [&](RecordNo n, std::string_view b) {
            const std::string_view flag = TrimView(b.substr(kValidatedOffset, 1));
            if (flag != "Y" && flag != "y") {
                entries << Shown(TrimRight(b.substr(kRealNameOffset, kRealNameWidth)));
                positions.push_back(n);
            }
            return true;
        });
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
    positions_ = std::move(positions);
    FillList(lstCategory, entries);
}

void frmuvalid::selectEntry() {
    const int row = SelectedRow(lstCategory);
    if (row < 0 || static_cast<std::size_t>(row) >= positions_.size()) return;
    try {
        UserRecord& u = UserCopy();
        u = ReadRecord<UserRecord>(file_, positions_[static_cast<std::size_t>(row)]);
        showUser(u);
        txtValidated->setText(u.Validated == "Y" ? "Yes" : "No");
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
}

void frmuvalid::validate() {
    const int row = SelectedRow(lstCategory);
    if (row < 0 || static_cast<std::size_t>(row) >= positions_.size()) {
        ShowMessage(this, "You Must Select a User to Validate!", "ALERT", MsgIcon::Exclamation);
        return;
    }
    const RecordNo n = positions_[static_cast<std::size_t>(row)];
    try {
        UserRecord& u = UserCopy();
        u = ReadRecord<UserRecord>(file_, n);
        u.Validated.assign(1, 'Y');  // assign(): g++ 12 warns wrongly on = "Y" here
        WriteRecord(file_, n, u);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
        return;
    }
    clearUser();
    txtValidated->clear();
    fillList();
}

}  // namespace gavlin
