#pragma once
// The one in-memory copy of each record type that every screen shares: a read
// fills it, a write writes it. A field that a screen does not set before it
// writes keeps whatever the last read or write left in the copy.
#include "store/Records.h"

namespace gavlin {

ConfigRecord& ConfigCopy();
CategoryRecord& CategoryCopy();
UserRecord& UserCopy();
AuctionRecord& AuctionCopy();

}  // namespace gavlin
