#pragma once
// Text rules shared by every part: blanks are character 32 only, upper case
// changes the ASCII letters only, numbers are read the way amounts are typed.
#include <string>
#include <string_view>

namespace gavlin {

std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);
std::string UpperAscii(std::string_view s);
// Trimmed and upper-case equal.
bool SameKey(std::string_view a, std::string_view b);

// The number a text begins with: blanks anywhere are skipped, then an optional
// sign and digits with at most one decimal point; reading stops at the first
// other character. A text that does not begin with a number counts as 0.
double NumericValue(std::string_view s);

// Plain decimal: no exponent, no thousands separator, at most 15 significant
// digits, no trailing zeros or point, "0" rather than "-0".
std::string PlainNumber(double v);

// Natural order of file names: runs of digits compare as numbers, the rest
// without regard to case.
bool NaturalLess(std::string_view a, std::string_view b);

bool EndsWithNoCase(std::string_view s, std::string_view suffix);

// A name that can safely be used as a file inside a directory: not blank, no
// "/" or "\", not "." or "..".
bool IsPlainFileName(std::string_view name);

}  // namespace gavlin

namespace gavlin {
// The key under which an address is compared with a user's Email: cut to the
// field's 25 characters first (an address may be longer where it is stored
// elsewhere), then trimmed and in upper case.
std::string EmailKey(std::string_view address);
}  // namespace gavlin

namespace gavlin {
// Text placed into HTML: "&", "<", ">" and '"' become entities.
std::string HtmlEscape(std::string_view s);
}  // namespace gavlin
