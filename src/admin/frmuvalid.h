#pragma once
// User validation: the users of reguser.dat not yet validated, validated one
// at a time. Records are rewritten in place; none is added or removed.
#include <QWidget>
#include <filesystem>
#include <vector>

#include "admin/UserFields.h"
#include "store/RecordFile.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace gavlin {

class frmuvalid : public QWidget, public admin::UserFields {
    Q_OBJECT
public:
    explicit frmuvalid(const std::filesystem::path& appDir, QWidget* parent = nullptr);

    QLineEdit* txtValidated;
    QListWidget* lstCategory;
    QPushButton *cmdValidate, *cmdCancel;

private:
    void fillList();
    void selectEntry();
    void validate();

    std::filesystem::path file_;
    std::vector<RecordNo> positions_;  // list entry -> record number
};

}  // namespace gavlin
