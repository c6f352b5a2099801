#include "mail/MessageText.h"

#include "store/Text.h"

namespace gavlin {

namespace {

constexpr std::string_view kPlainMarkers[] = {kRegisterMarker, kNewAuctionMarker, kNewBidMarker};
constexpr std::string_view kQuotedMarkers[] = {"GAVLIN=3DREGISTER", "GAVLIN=3DNEWAUCTION", "GAVLIN=3DNEWBID"};

bool HoldsAny(std::string_view line, const std::string_view (&markers)[3]) {
    for (std::string_view m : markers)
        if (line.find(m) != std::string_view::npos) return true;
    return false;
}

std::string_view TrimRightView(std::string_view s) {
    std::size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string_view() : s.substr(0, e + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

CollectedMessage CollectMessage(std::string_view fileContent) {
    CollectedMessage m;
    const auto lines = SplitLines(fileContent);
    for (std::string_view line : lines) {
        bool quoted = HoldsAny(line, kQuotedMarkers);
        if (quoted || HoldsAny(line, kPlainMarkers)) {
            m.recognised = true;
            m.quotedPrintable = quoted;
            break;
        }
    }
    if (!m.recognised) return m;
    std::size_t total = 0;
    for (std::string_view line : lines) total += line.size();
    m.joined.reserve(total);
    for (std::string_view line : lines) {
        std::string_view part = TrimView(line);
        if (m.quotedPrintable && !line.empty() && line.back() == '=') {
            part.remove_suffix(1);
            part = TrimRightView(part);
        }
        m.joined.append(part);
    }
    return m;
}

std::string DecodeText(std::string_view joined, bool quotedPrintable) {
    const std::string_view s = TrimRightView(joined);
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '%') {
            // The code is the hex number the next (up to) two characters begin with.
            std::size_t avail = std::min<std::size_t>(2, s.size() - i - 1);
            if (avail == 0) break;  // a "%" that ends the text is dropped
            int code = 0;
            for (std::size_t k = 0; k < avail; ++k) {
                int d = HexDigit(s[i + 1 + k]);
                if (d < 0) break;
                code = code * 16 + d;
            }
            char decoded = static_cast<char>(code);
            out += (decoded == '\r' || decoded == '\n') ? ' ' : decoded;
            i += 1 + avail;
        } else if (quotedPrintable && c == '=' && s.substr(i, 3) == "=3D") {
            out += '=';
            i += 3;
        } else {
            out += c == '+' ? ' ' : c;
            ++i;
        }
    }
    return out;
}

std::optional<std::string_view> KeyValue(std::string_view text, std::string_view key) {
    const std::string_view t = TrimRightView(text);
    if (key.empty()) return std::nullopt;
    std::size_t at = t.find(key);
    // A later place of the key cannot have more text after it than the first.
    if (at == std::string_view::npos || at + key.size() >= t.size()) return std::nullopt;
    std::string_view rest = t.substr(at + key.size());
    return rest.substr(0, rest.find('&'));
}

}  // namespace gavlin
