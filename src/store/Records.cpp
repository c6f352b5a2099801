#include "store/Records.h"

namespace gavlin {

#define GF(R, name, width, offset) FieldSpec<R>{#name, width, offset, &R::name}

const std::array<FieldSpec<ConfigRecord>, 22> ConfigRecord::Fields = {{
    GF(ConfigRecord, Reserved1, 30, 0),
    GF(ConfigRecord, Reserved2, 15, 30),
    GF(ConfigRecord, CommercialMode, 1, 45),
    GF(ConfigRecord, AutoValidate, 1, 46),
    GF(ConfigRecord, FTPLogonName, 25, 47),
    GF(ConfigRecord, FTPLogonPassword, 25, 72),
    GF(ConfigRecord, FTPHostName, 50, 97),
    GF(ConfigRecord, FTPUploadDirectory, 75, 147),
    GF(ConfigRecord, EmailAddress, 30, 222),
    GF(ConfigRecord, EmailUserName, 25, 252),
    GF(ConfigRecord, EmailPop3HostName, 30, 277),
    GF(ConfigRecord, EmailPop3UserName, 20, 307),
    GF(ConfigRecord, EmailPop3Password, 20, 327),
    GF(ConfigRecord, EmailSMTPHostName, 30, 347),
    GF(ConfigRecord, EmailSMTPUserName, 20, 377),
    GF(ConfigRecord, EmailSMTPPassword, 20, 397),
    GF(ConfigRecord, MainMenuHeader, 1000, 417),
    GF(ConfigRecord, MainMenuFooter, 1000, 1417),
    GF(ConfigRecord, RegistrationHeader, 1000, 2417),
    GF(ConfigRecord, RegistrationFooter, 1000, 3417),
    GF(ConfigRecord, ItemsHeader, 1000, 4417),
    GF(ConfigRecord, ItemsFooter, 1000, 5417),
}};

const std::array<FieldSpec<CategoryRecord>, 4> CategoryRecord::Fields = {{
    GF(CategoryRecord, CatName, 1000, 0),
    GF(CategoryRecord, CatHeader, 1000, 1000),
    GF(CategoryRecord, CatFooter, 1000, 2000),
    GF(CategoryRecord, CatURL, 2000, 3000),
}};

const std::array<FieldSpec<UserRecord>, 11> UserRecord::Fields = {{
    GF(UserRecord, Alias, 30, 0),
    GF(UserRecord, RealName, 30, 30),
    GF(UserRecord, Password, 10, 60),
    GF(UserRecord, Email, 25, 70),
    GF(UserRecord, Address, 75, 95),
    GF(UserRecord, City, 25, 170),
    GF(UserRecord, State, 10, 195),
    GF(UserRecord, Zip, 20, 205),
    GF(UserRecord, Phone, 20, 225),
    GF(UserRecord, Country, 30, 245),
    GF(UserRecord, Validated, 1, 275),
}};

const std::array<FieldSpec<AuctionRecord>, 22> AuctionRecord::Fields = {{
    GF(AuctionRecord, FileName, 12, 0),
    GF(AuctionRecord, Validated, 1, 12),
    GF(AuctionRecord, SellerAlias, 30, 13),
    GF(AuctionRecord, Category, 1000, 43),
    GF(AuctionRecord, ItemName, 25, 1043),
    GF(AuctionRecord, ImageURL, 500, 1068),
    GF(AuctionRecord, EndMonth, 2, 1568),
    GF(AuctionRecord, EndDay, 2, 1570),
    GF(AuctionRecord, EndYear, 4, 1572),
    GF(AuctionRecord, EndHour, 2, 1576),
    GF(AuctionRecord, Description, 5000, 1578),
    GF(AuctionRecord, SellerEmail, 25, 6578),
    GF(AuctionRecord, SellerPassword, 10, 6603),
    GF(AuctionRecord, MinBid, 10, 6613),
    GF(AuctionRecord, HighPrice, 10, 6623),
    GF(AuctionRecord, HighBidder, 30, 6633),
    GF(AuctionRecord, HighDate, 30, 6663),
    GF(AuctionRecord, HighTime, 2, 6693),
    GF(AuctionRecord, LastPrice, 10, 6695),
    GF(AuctionRecord, LastBidder, 30, 6705),
    GF(AuctionRecord, LastDate, 30, 6735),
    GF(AuctionRecord, LastTime, 2, 6765),
}};

#undef GF

std::string FitField(std::string_view value, std::size_t width) {
    std::string out(value.substr(0, width));
    out.resize(width, ' ');
    return out;
}

ConfigRecord DefaultConfigRecord() {
    ConfigRecord c;
    c.CommercialMode = "N";
    c.AutoValidate = "N";
    c.EmailAddress = "auctions@example.com";
    c.MainMenuHeader = "mainhead.htm";
    c.MainMenuFooter = "mainfoot.htm";
    c.RegistrationHeader = "reghead.htm";
    c.RegistrationFooter = "regfoot.htm";
    c.ItemsHeader = "itemhead.htm";
    c.ItemsFooter = "itemfoot.htm";
    return c;
}

}  // namespace gavlin
