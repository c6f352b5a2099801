#include "store/WorkingCopy.h"

namespace gavlin {

ConfigRecord& ConfigCopy() {
    static ConfigRecord r = DefaultConfigRecord();
    return r;
}

CategoryRecord& CategoryCopy() {
    static CategoryRecord r;
    return r;
}

UserRecord& UserCopy() {
    static UserRecord r;
    return r;
}

AuctionRecord& AuctionCopy() {
    static AuctionRecord r;
    return r;
}

}  // namespace gavlin
