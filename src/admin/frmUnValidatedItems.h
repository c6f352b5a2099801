#pragma once
// Auction validation: the auctions of auctions.dat not yet validated,
// validated one at a time. Only the flag of a record is ever changed here.
#include <QWidget>
#include <filesystem>
#include <vector>

#include "admin/AuctionFields.h"
#include "store/RecordFile.h"

class QListWidget;
class QPushButton;

namespace gavlin {

class frmUnValidatedItems : public QWidget, public admin::AuctionFields {
    Q_OBJECT
public:
    explicit frmUnValidatedItems(const std::filesystem::path& appDir, QWidget* parent = nullptr);

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
