#pragma once
// Category maintenance: lists category.dat, edits one category in four boxes,
// adds, changes and deletes records. The name box completes common names.
#include <QWidget>
#include <filesystem>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace gavlin {

class frmCategory : public QWidget {
    Q_OBJECT
public:
    explicit frmCategory(const std::filesystem::path& appDir, QWidget* parent = nullptr);

    QListWidget* lstCategory;
    QListWidget* lstHidden;
    QLineEdit *txtCatName, *txtCatHeader, *txtCatFooter, *txtCatURL;
    QPushButton *cmdAdd, *cmdSave, *cmdDelete, *cmdCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillList(bool createMissing);
    void selectEntry();
    void addNew();
    void saveEdit();
    void deleteEntry();
    void clearBoxes();
    void setNameText(const QString& text);
    void completeName();

    std::filesystem::path file_;
};

}  // namespace gavlin
