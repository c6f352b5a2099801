#include "closeout/EndTest.h"

#include <cmath>
#include <tuple>

#include "store/Text.h"

namespace gavlin {

namespace {

long long WholeNumber(const std::string& field) {
    double v = std::trunc(NumericValue(TrimView(field)));
    // The fields are at most four characters wide; the bound only keeps the cast defined.
    if (v > 1e15) return 1'000'000'000'000'000LL;
    if (v < -1e15) return -1'000'000'000'000'000LL;
    return static_cast<long long>(v);
}

}  // namespace

bool AuctionHasEnded(const AuctionRecord& a, const LocalTime& now) {
    const auto reference = std::make_tuple<long long, long long, long long>(now.year, now.month, now.day);
    const auto end = std::make_tuple(WholeNumber(a.EndYear), WholeNumber(a.EndMonth), WholeNumber(a.EndDay));
    if (reference != end) return reference > end;
    return now.hour >= WholeNumber(a.EndHour);
}

}  // namespace gavlin
