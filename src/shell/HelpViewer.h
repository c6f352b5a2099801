#pragma once
// The help viewer: the topics of the help file with their contents list, the
// keyword index and help on using the viewer itself.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QWidget>
#include <string>
#include <vector>

#include "shell/HelpBook.h"

namespace gavlin {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();

    // Reads the help file; on failure returns false and says why in error.
    bool Open(const std::string& file, std::string& error);
    const std::string& File() const { return file_; }

    void ShowContents();
    void ShowHelpOnHelp();
    // Opens the index at the key; a key that is exactly one topic's keyword shows that topic.
    void SearchIndex(const QString& key);
    void ShowTopic(const std::string& id);
    const std::string& CurrentTopic() const { return current_; }

    QTabWidget* tabHelp;
    QListWidget* lstContents;
    QLineEdit* txtKeyword;
    QListWidget* lstIndex;
    QTextBrowser* txtTopic;
    QPushButton* cmdBack;
    QPushButton* cmdHelpOnHelp;
    QPushButton* cmdClose;

private:
    void selectIndexEntry(const QString& key);
    void showIndexEntry();
    void back();

    std::string file_;
    HelpBook book_;
    std::vector<HelpIndexEntry> index_;
    std::string current_;
    std::vector<std::string> history_;
};

}  // namespace gavlin
