#include "html/PageText.h"

#include <array>
#include <vector>

#include "store/Text.h"

namespace gavlin {

std::string HourText(std::string_view hourField) {
    double n = NumericValue(hourField);
    if (n < 13) return Trim(hourField) + " AM";
    return PlainNumber(n - 12) + " PM";
}

namespace {

constexpr std::array<const char*, 7> kDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {"January", "February", "March",     "April",   "May",      "June",
                                                 "July",    "August",   "September", "October", "November", "December"};

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool IsLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysIn(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

// 0 = Sunday (Sakamoto's method, Gregorian calendar).
int Weekday(int y, int m, int d) {
    static constexpr int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + t[m - 1] + d) % 7;
}

int ToInt(std::string_view digits) {
    int v = 0;
    for (char c : digits) {
        v = v * 10 + (c - '0');
        if (v > 100000) return 100000;  // far outside every valid part
    }
    return v;
}

}  // namespace

std::string FormatDate(std::string_view text, DatePattern pattern) {
    std::string whole = Trim(text);
    if (whole.empty()) return {};
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '/' || text[i] == '-') {
            parts.push_back(TrimView(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    if (parts.size() != 3 || !AllDigits(parts[0]) || !AllDigits(parts[1]) || !AllDigits(parts[2]) ||
        parts[2].size() != 4)
        return whole;
    int m = ToInt(parts[0]), d = ToInt(parts[1]), y = ToInt(parts[2]);
    if (y == 0 || m < 1 || m > 12 || d < 1 || d > DaysIn(y, m)) return whole;
    std::string day(kDays[static_cast<std::size_t>(Weekday(y, m, d))]);
    std::string month(kMonths[static_cast<std::size_t>(m - 1)]);
    if (pattern == DatePattern::Short) {
        day.resize(3);
        month.resize(3);
    }
    char dd[3] = {static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10), 0};
    return day + ", " + month + " " + dd + ", " + std::string(parts[2]);
}

}  // namespace gavlin
