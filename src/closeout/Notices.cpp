#include "closeout/Notices.h"

#include "store/Text.h"

namespace gavlin {

namespace {

class Lines {
public:
    Lines& operator<<(std::string_view line) {
        text_.append(line);
        text_.append("\r\n");
        return *this;
    }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace

const UserRecord* FindUser(const UserIndex& users, std::string_view address) {
    // The key is what is compared: an address blank in its first 25 characters is blank too.
    if (EmailKey(address).empty()) return nullptr;
    return users.byEmail(address);
}

std::string SellerNotice(const AuctionRecord& a, const UserIndex& users) {
    Lines out;
    out << Trim(a.SellerEmail) << "Auctions Results"
        << "Below are the final results of the latest auction in which you"
        << "were a Seller.  Transactions are the responsibility of the Seller"
        << "(you) and the buyer (high bidder).  For your convenience, the second"
        << "High Bidder (if any) is given below the High Bidder. Name and Email"
        << "information are given so you can contact the buyer and work out the"
        << "Shipping, Payment, etc. arrangements."
        << ""
        << "Auction: " + Trim(a.ItemName) << "";
    if (const UserRecord* top = FindUser(users, a.HighBidder)) {
        out << "High Bid: " + Trim(a.HighPrice) << "High Bid Time and Date: " + a.HighDate + " at " + a.HighTime
            << "High Bidder Name: " + Trim(top->RealName) << "High Bidder Email: " + Trim(top->Email);
    }
    out << ""
        << "";
    if (const UserRecord* second = FindUser(users, a.LastBidder)) {
        out << "Second High Bid: " + Trim(a.LastPrice)
            << "Second High Bid Time and Date: " + a.LastDate + " at " + a.LastTime
            << "Second High Bidder Name: " + Trim(second->RealName)
            << "Second High Bidder Email: " + Trim(second->Email);
    }
    return out.take();
}

std::string HighBidderNotice(const AuctionRecord& a, const UserIndex& users) {
    Lines out;
    out << Trim(a.HighBidder) << "Auction Results"
        << "Below are the final results of the latest auction in which you"
        << "were the HIGH BIDDER.  Transactions are the responsibility of the Seller"
        << "and the you (the high bidder).  "
        << "Name and Email information are given so you can contact the seller and "
        << "work out the Shipping, Payment, etc. arrangements."
        << ""
        << "Auction: " + Trim(a.ItemName) << "";
    if (const UserRecord* seller = FindUser(users, a.SellerEmail)) {
        out << "High Bid: " + Trim(a.HighPrice) << "High Bid Time and Date: " + a.HighDate + " at " + a.HighTime
            << "Seller Name: " + Trim(seller->RealName) << "Seller Email: " + Trim(seller->Email);
    }
    out << ""
        << "";
    return out.take();
}

std::string ArchiveEntry(const AuctionRecord& a) {
    Lines out;
    out << "Item Name: " + Trim(a.ItemName) << "Item Description: " + Trim(a.Description)
        << "Category: " + Trim(a.Category)
        << "Auction Ended: " + a.EndMonth + "/" + a.EndDay + "/" + a.EndYear + " at " + a.EndHour
        << "Seller Alias: " + a.SellerAlias << "Seller Email: " + a.SellerEmail << "Minimum Bid: " + a.MinBid << ""
        << "Top Bidder Email: " + a.HighBidder << "Top Bid: " + a.HighPrice
        << "Top Bid Date: " + a.HighDate + " at " + a.HighTime << ""
        << "Previous Top Bidder Email: " + a.LastBidder << "Preivous Top Bid: " + a.LastPrice
        << "Previous Top Bid Date: " + a.LastDate + " at " + a.LastTime << ""
        << "--------------------------------------------------";
    return out.take();
}

}  // namespace gavlin
