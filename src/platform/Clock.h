#pragma once
// Local date and time through one seam, so tests can fix the moment.
#include <functional>

namespace gavlin {

struct LocalTime {
    int year = 0, month = 0, day = 0;    // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;
    int weekday = 0;                     // 0 = Sunday
};

LocalTime Now();
// Replaces the clock; an empty function restores the system clock.
void SetClockForTests(std::function<LocalTime()> clock);

}  // namespace gavlin
