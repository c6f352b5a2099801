#pragma once
// Text pieces that go into generated pages: escaping of visitors' values,
// the hour rule and the two date patterns.
#include <string>
#include <string_view>

#include "store/Text.h"  // HtmlEscape: visitors' values must not become markup on the operator's site

namespace gavlin {

// A 24-hour field as the pages show it: "09 AM", "12 AM", "1 PM".
std::string HourText(std::string_view hourField);

enum class DatePattern {
    Long,   // "Monday, January 05, 1998"
    Short,  // "Mon, Jan 05, 1998"
};
// A month-day-year text ("/" or "-" between the parts) in the given pattern.
// A blank text gives ""; a text that is not a calendar date is shown as
// itself, trimmed.
std::string FormatDate(std::string_view text, DatePattern pattern);

}  // namespace gavlin
