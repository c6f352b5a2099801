#include "mail/ExamineIncomingMessages.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "mail/BatchLookups.h"
#include "mail/MessageText.h"
#include "mail/NewItemPageName.h"
#include "platform/Clock.h"
#include "platform/Directory.h"
#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"

namespace gavlin {

namespace {

constexpr const char* kJoinedFile = "pass.2";
constexpr const char* kDecodedFile = "pass.3";
constexpr const char* kNotRegistered = "Not Registered as User";

// A work file written one CR LF line at a time; created with its first line.
class LineWriter {
public:
    explicit LineWriter(std::filesystem::path file) : file_(std::move(file)) {}

    void add(std::string_view line) {
        if (!f_) {
            f_.reset(std::fopen(file_.c_str(), "ab"));
            if (!f_) throw FileError(file_, "write", errno);
        }
        if (std::fwrite(line.data(), 1, line.size(), f_.get()) != line.size() ||
            std::fwrite("\r\n", 1, 2, f_.get()) != 2 || std::fflush(f_.get()) != 0)
            throw FileError(file_, "write", errno);
    }

    void close() {
        if (f_ && std::fclose(f_.release()) != 0) throw FileError(file_, "write", errno);
    }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::filesystem::path file_;
    std::unique_ptr<std::FILE, Closer> f_;
};

std::string Value(std::string_view text, std::string_view key) {
    auto v = KeyValue(text, key);
    return v ? std::string(*v) : std::string();
}

std::string TwoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string BidDate(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.month, t.day, t.year);
    return buf;
}

struct Batch {
    std::filesystem::path dir;
    StatusLog& log;
    std::string validated;  // "Y" or "N", from AutoValidate

    void registration(std::string_view text) {
        UserRecord u;
        u.Validated = validated;
        const struct {
            const char* key;
            std::string UserRecord::*field;
        } keys[] = {{"ALIAS=", &UserRecord::Alias},       {"REALNAME=", &UserRecord::RealName},
                    {"PASSWORD=", &UserRecord::Password}, {"EMAIL=", &UserRecord::Email},
                    {"ADDRESS=", &UserRecord::Address},   {"CITY=", &UserRecord::City},
                    {"STATE=", &UserRecord::State},       {"ZIP=", &UserRecord::Zip},
                    {"PHONE=", &UserRecord::Phone},       {"COUNTRY=", &UserRecord::Country}};
        for (const auto& k : keys) {
            auto v = KeyValue(text, k.key);
            u.*k.field = v ? std::string(*v) : std::string();
            if (v && k.field == &UserRecord::RealName)
                log.addLine("Adding " + Trim(FitField(u.RealName, 30)) + " To user Database");
        }
        AppendRecord(RecordPath<UserRecord>(dir), u);
    }

    void newItem(std::string_view text, const UserLookup& users, ItemLookup& items,
                 const std::unordered_set<std::string>& htmlFiles) {
        AuctionRecord a;
        a.Validated = validated;
        const struct {
            const char* key;
            std::string AuctionRecord::*field;
        } keys[] = {{"CATEGORY=", &AuctionRecord::Category}, {"ITEMNAME=", &AuctionRecord::ItemName},
                    {"IMAGEURL=", &AuctionRecord::ImageURL}, {"ENDMONTH=", &AuctionRecord::EndMonth},
                    {"ENDDAY=", &AuctionRecord::EndDay},     {"ENDYEAR=", &AuctionRecord::EndYear},
                    {"ENDTIME=", &AuctionRecord::EndHour},   {"DESCRIPTION=", &AuctionRecord::Description},
                    {"EMAIL=", &AuctionRecord::SellerEmail}, {"PASSWORD=", &AuctionRecord::SellerPassword},
                    {"MINBID=", &AuctionRecord::MinBid}};
        for (const auto& k : keys) {
            auto v = KeyValue(text, k.key);
            a.*k.field = v ? std::string(*v) : std::string();
            if (v && k.field == &AuctionRecord::ItemName)
                log.addLine("Adding " + Trim(FitField(a.ItemName, 25)) + " To Auctions Database");
        }
        a.FileName = NewItemPageName(
            dir, [&](std::string_view name) { return items.holdsName(name) || htmlFiles.count(UpperAscii(name)) > 0; });
        a.SellerAlias = kNotRegistered;
        if (const UserRecord* seller = users.byEmail(FitField(a.SellerEmail, 25))) a.SellerAlias = seller->Alias;
        RecordNo n = AppendRecord(RecordPath<AuctionRecord>(dir), a);
        items.add(n, DecodeRecord<AuctionRecord>(EncodeRecord(a)));
    }

    void bid(std::string_view text, const UserLookup& users, ItemLookup& items) {
        const std::string identification = Value(text, "IDENTIFICATION=");
        const std::string password = Value(text, "PASSWORD=");
        const std::string email = Value(text, "EMAIL=");
        const std::string amount = Value(text, "ITEMBID=");
        if (!users.hasLogin(email, password)) return;
        std::vector<BidState>* candidates = items.items(identification);
        if (!candidates) return;
        const double value = NumericValue(amount);
        for (BidState& item : *candidates) {
            if (!(value > item.highPrice && value >= item.minBid)) continue;
            log.addLine("Adding New High Bidder" + Trim(email) + " To Auctions Database");
            const auto file = RecordPath<AuctionRecord>(dir);
            AuctionRecord a = ReadRecord<AuctionRecord>(file, item.record);
            a.LastPrice = a.HighPrice;
            a.LastBidder = a.HighBidder;
            a.LastDate = a.HighDate;
            a.LastTime = a.HighTime;
            const LocalTime now = Now();
            a.HighPrice = amount;
            a.HighBidder = email;
            a.HighDate = BidDate(now);
            a.HighTime = TwoDigits(now.hour);
            WriteRecord(file, item.record, a);
            item.highPrice = NumericValue(FitField(amount, 10));
            return;
        }
    }
};

std::unordered_set<std::string> HtmlFileNames(const std::filesystem::path& dir) {
    std::unordered_set<std::string> names;
    const auto html = HtmlDirectory(dir);
    std::error_code ec;
    if (std::filesystem::is_directory(html, ec))
        for (const std::string& name : ListFilesEndingWith(html, "")) names.insert(UpperAscii(name));
    return names;
}

}  // namespace

void ExamineIncomingMessages(const std::filesystem::path& dir, StatusLog& log) {
    const ConfigRecord config = ReadConfig(dir);
    const auto joinedFile = dir / kJoinedFile;
    const auto decodedFile = dir / kDecodedFile;
    DeleteFile(joinedFile);
    DeleteFile(decodedFile);
    log.addLine("Examining Incoming Messages");

    const std::vector<std::string> messageFiles = ListFilesEndingWith(dir, ".msg");
    if (messageFiles.empty()) return;

    std::vector<std::string> texts;
    {
        LineWriter joined(joinedFile);
        std::vector<bool> quoted;
        std::vector<std::string> joinedTexts;
        for (const std::string& name : messageFiles) {
            log.addLine("Examining Message : " + name);
            CollectedMessage m = CollectMessage(ReadWholeFile(dir / name));
            if (!m.recognised) continue;
            joined.add(m.joined);
            log.addLine("Message " + name + " is an Incoming Gavlin Message!");
            quoted.push_back(m.quotedPrintable);
            joinedTexts.push_back(std::move(m.joined));
        }
        joined.close();
        if (joinedTexts.empty()) return;

        LineWriter decoded(decodedFile);
        for (std::size_t i = 0; i < joinedTexts.size(); ++i) {
            texts.push_back(DecodeText(joinedTexts[i], quoted[i]));
            std::string().swap(joinedTexts[i]);
            decoded.add(texts.back());
        }
        decoded.close();
    }

    Batch batch{dir, log, TrimView(config.AutoValidate) == "Y" ? "Y" : "N"};
    for (const std::string& t : texts)
        if (HoldsKey(t, kRegisterMarker)) batch.registration(t);

    UserLookup users = UserLookup::Load(RecordPath<UserRecord>(dir));
    ItemLookup items = ItemLookup::Load(RecordPath<AuctionRecord>(dir));
    const auto htmlFiles = HtmlFileNames(dir);
    for (const std::string& t : texts)
        if (HoldsKey(t, kNewAuctionMarker)) batch.newItem(t, users, items, htmlFiles);
    for (const std::string& t : texts)
        if (HoldsKey(t, kNewBidMarker)) batch.bid(t, users, items);
}

void DeleteMessageFiles(const std::filesystem::path& dir) {
    for (const std::string& name : ListFilesEndingWith(dir, ".msg")) DeleteFile(dir / name);
    DeleteFile(dir / kJoinedFile);
    DeleteFile(dir / kDecodedFile);
}

}  // namespace gavlin
