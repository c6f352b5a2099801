#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "MailTestSupport.h"
#include "cli/Cli.h"
#include "platform/Clock.h"
#include "support/TempDir.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {

const char* const kFixtures[] = {"register-qp.msg", "newitem-qp.msg", "newitem-plain.msg", "bid-plain.msg",
                                 "hello.msg"};

void CopyFixtures(const TempDir& d) {
    for (const char* f : kFixtures) std::filesystem::copy_file(MailFixture(f), d / f);
}

}  // namespace

// Messages as a mail program saves them: quoted-printable bodies with soft
// line breaks, plain bodies, CR LF and LF line ends, browser form encoding.
TEST(ExamineCommand, ExaminesMailProgramMessagesAndDeletesThem) {
    TempDir d;
    SetAutoValidate(d.path(), "Y");
    AddItem(d.path(), "abcdefgh.htm", "10");
    CopyFixtures(d);
    d.write("pass.2", "left over\r\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunCommand("examine", d.path(), out, err), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(),
              "Examining Incoming Messages\n"
              "Examining Message : bid-plain.msg\n"
              "Message bid-plain.msg is an Incoming Gavlin Message!\n"
              "Examining Message : hello.msg\n"
              "Examining Message : newitem-plain.msg\n"
              "Message newitem-plain.msg is an Incoming Gavlin Message!\n"
              "Examining Message : newitem-qp.msg\n"
              "Message newitem-qp.msg is an Incoming Gavlin Message!\n"
              "Examining Message : register-qp.msg\n"
              "Message register-qp.msg is an Incoming Gavlin Message!\n"
              "Adding Joe Smith To user Database\n"
              "Adding 3D glasses To Auctions Database\n"
              "Adding 3D glasses To Auctions Database\n"
              "Adding New High Bidderjoe@example.com To Auctions Database\n");
    for (const char* f : kFixtures) EXPECT_FALSE(d.exists(f)) << f;
    EXPECT_FALSE(d.exists("pass.2"));
    EXPECT_FALSE(d.exists("pass.3"));

    UserRecord joe;
    joe.Alias = "joe";
    joe.RealName = "Joe Smith";
    joe.Password = "Secret";
    joe.Email = "joe@example.com";
    joe.Address = "12 Long Road, Flat 3 ";  // the visitor's "&" ends the value
    joe.City = "Springfield";
    joe.State = "IL";
    joe.Zip = "62704";
    joe.Phone = "+1 217 555 0100";
    joe.Country = "USA";
    joe.Validated = "Y";
    EXPECT_EQ(d.read("reguser.dat"), EncodeRecord(joe));

    auto items = ReadAllRecords<AuctionRecord>(RecordPath<AuctionRecord>(d.path()));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].HighPrice, FitField("12.50", 10));
    EXPECT_EQ(items[0].HighBidder, FitField("joe@example.com", 30));
    EXPECT_EQ(Trim(items[1].ItemName), "3D glasses");
    EXPECT_EQ(Trim(items[1].SellerAlias), "Not Registered as User");
    EXPECT_EQ(Trim(items[1].MinBid), "5");

    AuctionRecord qp = items[2];
    EXPECT_EQ(qp.Validated, "Y");
    EXPECT_EQ(Trim(qp.SellerAlias), "joe");
    EXPECT_EQ(Trim(qp.Category), "Eye wear");
    EXPECT_EQ(Trim(qp.ItemName), "3D glasses");
    EXPECT_EQ(Trim(qp.ImageURL), "http://example.org/img/3d.jpg?size=large");
    EXPECT_EQ(qp.EndMonth + qp.EndDay + qp.EndYear + qp.EndHour, "1224202618");
    EXPECT_EQ(Trim(qp.Description), "Red and blue lenses.  Fits over glasses; 100% plastic.");
    EXPECT_EQ(Trim(qp.SellerEmail), "JOE@example.com");
    EXPECT_EQ(Trim(qp.SellerPassword), "Secret");
    EXPECT_EQ(Trim(qp.MinBid), "10");
    EXPECT_EQ(Trim(qp.HighPrice + qp.HighBidder + qp.LastPrice + qp.LastBidder), "");
}

TEST(ExamineCommand, ErrorKeepsTheMessageFiles) {
    TempDir d;
    SetAutoValidate(d.path(), "N");
    CopyFixtures(d);
    OpenForNobody(d.path());  // read-only for the unprivileged user: pass.2 cannot be written
    int rc = RunAsNobody([&] {
        std::ostringstream out, err;
        int status = RunCommand("examine", d.path(), out, err);
        bool named = err.str().find((d / "pass.2").string()) != std::string::npos;
        return named ? status : 99;
    });
    EXPECT_EQ(rc, 1);
    for (const char* f : kFixtures) EXPECT_TRUE(d.exists(f)) << f;
    EXPECT_FALSE(d.exists("reguser.dat"));
}

TEST(ExamineCommand, NoMessageFilesIsANormalEnd) {
    TempDir d;
    std::ostringstream out, err;
    EXPECT_EQ(RunCommand("examine", d.path(), out, err), 0);
    EXPECT_EQ(out.str(), "Examining Incoming Messages\n");
}
