#pragma once
// Record fields are ISO-8859-1 bytes; only the window toolkit converts text.
#include <QString>
#include <string>
#include <string_view>

namespace gavlin {

inline QString FromLatin1(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A character outside ISO-8859-1 is stored as "?".
inline std::string ToLatin1(const QString& text) {
    std::string out;
    for (char32_t c : text.toUcs4()) out += c > 0xFF ? '?' : static_cast<char>(static_cast<unsigned char>(c));
    return out;
}

}  // namespace gavlin
