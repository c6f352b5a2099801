#pragma once
// The texts that the maintenance run writes for an ended auction. Every line
// ends with CR LF.
#include <string>
#include <string_view>

#include "store/Records.h"
#include "store/UserIndex.h"

namespace gavlin {

// The registered user with this address (first match wins), or nullptr. A
// blank address belongs to nobody: an auction without bids must not pick up a
// user whose Email happens to be blank.
const UserRecord* FindUser(const UserIndex& users, std::string_view address);

// To the seller: the top bidder (block A) and the previous top bidder (block
// B), each only when that bidder is a registered user.
std::string SellerNotice(const AuctionRecord& auction, const UserIndex& users);

// To the top bidder (empty recipient when nobody bid): the seller, when registered.
std::string HighBidderNotice(const AuctionRecord& auction, const UserIndex& users);

// One entry of the yearly archive file.
std::string ArchiveEntry(const AuctionRecord& auction);

}  // namespace gavlin
