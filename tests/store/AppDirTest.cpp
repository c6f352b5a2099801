#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "store/AppDir.h"
#include "store/RecordFile.h"
#include "store/Text.h"
#include "support/TempDir.h"

using namespace gavlin;
using gavlin::test::TempDir;

TEST(AppDir, FirstStartCreatesDefaultConfigAndHtmlDirectory) {
    TempDir d;
    auto p = PrepareApplicationDirectory(d.path());
    EXPECT_FALSE(p.problem);
    EXPECT_EQ(d.read("config.dat"), EncodeRecord(DefaultConfigRecord()));
    EXPECT_TRUE(fs::is_directory(d / "HTML"));
    EXPECT_EQ(TrimRight(p.config.MainMenuHeader), "mainhead.htm");
}

TEST(AppDir, SecondStartLeavesConfigAlone) {
    TempDir d;
    ConfigRecord c = DefaultConfigRecord();
    c.AutoValidate = "Y";
    c.Reserved1 = "keep me";
    AppendRecord(d / "config.dat", c);
    std::string before = d.read("config.dat");
    auto p = PrepareApplicationDirectory(d.path());
    EXPECT_EQ(d.read("config.dat"), before);
    EXPECT_EQ(p.config.AutoValidate, "Y");
}

TEST(AppDir, ReadOnlyDirectoryReportsTheFileAndGoesOn) {
    TempDir d;
    gavlin::test::OpenForNobody(d.path());
    fs::permissions(d.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                  fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    int rc = gavlin::test::RunAsNobody([&] {
        auto p = PrepareApplicationDirectory(d.path());
        if (!p.problem || p.problem->find("config.dat") == std::string::npos) return 1;
        return p.config.CommercialMode == "N" ? 0 : 2;
    });
    EXPECT_EQ(rc, 0);
}

TEST(AppDir, FullDiskLeavesNoHalfWrittenConfig) {
    TempDir d;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    auto p = PrepareApplicationDirectory(d.path());
    setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_TRUE(p.problem);
    EXPECT_NE(p.problem->find("config.dat"), std::string::npos) << *p.problem;
    EXPECT_FALSE(d.exists("config.dat"));

    // The next start gets its default record after all.
    EXPECT_FALSE(PrepareApplicationDirectory(d.path()).problem);
    EXPECT_EQ(d.read("config.dat"), EncodeRecord(DefaultConfigRecord()));
}
