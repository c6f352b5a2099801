#include "store/Text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gavlin {

std::string_view TrimView(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

std::string Trim(std::string_view s) { return std::string(TrimView(s)); }

std::string TrimRight(std::string_view s) {
    std::size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

std::string UpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool SameKey(std::string_view a, std::string_view b) {
    a = TrimView(a);
    b = TrimView(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

double NumericValue(std::string_view s) {
    std::string number;
    bool sign = false, digits = false, point = false;
    for (char c : s) {
        if (c == ' ') continue;
        if ((c == '+' || c == '-') && !sign && !digits && !point) {
            sign = true;
            if (c == '-') number += '-';
        } else if (c >= '0' && c <= '9') {
            digits = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
        // A sign may only lead: once anything else is read, a later sign ends the number.
        sign = true;
    }
    if (!digits) return 0.0;
    double v = std::strtod(number.c_str(), nullptr);
    return v == 0.0 ? 0.0 : v;
}

std::string PlainNumber(double v) {
    if (!std::isfinite(v)) return "0";
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s(buf);
    if (s.find_first_of("eE") != std::string::npos) {
        // Rewrite an exponent form in plain decimal, keeping 15 significant digits.
        int exp10 = static_cast<int>(std::floor(std::log10(std::fabs(v))));
        int decimals = exp10 >= 14 ? 0 : 14 - exp10;
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
        s = buf;
        if (exp10 >= 15) {
            // Beyond 15 digits: zero the digits past the 15th significant one.
            std::size_t firstDigit = s.find_first_of("123456789");
            for (std::size_t i = firstDigit, n = 0; i < s.size(); ++i)
                if (s[i] >= '0' && s[i] <= '9' && ++n > 15) s[i] = '0';
        }
        if (s.find('.') != std::string::npos) {
            while (!s.empty() && s.back() == '0') s.pop_back();
            if (!s.empty() && s.back() == '.') s.pop_back();
        }
    }
    if (s == "-0") s = "0";
    return s;
}

bool NaturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t si = i, sj = j;
            while (si < a.size() && a[si] == '0') ++si;
            while (sj < b.size() && b[sj] == '0') ++sj;
            std::size_t ei = si, ej = sj;
            while (ei < a.size() && isDigit(a[ei])) ++ei;
            while (ej < b.size() && isDigit(b[ej])) ++ej;
            if (ei - si != ej - sj) return ei - si < ej - sj;
            int c = a.substr(si, ei - si).compare(b.substr(sj, ej - sj));
            if (c != 0) return c < 0;
            // Same value: fewer leading zeros first, so the order is total.
            if ((ei - i) != (ej - j)) return (ei - i) < (ej - j);
            i = ei;
            j = ej;
        } else {
            char x = lower(a[i]), y = lower(b[j]);
            if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            ++i;
            ++j;
        }
    }
    if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
    return a < b;  // differ only in case: any fixed order will do
}

bool EndsWithNoCase(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    return UpperAscii(s.substr(s.size() - suffix.size())) == UpperAscii(suffix);
}

bool IsPlainFileName(std::string_view name) {
    name = TrimView(name);
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

}  // namespace gavlin

namespace gavlin {
std::string EmailKey(std::string_view address) { return UpperAscii(TrimView(address.substr(0, 25))); }
}  // namespace gavlin

namespace gavlin {
std::string HtmlEscape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}
}  // namespace gavlin
