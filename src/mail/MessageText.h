#pragma once
// The steps that turn a saved mail message into form fields: splitting it into
// lines, joining a recognised message into one text, decoding that text and
// looking up the value of a key. They work on bytes; any byte may appear.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gavlin {

// The lines of a text file; a line ends at CR LF, at LF or at CR. A last line
// without a line end counts; nothing after the last line end makes no line.
std::vector<std::string_view> SplitLines(std::string_view text);

struct CollectedMessage {
    bool recognised = false;       // a line holds one of the six form markers
    bool quotedPrintable = false;  // that first marker line holds a "=3D" marker
    std::string joined;            // every line trimmed and joined (empty when not recognised)
};

// Finds the first line that holds a form marker and, when there is one, joins
// all lines of the message into one text; in a quoted-printable message a "="
// that ends a line is a soft line break and is dropped.
CollectedMessage CollectMessage(std::string_view fileContent);

// Form decoding of one joined text: "%XX" gives one character (CR and LF give
// a blank), "+" gives a blank and, in a quoted-printable message only, "=3D"
// gives "=". Only the text up to its last non-blank character is used.
std::string DecodeText(std::string_view joined, bool quotedPrintable);

// The value of key (its name with its "=") in a decoded text: the text after
// the first place where key stands with at least one character after it, up
// to the next "&" or the last non-blank character. Empty optional when the
// key does not stand in the text so.
std::optional<std::string_view> KeyValue(std::string_view text, std::string_view key);
inline bool HoldsKey(std::string_view text, std::string_view key) {
    return KeyValue(text, key).has_value();
}

inline constexpr std::string_view kRegisterMarker = "GAVLIN=REGISTER";
inline constexpr std::string_view kNewAuctionMarker = "GAVLIN=NEWAUCTION";
inline constexpr std::string_view kNewBidMarker = "GAVLIN=NEWBID";

}  // namespace gavlin
