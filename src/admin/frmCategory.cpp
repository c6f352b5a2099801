#include "admin/frmCategory.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "admin/FormSupport.h"
#include "platform/QtMessenger.h"
#include "store/RecordFile.h"
#include "store/Text.h"
#include "store/WorkingCopy.h"

namespace gavlin {

using namespace admin;

namespace {
const char* const kCompletions[] = {
    "AutoMobiles", "Comic Books", "Coins",     "Antiques", "Software", "Computer Hardware",
    "Houses",      "Electronics", "Furniture", "Land",     "Books"};
constexpr std::size_t kNameWidth = 1000;
}  // namespace

frmCategory::frmCategory(const std::filesystem::path& appDir, QWidget* parent)
    : QWidget(parent), file_(RecordPath<CategoryRecord>(appDir)) {
    setObjectName("frmCategory");
    setWindowTitle("Auction Category Maintenance");

    auto* boxes = new QGridLayout;
    txtCatName = AddLineBox(boxes, 0, "Category Name :", "txtCatName");
    txtCatHeader = AddLineBox(boxes, 0, "Category HTML Header:", "txtCatHeader");
    txtCatFooter = AddLineBox(boxes, 0, "Category HTML Footer:", "txtCatFooter");
    txtCatURL = AddLineBox(boxes, 0, "Sponsor URL :", "txtCatURL");

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

    auto* heading = new QLabel("SELECT CATEGORY TO EDIT OR ADD A NEW ONE ABOVE");
    heading->setObjectName("lblHeading");
    lstCategory = new QListWidget;
    lstCategory->setObjectName("lstCategory");
    lstCategory->setUniformItemSizes(true);
    heading->setBuddy(lstCategory);

    lstHidden = new QListWidget(this);
    lstHidden->setObjectName("lstHidden");
    lstHidden->setVisible(false);
    for (const char* name : kCompletions) lstHidden->addItem(QString::fromLatin1(name));

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(boxes);
    outer->addLayout(buttons);
    outer->addWidget(heading);
    outer->addWidget(lstCategory, 1);

    setTabOrder(txtCatName, txtCatHeader);
    setTabOrder(txtCatHeader, txtCatFooter);
    setTabOrder(txtCatFooter, txtCatURL);
    setTabOrder(txtCatURL, cmdAdd);
    setTabOrder(cmdAdd, cmdSave);
    setTabOrder(cmdSave, cmdDelete);
    setTabOrder(cmdDelete, cmdCancel);
    setTabOrder(cmdCancel, lstCategory);

    txtCatName->installEventFilter(this);
    connect(txtCatName, &QLineEdit::textEdited, this, [this] { completeName(); });
    connect(lstCategory, &QListWidget::itemSelectionChanged, this, [this] { selectEntry(); });
    connect(lstCategory, &QListWidget::itemClicked, this, [this] { selectEntry(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { addNew(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { saveEdit(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { deleteEntry(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);

    resize(640, 480);
    CentreOnDisplay(this);
    fillList(false);
}

void frmCategory::fillList(bool createMissing) {
    QStringList entries;
    try {
        if (createMissing && !FileExists(file_)) WriteWholeFile(file_, "");
        ForEachRecordRaw(file_, CategoryRecord::Length, [&](RecordNo, std::string_view b) {
            entries << Shown(TrimRight(b.substr(0, kNameWidth)));
            return true;
        });
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
    FillList(lstCategory, entries);
}

void frmCategory::selectEntry() {
    const int row = SelectedRow(lstCategory);
    if (row < 0) return;
    try {
        CategoryRecord& c = CategoryCopy();
        c = ReadRecord<CategoryRecord>(file_, row + 1);
        setNameText(Shown(c.CatName));
        txtCatHeader->setText(Shown(c.CatHeader));
        txtCatFooter->setText(Shown(c.CatFooter));
        txtCatURL->setText(Shown(c.CatURL));
    } catch (const std::exception& e) {
        ShowFileError(this, e);
    }
}

namespace {
void TakeBoxes(CategoryRecord& c, const QLineEdit* name, const QLineEdit* header, const QLineEdit* footer,
               const QLineEdit* url) {
    c.CatName = Typed(name);
    c.CatHeader = Typed(header);
    c.CatFooter = Typed(footer);
    c.CatURL = Typed(url);
}
}  // namespace

void frmCategory::addNew() {
    try {
        if (!FileExists(file_)) WriteWholeFile(file_, "");
        if (txtCatName->text().isEmpty()) {
            ShowMessage(this, "Please enter a Category Name - Then Select Add New", "Category Error",
                        MsgIcon::Exclamation);
            return;
        }
        CategoryRecord& c = CategoryCopy();
        TakeBoxes(c, txtCatName, txtCatHeader, txtCatFooter, txtCatURL);
        AppendRecord(file_, c);
    } catch (const std::exception& e) {
        ShowFileError(this, e);
        return;
    }
    fillList(true);
}

void frmCategory::saveEdit() {
    const int row = SelectedRow(lstCategory);
    if (row >= 0) {
        try {
            CategoryRecord& c = CategoryCopy();
            TakeBoxes(c, txtCatName, txtCatHeader, txtCatFooter, txtCatURL);
            WriteRecord(file_, row + 1, c);
        } catch (const std::exception& e) {
            // The boxes keep the operator's text so that nothing typed is lost.
            ShowFileError(this, e);
            return;
        }
    }
    fillList(true);
    clearBoxes();
}

void frmCategory::deleteEntry() {
    const RecordNo n = ConfirmAndRemove<CategoryRecord>(this, file_, SelectedRow(lstCategory),
                                                        "You must first select a category to delete", "Category Error",
                                                        TrimRight(Typed(txtCatName)));
    if (n == 0) return;
    if (n == 1) {
        ShowMessage(this, "There are Now No Auction Categories", "Alert", MsgIcon::Information);
        lstCategory->clear();
    } else {
        fillList(true);
    }
    clearBoxes();
}

void frmCategory::clearBoxes() {
    setNameText(QString());
    txtCatHeader->clear();
    txtCatFooter->clear();
    txtCatURL->clear();
}

// Text set by the screen itself puts the caret at the start, so its completion
// selects the whole text.
void frmCategory::setNameText(const QString& text) {
    {
        const QSignalBlocker quiet(txtCatName);
        txtCatName->setText(text);
        txtCatName->setCursorPosition(0);
    }
    completeName();
}

void frmCategory::completeName() {
    const QString text = txtCatName->text();
    if (text.isEmpty()) return;
    for (int i = 0; i < lstHidden->count(); ++i) {
        const QString entry = lstHidden->item(i)->text();
        if (!entry.startsWith(text, Qt::CaseInsensitive)) continue;
        const int caret = txtCatName->hasSelectedText() ? txtCatName->selectionStart() : txtCatName->cursorPosition();
        const QSignalBlocker quiet(txtCatName);
        txtCatName->setText(entry);
        // Caret at its old place, the rest selected, so typing on replaces it.
        txtCatName->setCursorPosition(static_cast<int>(entry.size()));
        txtCatName->cursorBackward(true, static_cast<int>(entry.size()) - caret);
        return;
    }
}

bool frmCategory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtCatName && event->type() == QEvent::KeyPress && txtCatName->hasSelectedText()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int caret = txtCatName->selectionStart();
        if (key == Qt::Key_Backspace) {
            // The selection and the character before it go.
            if (caret > 0) setNameText(txtCatName->text().left(caret - 1));
            return true;
        }
        if (key == Qt::Key_Delete && caret > 0) {
            setNameText(QString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gavlin
