#pragma once
// The boxes of an auction item, shared by the auction maintenance and the
// auction validation windows (same names in both).
#include <QString>
#include <string_view>

#include "store/Records.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;
class QWidget;

namespace gavlin::admin {

struct AuctionFields {
    QLabel* lblFilename;
    QComboBox *cmbValidated, *cmbCategory, *cmbMonth, *cmbDay, *cmbHour;
    QLineEdit *txtName, *txtItemName, *txtItemUrl, *txtYear, *txtEmail, *txtPassword, *txtMinBid;
    QPlainTextEdit* txtDescription;
    QGroupBox *fraHighBid, *fraLastBid;
    QLineEdit *txtHighPrice, *txtHighBidder, *txtHighDate, *txtHighTime;
    QLineEdit *txtLastPrice, *txtLastBidder, *txtLastDate, *txtLastTime;

    // Adds the boxes with their labels to the layout.
    void build(QVBoxLayout* layout);
    // Every box as stored, the flag as "Yes" or "No", and the page file name.
    void showAuction(const AuctionRecord& a);
    // Every field but FileName from the boxes.
    void takeAuction(AuctionRecord& a) const;
    void clearAuction();
    // The widgets in the order the Tab key visits them.
    QList<QWidget*> tabOrder() const;
};

// One entry of an auction list: the trimmed seller alias, a blank, the trimmed item name.
QString AuctionEntry(std::string_view recordBytes);
// The flag of a raw record, trimmed, is "Y" or "y".
bool AuctionValidated(std::string_view recordBytes);

}  // namespace gavlin::admin
