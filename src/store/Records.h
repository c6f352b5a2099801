#pragma once
// Fixed-length record layouts of the four record files. Each field is 8-bit
// text (ISO-8859-1) of a fixed width; a record is its fields back to back.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gavlin {

template <class R>
struct FieldSpec {
    const char* name;
    int width;
    int offset;
    std::string R::*member;
};

struct ConfigRecord {
    std::string Reserved1, Reserved2, CommercialMode, AutoValidate, FTPLogonName, FTPLogonPassword,
        FTPHostName, FTPUploadDirectory, EmailAddress, EmailUserName, EmailPop3HostName,
        EmailPop3UserName, EmailPop3Password, EmailSMTPHostName, EmailSMTPUserName,
        EmailSMTPPassword, MainMenuHeader, MainMenuFooter, RegistrationHeader, RegistrationFooter,
        ItemsHeader, ItemsFooter;

    static constexpr int Length = 6417;
    static constexpr const char* FileName = "config.dat";
    static const std::array<FieldSpec<ConfigRecord>, 22> Fields;
};

struct CategoryRecord {
    std::string CatName, CatHeader, CatFooter, CatURL;

    static constexpr int Length = 5000;
    static constexpr const char* FileName = "category.dat";
    static const std::array<FieldSpec<CategoryRecord>, 4> Fields;
};

struct UserRecord {
    std::string Alias, RealName, Password, Email, Address, City, State, Zip, Phone, Country,
        Validated;

    static constexpr int Length = 276;
    static constexpr const char* FileName = "reguser.dat";
    static const std::array<FieldSpec<UserRecord>, 11> Fields;
};

struct AuctionRecord {
    std::string FileName, Validated, SellerAlias, Category, ItemName, ImageURL, EndMonth, EndDay,
        EndYear, EndHour, Description, SellerEmail, SellerPassword, MinBid, HighPrice, HighBidder,
        HighDate, HighTime, LastPrice, LastBidder, LastDate, LastTime;

    static constexpr int Length = 6767;
    static constexpr const char* FileNameOnDisk = "auctions.dat";
    static const std::array<FieldSpec<AuctionRecord>, 22> Fields;
};

// The file name of each record type (AuctionRecord has a field called FileName).
template <class R> constexpr const char* RecordFileName() { return R::FileName; }
template <> constexpr const char* RecordFileName<AuctionRecord>() { return AuctionRecord::FileNameOnDisk; }

// A value stored in a field: cut to the width, padded with blanks.
std::string FitField(std::string_view value, std::size_t width);

template <class R>
std::string EncodeRecord(const R& r) {
    std::string out;
    out.reserve(R::Length);
    for (const auto& f : R::Fields) out += FitField(r.*(f.member), static_cast<std::size_t>(f.width));
    return out;
}

// bytes must hold at least R::Length bytes.
template <class R>
R DecodeRecord(std::string_view bytes) {
    R r;
    for (const auto& f : R::Fields)
        r.*(f.member) = std::string(bytes.substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width)));
    return r;
}

// Field access by name; nullptr when the record type has no such field.
template <class R>
std::string* FieldByName(R& r, std::string_view name) {
    for (const auto& f : R::Fields)
        if (name == f.name) return &(r.*(f.member));
    return nullptr;
}

ConfigRecord DefaultConfigRecord();

}  // namespace gavlin
