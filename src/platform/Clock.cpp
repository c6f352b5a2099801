#include "platform/Clock.h"

#include <ctime>

namespace gavlin {

namespace {
std::function<LocalTime()>& Override() {
    static std::function<LocalTime()> f;
    return f;
}
}  // namespace

LocalTime Now() {
    if (Override()) return Override()();
    std::time_t t = std::time(nullptr);
    std::tm tm {};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday};
}

void SetClockForTests(std::function<LocalTime()> clock) { Override() = std::move(clock); }

}  // namespace gavlin
