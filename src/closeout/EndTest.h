#pragma once
#include "platform/Clock.h"
#include "store/Records.h"

namespace gavlin {

// Whether an auction's end has come at the reference moment: a later date, or
// the end date itself from the end hour on. Each end field is read, trimmed,
// by the numeric-value rule with the fraction dropped (text that does not
// begin with a number counts as 0, so blank end fields have ended). Dates are
// compared as (year, month, day) without a calendar check.
bool AuctionHasEnded(const AuctionRecord& auction, const LocalTime& reference);

}  // namespace gavlin
