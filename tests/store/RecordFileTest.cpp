#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "store/RecordFile.h"
#include "store/Text.h"
#include "support/TempDir.h"

using namespace gavlin;
using gavlin::test::TempDir;

namespace {

UserRecord User(const std::string& alias) {
    UserRecord u;
    u.Alias = alias;
    u.Email = alias + "@example.com";
    u.Validated = "Y";
    return u;
}

std::string Aliases(const fs::path& file) {
    std::string out;
    for (const auto& u : ReadAllRecords<UserRecord>(file)) out += TrimRight(u.Alias) + ",";
    return out;
}

}  // namespace

TEST(Layouts, WidthsAndOffsetsAddUpToTheRecordLength) {
    auto check = [](const auto& fields, int length) {
        int offset = 0;
        for (const auto& f : fields) {
            EXPECT_EQ(f.offset, offset) << f.name;
            offset += f.width;
        }
        EXPECT_EQ(offset, length);
    };
    check(ConfigRecord::Fields, ConfigRecord::Length);
    check(CategoryRecord::Fields, CategoryRecord::Length);
    check(UserRecord::Fields, UserRecord::Length);
    check(AuctionRecord::Fields, AuctionRecord::Length);
}

TEST(Layouts, ValuesAreCutAndPaddedToTheirField) {
    UserRecord u;
    u.Alias = std::string(40, 'a');
    u.RealName = "Bob";
    std::string bytes = EncodeRecord(u);
    ASSERT_EQ(bytes.size(), 276u);
    EXPECT_EQ(bytes.substr(0, 30), std::string(30, 'a'));
    EXPECT_EQ(bytes.substr(30, 30), "Bob" + std::string(27, ' '));
    EXPECT_EQ(bytes.substr(60), std::string(216, ' '));
    EXPECT_EQ(DecodeRecord<UserRecord>(bytes).RealName, "Bob" + std::string(27, ' '));
}

TEST(Layouts, FieldByName) {
    AuctionRecord a;
    ASSERT_NE(FieldByName(a, "HighPrice"), nullptr);
    *FieldByName(a, "HighPrice") = "25";
    EXPECT_EQ(EncodeRecord(a).substr(6623, 10), "25        ");
    EXPECT_EQ(FieldByName(a, "NoSuchField"), nullptr);
}

TEST(Layouts, DefaultConfigurationBytes) {
    std::string b = EncodeRecord(DefaultConfigRecord());
    ASSERT_EQ(b.size(), 6417u);
    EXPECT_EQ(b.substr(0, 45), std::string(45, ' '));
    EXPECT_EQ(b[45], 'N');
    EXPECT_EQ(b[46], 'N');
    EXPECT_EQ(b.substr(417, 1000), "mainhead.htm" + std::string(988, ' '));
    EXPECT_EQ(b.substr(222, 30), "auctions@example.com          ");
    EXPECT_EQ(b.substr(1417, 12), "mainfoot.htm");
    EXPECT_EQ(b.substr(2417, 11), "reghead.htm");
    EXPECT_EQ(b.substr(3417, 11), "regfoot.htm");
    EXPECT_EQ(b.substr(4417, 12), "itemhead.htm");
    EXPECT_EQ(b.substr(5417, 12), "itemfoot.htm");
}

TEST(RecordFile, MissingFileIsEmpty) {
    TempDir d;
    EXPECT_EQ(RecordCount<UserRecord>(d / "reguser.dat"), 0);
    EXPECT_TRUE(ReadAllRecords<UserRecord>(d / "reguser.dat").empty());
    EXPECT_FALSE(FileExists(d / "reguser.dat"));
}

TEST(RecordFile, AppendCreatesTheFileAndNumbersRecords) {
    TempDir d;
    auto f = d / "reguser.dat";
    EXPECT_EQ(AppendRecord(f, User("a")), 1);
    EXPECT_EQ(AppendRecord(f, User("b")), 2);
    EXPECT_EQ(fs::file_size(f), 2u * 276);
    EXPECT_EQ(TrimRight(ReadRecord<UserRecord>(f, 2).Alias), "b");
}

TEST(RecordFile, WriteInPlaceChangesOnlyThatRecord) {
    TempDir d;
    auto f = d / "reguser.dat";
    for (auto a : {"a", "b", "c"}) AppendRecord(f, User(a));
    WriteRecord(f, 2, User("x"));
    EXPECT_EQ(Aliases(f), "a,x,c,");
    WriteRecord(f, 4, User("d"));
    EXPECT_EQ(Aliases(f), "a,x,c,d,");
    EXPECT_THROW(WriteRecord(f, 6, User("e")), FileError);
    EXPECT_THROW(ReadRecord<UserRecord>(f, 5), FileError);
}

TEST(RecordFile, Removal) {
    struct Case {
        int records;
        int remove;
        const char* left;
    };
    for (const Case& c : {Case{3, 2, "r1,r3,"}, Case{3, 1, "r2,r3,"}, Case{3, 3, "r1,r2,"}, Case{1, 1, ""}}) {
        TempDir d;
        auto f = d / "reguser.dat";
        for (int i = 1; i <= c.records; ++i) AppendRecord(f, User("r" + std::to_string(i)));
        RemoveRecord<UserRecord>(f, c.remove);
        EXPECT_EQ(Aliases(f), c.left) << c.records << " remove " << c.remove;
        // Removing the only record deletes the file; otherwise it stays and no copy is left.
        EXPECT_EQ(FileExists(f), c.records > 1);
        EXPECT_FALSE(d.exists("reguser.$$$"));
    }
}

TEST(RecordFile, LeftoverTemporaryCopyDoesNotContribute) {
    TempDir d;
    auto f = d / "reguser.dat";
    AppendRecord(f, User("old"));
    AppendRecord(fs::path(d / "reguser.$$$"), User("stale"));
    AppendRecord(f, User("a"));
    AppendRecord(f, User("b"));
    RemoveRecord<UserRecord>(f, 1);
    EXPECT_EQ(Aliases(f), "a,b,");
}

TEST(RecordFile, PartialLastRecordIsNotReadAndAppendOverwritesIt) {
    TempDir d;
    auto f = d / "reguser.dat";
    AppendRecord(f, User("a"));
    d.write("reguser.dat", d.read("reguser.dat") + std::string(200, 'Z'));
    EXPECT_EQ(RecordCount<UserRecord>(f), 1);
    EXPECT_EQ(Aliases(f), "a,");
    EXPECT_EQ(AppendRecord(f, User("b")), 2);
    EXPECT_EQ(fs::file_size(f), 2u * 276);
    EXPECT_EQ(Aliases(f), "a,b,");
}

TEST(RecordFile, CountsAreNotLimitedTo16Bits) {
    TempDir d;
    auto f = d / "reguser.dat";
    // 32,767 records of blanks, then the next ones by the ordinary append.
    d.write("reguser.dat", std::string(32767u * 276u, ' '));
    EXPECT_EQ(RecordCount<UserRecord>(f), 32767);
    EXPECT_EQ(AppendRecord(f, User("next")), 32768);
    EXPECT_EQ(TrimRight(ReadRecord<UserRecord>(f, 32768).Alias), "next");
    RemoveRecord<UserRecord>(f, 1);
    EXPECT_EQ(TrimRight(ReadRecord<UserRecord>(f, 32767).Alias), "next");
}

TEST(RecordFile, FailedRemovalLeavesTheRecordFileAsItWas) {
    TempDir d;
    auto f = d / "auctions.dat";
    AuctionRecord a;
    for (int i = 0; i < 20; ++i) {
        a.FileName = "item" + std::to_string(i) + ".htm";
        AppendRecord(f, a);
    }
    std::string before = d.read("auctions.dat");

    // The copy runs out of room half-way, as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 10 * AuctionRecord::Length;
    setrlimit(RLIMIT_FSIZE, &small);
    try {
        RemoveRecord<AuctionRecord>(f, 3);
        ADD_FAILURE() << "the removal should have failed";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("auctions.$$$"), std::string::npos) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(d.read("auctions.dat"), before);
    EXPECT_FALSE(d.exists("auctions.$$$"));
}

TEST(RecordFile, ErrorsNameTheFile) {
    TempDir d;
    fs::create_directory(d / "reguser.dat");  // a directory where the file should be
    try {
        AppendRecord(d / "reguser.dat", User("a"));
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("reguser.dat"), std::string::npos);
    }
}

TEST(RecordFile, ReadOnlyDirectoryRefusesAppendWithAClearError) {
    TempDir d;
    gavlin::test::OpenForNobody(d.path());
    fs::permissions(d.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    int rc = gavlin::test::RunAsNobody([&] {
        try {
            AppendRecord(d / "reguser.dat", User("a"));
            return 1;
        } catch (const FileError& e) {
            return std::string(e.what()).find("reguser.dat") != std::string::npos ? 0 : 2;
        }
    });
    EXPECT_EQ(rc, 0);
    EXPECT_FALSE(d.exists("reguser.dat"));
}
