#include "admin/AuctionFields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "admin/FormSupport.h"
#include "store/Text.h"

namespace gavlin::admin {

namespace {

QStringList Numbers(int first, int last) {
    QStringList out;
    for (int i = first; i <= last; ++i) out << QString::number(i);
    return out;
}

// The flag stored from the text of the validation box: "YES" in any mix of ASCII case is validated.
std::string FlagFromText(const QComboBox* box) {
    return UpperAscii(Typed(box)) == "YES" ? "Y" : "N";
}

constexpr std::size_t kValidatedOffset = 12, kAliasOffset = 13, kAliasWidth = 30, kItemNameOffset = 1043,
                      kItemNameWidth = 25;

}  // namespace

void AuctionFields::build(QVBoxLayout* layout) {
    lblFilename = new QLabel("Filename:");
    lblFilename->setObjectName("lblFilename");
    lblFilename->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblFilename);

    auto* grid = new QGridLayout;
    cmbValidated = AddComboBox(grid, 0, "Validated", "cmbValidated");
    cmbValidated->addItems({"Yes", "No"});
    txtName = AddLineBox(grid, 0, "Seller Alias :", "txtName");
    cmbCategory = AddComboBox(grid, 0, "Category", "cmbCategory");
    txtItemName = AddLineBox(grid, 0, "Item Name :", "txtItemName");
    txtItemUrl = AddLineBox(grid, 0, "Image URL :", "txtItemUrl");
    txtEmail = AddLineBox(grid, 0, "Seller Email:", "txtEmail");
    txtPassword = AddLineBox(grid, 0, "Seller Password :", "txtPassword");
    cmbMonth = AddComboBox(grid, 2, "End Month", "cmbMonth");
    cmbMonth->addItems(Numbers(1, 12));
    cmbDay = AddComboBox(grid, 2, "End Day", "cmbDay");
    cmbDay->addItems(Numbers(1, 31));
    txtYear = AddLineBox(grid, 2, "End Year :", "txtYear");
    cmbHour = AddComboBox(grid, 2, "End Hour", "cmbHour");
    cmbHour->addItems(Numbers(1, 23));
    txtMinBid = AddLineBox(grid, 2, "Minimum Bid :", "txtMinBid");
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    auto* descriptionLabel = new QLabel("AUCTION ITEM DESCRIPTION");
    txtDescription = new QPlainTextEdit;
    txtDescription->setObjectName("txtDescription");
    txtDescription->setTabChangesFocus(true);
    txtDescription->setMinimumHeight(90);
    descriptionLabel->setBuddy(txtDescription);
    layout->addWidget(descriptionLabel);
    layout->addWidget(txtDescription, 1);

    fraHighBid = new QGroupBox("High Bid Information");
    fraHighBid->setObjectName("fraHighBid");
    auto* high = new QGridLayout(fraHighBid);
    txtHighPrice = AddLineBox(high, 0, "Highest Bid Price:", "txtHighPrice");
    txtHighBidder = AddLineBox(high, 0, "High Bidder:", "txtHighBidder");
    txtHighDate = AddLineBox(high, 0, "High Bid Date :", "txtHighDate");
    txtHighTime = AddLineBox(high, 0, "High Bid Time :", "txtHighTime");

    fraLastBid = new QGroupBox("Last Bid Information");
    fraLastBid->setObjectName("fraLastBid");
    auto* last = new QGridLayout(fraLastBid);
    txtLastPrice = AddLineBox(last, 0, "Last Bid Price :", "txtLastPrice");
    txtLastBidder = AddLineBox(last, 0, "Last Bidder :", "txtLastBidder");
    txtLastDate = AddLineBox(last, 0, "Last Bid Date :", "txtLastDate");
    txtLastTime = AddLineBox(last, 0, "Last Bid Time :", "txtLastTime");

    auto* bids = new QHBoxLayout;
    bids->addWidget(fraHighBid);
    bids->addWidget(fraLastBid);
    layout->addLayout(bids);
}

QList<QWidget*> AuctionFields::tabOrder() const {
    return {cmbValidated,  txtName,     cmbCategory, txtItemName,  txtItemUrl,    txtEmail,       txtPassword,
            cmbMonth,      cmbDay,      txtYear,     cmbHour,      txtMinBid,     txtDescription, txtHighPrice,
            txtHighBidder, txtHighDate, txtHighTime, txtLastPrice, txtLastBidder, txtLastDate,    txtLastTime};
}

void AuctionFields::showAuction(const AuctionRecord& a) {
    cmbValidated->setEditText(a.Validated == "Y" || a.Validated == "y" ? "Yes" : "No");
    txtName->setText(Shown(a.SellerAlias));
    cmbCategory->setEditText(Shown(a.Category));
    txtItemName->setText(Shown(a.ItemName));
    txtItemUrl->setText(Shown(a.ImageURL));
    cmbMonth->setEditText(Shown(a.EndMonth));
    cmbDay->setEditText(Shown(a.EndDay));
    txtYear->setText(Shown(a.EndYear));
    cmbHour->setEditText(Shown(a.EndHour));
    txtDescription->setPlainText(ShownMultiLine(a.Description));
    txtEmail->setText(Shown(a.SellerEmail));
    txtPassword->setText(Shown(a.SellerPassword));
    txtMinBid->setText(Shown(a.MinBid));
    txtHighPrice->setText(Shown(a.HighPrice));
    txtHighBidder->setText(Shown(a.HighBidder));
    txtHighDate->setText(Shown(a.HighDate));
    txtHighTime->setText(Shown(a.HighTime));
    txtLastPrice->setText(Shown(a.LastPrice));
    txtLastBidder->setText(Shown(a.LastBidder));
    txtLastDate->setText(Shown(a.LastDate));
    txtLastTime->setText(Shown(a.LastTime));
    lblFilename->setText("Filename: " + Shown(a.FileName));
}

void AuctionFields::takeAuction(AuctionRecord& a) const {
    a.Validated = FlagFromText(cmbValidated);
    a.SellerAlias = Typed(txtName);
    a.Category = Typed(cmbCategory);
    a.ItemName = Typed(txtItemName);
    a.ImageURL = Typed(txtItemUrl);
    a.EndMonth = Typed(cmbMonth);
    a.EndDay = Typed(cmbDay);
    a.EndYear = Typed(txtYear);
    a.EndHour = Typed(cmbHour);
    // An unchanged description keeps its stored bytes, whatever line ends it holds.
    const QString description = MultiLineText(txtDescription);
    if (description != ShownMultiLine(a.Description)) a.Description = TypedMultiLine(description);
    a.SellerEmail = Typed(txtEmail);
    a.SellerPassword = Typed(txtPassword);
    a.MinBid = Typed(txtMinBid);
    a.HighPrice = Typed(txtHighPrice);
    a.HighBidder = Typed(txtHighBidder);
    a.HighDate = Typed(txtHighDate);
    a.HighTime = Typed(txtHighTime);
    a.LastPrice = Typed(txtLastPrice);
    a.LastBidder = Typed(txtLastBidder);
    a.LastDate = Typed(txtLastDate);
    a.LastTime = Typed(txtLastTime);
}

void AuctionFields::clearAuction() {
    for (QComboBox* c : {cmbValidated, cmbCategory, cmbMonth, cmbDay, cmbHour}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    for (QLineEdit* t :
         {txtName, txtItemName, txtItemUrl, txtYear, txtEmail, txtPassword, txtMinBid, txtHighPrice, txtHighBidder,
          txtHighDate, txtHighTime, txtLastPrice, txtLastBidder, txtLastDate, txtLastTime})
        t->clear();
    txtDescription->clear();
}

QString AuctionEntry(std::string_view b) {
    return Shown(Trim(b.substr(kAliasOffset, kAliasWidth)) + " " + Trim(b.substr(kItemNameOffset, kItemNameWidth)));
}

bool AuctionValidated(std::string_view b) {
    const std::string_view flag = TrimView(b.substr(kValidatedOffset, 1));
    return flag == "Y" || flag == "y";
}

}  // namespace gavlin::admin
