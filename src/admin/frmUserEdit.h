#pragma once
// User maintenance: every user of reguser.dat, viewed, changed, added and deleted.
#include <QWidget>
#include <filesystem>

#include "admin/UserFields.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace gavlin {

class frmUserEdit : public QWidget, public admin::UserFields {
    Q_OBJECT
public:
    explicit frmUserEdit(const std::filesystem::path& appDir, QWidget* parent = nullptr);

    QComboBox* cmbValidated;
    QListWidget* lstCategory;
    QPushButton *cmdAdd, *cmdSave, *cmdDelete, *cmdCancel;

private:
    void fillList();
    void selectEntry();
    void takeBoxes();
    void addNew();
    void saveEdit();
    void deleteEntry();
    void clearBoxes();

    std::filesystem::path file_;
};

}  // namespace gavlin
