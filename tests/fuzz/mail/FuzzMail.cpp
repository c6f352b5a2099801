// Any bytes saved as a message file go through the collecting and decoding
// steps and the key lookup without a crash, and their results keep their
// shape: lines hold no line ends, a decoded text is never longer than its
// joined text, and a value stands inside its text and holds no "&".
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "mail/BatchLookups.h"
#include "mail/MessageText.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

const std::string_view kKeys[] = {
    "GAVLIN=REGISTER", "GAVLIN=NEWAUCTION", "GAVLIN=NEWBID",   "ALIAS=",   "REALNAME=", "PASSWORD=",
    "EMAIL=",          "DESCRIPTION=",      "IDENTIFICATION=", "ITEMBID=", "=",         "&"};

void CheckKeys(std::string_view text) {
    for (std::string_view key : kKeys) {
        auto v = gavlin::KeyValue(text, key);
        if (!v) continue;
        Check(v->find('&') == std::string_view::npos);
        Check(v->data() >= text.data() && v->data() + v->size() <= text.data() + text.size());
        Check(v->empty() || v->back() != ' ' || v->data() + v->size() < text.data() + text.size());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gavlin;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    std::size_t lineBytes = 0;
    for (std::string_view line : SplitLines(input)) {
        Check(line.find_first_of("\r\n") == std::string_view::npos);
        lineBytes += line.size();
    }
    Check(lineBytes <= size);

    CollectedMessage m = CollectMessage(input);
    Check(m.recognised || m.joined.empty());
    Check(m.joined.size() <= size);
    Check(m.joined.find_first_of("\r\n") == std::string::npos);
    for (bool quoted : {false, true}) {
        const std::string decoded = DecodeText(m.recognised ? std::string_view(m.joined) : input, quoted);
        Check(decoded.size() <= size);
        if (m.recognised) Check(decoded.find_first_of("\r\n") == std::string::npos);
        CheckKeys(decoded);
    }
    CheckKeys(input);

    // The lookups compare cut, trimmed, upper-case keys: any bytes will do.
    UserLookup users;
    UserRecord u;
    u.Email = std::string(input.substr(0, size / 2));
    u.Password = std::string(input.substr(size / 2));
    users.add(u);
    Check(users.hasLogin(FitField(u.Email, 25), FitField(u.Password, 10)));
    return 0;
}
