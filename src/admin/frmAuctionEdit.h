#pragma once
// Auction maintenance: every auction of auctions.dat, viewed, changed, added
// and deleted (with its item page).
#include <QWidget>
#include <filesystem>
#include <string>

#include "admin/AuctionFields.h"

class QListWidget;
class QPushButton;

namespace gavlin {

class frmAuctionEdit : public QWidget, public admin::AuctionFields {
    Q_OBJECT
public:
    explicit frmAuctionEdit(const std::filesystem::path& appDir, QWidget* parent = nullptr);

    QListWidget* lstCategory;
    QPushButton *cmdAddNew, *cmdSaveEdit, *cmdDelete, *cmdCancel;

private:
    void fillList();
    void fillCategories();
    void selectEntry();
    void addNew();
    void saveEdit();
    void deleteEntry();
    void deleteItemPage(const std::string& fileName);
    void refresh();

    std::filesystem::path dir_, file_;
    std::string selectedFileName_;  // FileName of the record when its entry was selected
};

}  // namespace gavlin
