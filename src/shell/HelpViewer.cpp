#include "shell/HelpViewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/Text.h"

namespace gavlin {

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle("Gavlin Help");
    setAttribute(Qt::WA_QuitOnClose, false);

    tabHelp = new QTabWidget(this);
    tabHelp->setObjectName("tabHelp");
    lstContents = new QListWidget;
    lstContents->setObjectName("lstContents");
    tabHelp->addTab(lstContents, "&Contents");

    auto* indexPage = new QWidget;
    txtKeyword = new QLineEdit(indexPage);
    txtKeyword->setObjectName("txtKeyword");
    lstIndex = new QListWidget(indexPage);
    lstIndex->setObjectName("lstIndex");
    auto* prompt = new QLabel("&Type the first letters of the word you look for:", indexPage);
    prompt->setBuddy(txtKeyword);
    prompt->setWordWrap(true);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(prompt);
    indexLayout->addWidget(txtKeyword);
    indexLayout->addWidget(lstIndex);
    tabHelp->addTab(indexPage, "&Index");

    txtTopic = new QTextBrowser(this);
    txtTopic->setObjectName("txtTopic");
    txtTopic->setOpenLinks(false);

    cmdBack = new QPushButton("&Back", this);
    cmdBack->setObjectName("cmdBack");
    cmdHelpOnHelp = new QPushButton("&Help on Help", this);
    cmdHelpOnHelp->setObjectName("cmdHelpOnHelp");
    cmdClose = new QPushButton("C&lose", this);
    cmdClose->setObjectName("cmdClose");

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabHelp);
    splitter->addWidget(txtTopic);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 520});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdHelpOnHelp);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(buttons);
    resize(780, 560);

    connect(lstContents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString().toStdString()); });
    connect(lstContents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toString().toStdString()); });
    connect(txtKeyword, &QLineEdit::textEdited, this, &HelpViewer::selectIndexEntry);
    connect(txtKeyword, &QLineEdit::returnPressed, this, &HelpViewer::showIndexEntry);
    connect(lstIndex, &QListWidget::itemActivated, this, &HelpViewer::showIndexEntry);
    connect(txtTopic, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == "topic") ShowTopic(url.path().toStdString());
    });
    connect(cmdBack, &QPushButton::clicked, this, &HelpViewer::back);
    connect(cmdHelpOnHelp, &QPushButton::clicked, this, &HelpViewer::ShowHelpOnHelp);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

bool HelpViewer::Open(const std::string& file, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        error = "Could not read the help file " + file + ": " +
                (ec ? ec.message() : std::string(std::filesystem::exists(file) ? "not a file" : "no such file"));
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad()) {
        error = "Could not read the help file " + file + ": " + std::strerror(errno ? errno : EIO);
        return false;
    }
    file_ = file;
    book_ = ParseHelpBook(text);
    index_ = HelpIndex(book_);
    history_.clear();
    current_.clear();

    lstContents->clear();
    for (const HelpTopic& t : book_.topics) {
        auto* item = new QListWidgetItem(QString::fromStdString(t.title), lstContents);
        item->setData(Qt::UserRole, QString::fromStdString(t.id));
    }
    lstIndex->clear();
    for (const HelpIndexEntry& e : index_) {
        const HelpTopic* t = book_.find(e.topicId);
        QString text = QString::fromStdString(e.keyword);
        // A keyword of several topics names each of them.
        int same = 0;
        for (const HelpIndexEntry& other : index_) same += LowerAscii(other.keyword) == LowerAscii(e.keyword);
        if (same > 1 && t) text += " - " + QString::fromStdString(t->title);
        lstIndex->addItem(text);
    }
    return true;
}

void HelpViewer::ShowTopic(const std::string& id) {
    const HelpTopic* topic = book_.find(id);
    if (!topic) return;
    if (!current_.empty() && current_ != id) history_.push_back(current_);
    current_ = id;
    txtTopic->setHtml(QString::fromStdString(HelpTopicHtml(book_, *topic)));
    setWindowTitle("Gavlin Help - " + QString::fromStdString(topic->title));
    for (int i = 0; i < lstContents->count(); ++i)
        if (lstContents->item(i)->data(Qt::UserRole).toString().toStdString() == id) lstContents->setCurrentRow(i);
    cmdBack->setEnabled(!history_.empty());
}

void HelpViewer::ShowContents() {
    tabHelp->setCurrentIndex(0);
    if (!book_.topics.empty()) ShowTopic(book_.topics.front().id);
}

void HelpViewer::ShowHelpOnHelp() {
    ShowTopic(kHelpOnHelpTopic);
}

void HelpViewer::SearchIndex(const QString& key) {
    tabHelp->setCurrentIndex(1);
    txtKeyword->setText(key);
    selectIndexEntry(key);
    const std::string wanted = LowerAscii(Trim(key.toStdString()));
    std::vector<std::string> topics;
    for (const HelpIndexEntry& e : index_)
        if (LowerAscii(e.keyword) == wanted) topics.push_back(e.topicId);
    if (topics.size() == 1) ShowTopic(topics.front());
}

void HelpViewer::selectIndexEntry(const QString& key) {
    size_t i = FindHelpIndexEntry(index_, key.toStdString());
    if (i < index_.size()) lstIndex->setCurrentRow(static_cast<int>(i));
}

void HelpViewer::showIndexEntry() {
    int row = lstIndex->currentRow();
    if (row >= 0 && static_cast<size_t>(row) < index_.size()) ShowTopic(index_[static_cast<size_t>(row)].topicId);
}

void HelpViewer::back() {
    if (history_.empty()) return;
    std::string previous = history_.back();
    history_.pop_back();
    current_.clear();
    ShowTopic(previous);
    cmdBack->setEnabled(!history_.empty());
}

}  // namespace gavlin
