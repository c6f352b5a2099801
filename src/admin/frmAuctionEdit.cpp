#include "admin/frmAuctionEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/FormSupport.h"
#include "mail/NewItemPageName.h"
#include "platform/QtMessenger.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"
#include "store/WorkingCopy.h"

namespace gavlin {

using namespace admin;

frmAuctionEdit::frmAuctionEdit(const std::filesystem::path& appDir, QWidget* parent)
    : QWidget(parent), dir_(appDir), file_(RecordPath<AuctionRecord>(appDir)) {
    setObjectName("frmAuctionEdit");
    setWindowTitle("Auction Items Maintenance");

    auto* boxes = new QVBoxLayout;
    build(boxes);

    auto makeButton = [this](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    cmdAddNew = makeButton("&Add New", "cmdAddNew");
    cmdSaveEdit = makeButton("Save &Edit", "cmdSaveEdit");
    cmdDelete = makeButton("&Delete", "cmdDelete");
    cmdCancel = makeButton("&Cancel", "cmdCancel");
    auto* buttons = new QVBoxLayout;
    for (auto* b : {cmdAddNew, cmdSaveEdit, cmdDelete, cmdCancel}) buttons->addWidget(b);
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
    order << tabOrder() << cmdAddNew << cmdSaveEdit << cmdDelete << cmdCancel;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(lstCategory, &QListWidget::itemSelectionChanged, this, [this] { selectEntry(); });
    connect(lstCategory, &QListWidget::itemClicked, this, [this] { selectEntry(); });
    connect(cmdAddNew, &QPushButton::clicked, this, [this] { addNew(); });
    connect(cmdSaveEdit, &QPushButton::clicked, this, [this] { saveEdit(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    resize(980, 680);
    CentreOnDisplay(this);
    fillList();
    fillCategories();
    clearAuction();
}

void frmAuctionEdit::fillList() {
    QStringList entries;
    try {
        ForEachRecordRaw(file_, AuctionRecord::Length, [&](RecordNo, std::string_view b) {
            entries << AuctionEntry(b);
            return true;
        });
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
    FillList(lstCategory, entries);
}

void frmAuctionEdit::fillCategories() {
    QStringList names;
    try {
        // Trailing blanks are left off for display; stored back they pad to the same field.
        ForEachRecordRaw(RecordPath<CategoryRecord>(dir_), CategoryRecord::Length, [&](RecordNo, std::string_view b) {
            names << Shown(TrimRight(b.substr(0, 1000)));
            return true;
        });
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
    cmbCategory->addItems(names);
}

void frmAuctionEdit::selectEntry() {
    const int row = SelectedRow(lstCategory);
    if (row < 0) return;
    try {
        AuctionRecord& a = AuctionCopy();
        a = ReadRecord<AuctionRecord>(file_, row + 1);
        selectedFileName_ = a.FileName;
        showAuction(a);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
}

void frmAuctionEdit::refresh() {
    fillList();
    clearAuction();
}

void frmAuctionEdit::saveEdit() {
    const int row = SelectedRow(lstCategory);
    if (row >= 0) {
        try {
            AuctionRecord& a = AuctionCopy();
            takeAuction(a);
            a.FileName = selectedFileName_;
            WriteRecord(file_, row + 1, a);
        } catch (const std::exception& e) {
            // The boxes keep the operator's text so that nothing typed is lost.
            ShowFileError(this, e);
            return;
        }
    }
    refresh();
}

void frmAuctionEdit::addNew() {
    try {
        AuctionRecord& a = AuctionCopy();
        a.FileName = NewItemPageName(dir_);
        takeAuction(a);
        AppendRecord(file_, a);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
        return;
    }
    refresh();
}

void frmAuctionEdit::deleteEntry() {
    // The record goes first: a page left behind is harmless, a record without its page is not lost.
    AuctionRecord removed;
    const RecordNo n = ConfirmAndRemove<AuctionRecord>(this, file_, SelectedRow(lstCategory),
                                                       "You must first select an Item to delete", "Delete Error",
                                                       TrimRight(Typed(txtName)), &removed);
    if (n == 0) return;
    deleteItemPage(removed.FileName);
    if (n == 1) {
        ShowMessage(this, "There are Now No Auction Items", "Alert", MsgIcon::Information);
        lstCategory->clear();
        clearAuction();
        return;
    }
    refresh();
}

// Only a plain file name inside the HTML sub-directory is ever deleted.
void frmAuctionEdit::deleteItemPage(const std::string& fileName) {
    const std::string name = Trim(fileName);
    if (!IsPlainFileName(name)) return;
    const auto page = HtmlDirectory(dir_) / name;
    try {
        if (FileExists(page)) DeleteFile(page);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
}

}  // namespace gavlin
