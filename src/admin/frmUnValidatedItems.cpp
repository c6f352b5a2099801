#include "admin/frmUnValidatedItems.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/FormSupport.h"
#include "platform/QtMessenger.h"
#include "store/WorkingCopy.h"

namespace gavlin {

using namespace admin;

frmUnValidatedItems::frmUnValidatedItems(const std::filesystem::path& appDir, QWidget* parent)
    : QWidget(parent), file_(RecordPath<AuctionRecord>(appDir)) {
    setObjectName("frmUnValidatedItems");
    setWindowTitle("Auction Items Maintenance");

    auto* boxes = new QVBoxLayout;
    build(boxes);

    cmdValidate = new QPushButton("&Validate", this);
    cmdValidate->setObjectName("cmdValidate");
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdValidate);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();

    lstCategory = new QListWidget;
    lstCategory->setObjectName("lstCategory");
    lstCategory->setUniformItemSizes(true);
    lstCategory->setMinimumWidth(220);

    auto* outer = new QHBoxLayout(this);
    outer->addWidget(lstCategory, 1);
    outer->addLayout(boxes, 3);
    outer->addLayout(buttons);

    QList<QWidget*> order{lstCategory};
    order << tabOrder() << cmdValidate << cmdCancel;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(lstCategory, &QListWidget::itemSelectionChanged, this, [this] { selectEntry(); });
    connect(lstCategory, &QListWidget::itemClicked, this, [this] { selectEntry(); });
    connect(cmdValidate, &QPushButton::clicked, this, [this] { validate(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    resize(980, 680);
    CentreOnDisplay(this);
    fillList();
    clearAuction();
}

void frmUnValidatedItems::fillList() {
    QStringList entries;
    std::vector<RecordNo> positions;
    try {
        ForEachRecordRaw(file_, AuctionRecord::Length, [&](RecordNo n, std::string_view b) {
            if (!AuctionValidated(b)) {
                entries << AuctionEntry(b);
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

void frmUnValidatedItems::selectEntry() {
    const int row = SelectedRow(lstCategory);
    if (row < 0 || static_cast<std::size_t>(row) >= positions_.size()) return;
    try {
        AuctionRecord& a = AuctionCopy();
        a = ReadRecord<AuctionRecord>(file_, positions_[static_cast<std::size_t>(row)]);
        showAuction(a);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
}

void frmUnValidatedItems::validate() {
    const int row = SelectedRow(lstCategory);
    if (row < 0 || static_cast<std::size_t>(row) >= positions_.size()) {
        ShowMessage(this, "You Must Select an Auction to Validate!", "ALERT", MsgIcon::Exclamation);
        return;
    }
    const RecordNo n = positions_[static_cast<std::size_t>(row)];
    try {
        // The record as stored, with only its flag changed: edits in the boxes are not kept.
        AuctionRecord& a = AuctionCopy();
        a = ReadRecord<AuctionRecord>(file_, n);
        a.Validated.assign(1, 'Y');  // assign(): g++ 12 warns wrongly on = "Y" here
        WriteRecord(file_, n, a);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
        return;
    }
    clearAuction();
    fillList();
}

}  // namespace gavlin
