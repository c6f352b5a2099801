#include <gtest/gtest.h>

#include <sstream>

#include "HtmlFixture.h"
#include "cli/Cli.h"
#include "html/PageGenerators.h"

using namespace gavlin;
using namespace gavlin::test;

namespace {
const std::string kNoCategories =
    "No Category Listings Found!  Enter some categories at the SYSTEM - CATEGORY MAINTENANCE Menu";
}

TEST(MakeAll, GoesOnAfterMessagesInItsOrder) {
    Site s;
    RecordingProgress p;
    RecordingMessenger m;
    EXPECT_EQ(RunPageCommand(PageCommand::All, s.path(), p, m), PageResult::Message);
    EXPECT_EQ(m.texts, (std::vector<std::string>{kNoCategories, kNoCategories}));
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Making HTML for Main Menu", "Finished",
                                                    "Making HTML for New Auctions Input Form", "Finished",
                                                    "Making HTML for User Registration", "Finished"}));
    for (const char* page : {"gavlin.htm", "inform.htm", "register.htm"}) EXPECT_TRUE(s.hasPage(page)) << page;
}

TEST(MakeAll, StopsAtAFileError) {
    Site s;
    s.add(Category("Books"));
    std::filesystem::create_directory(s.path() / "HTML/cat1.htm");
    RecordingProgress p;
    RecordingMessenger m;
    EXPECT_EQ(RunPageCommand(PageCommand::All, s.path(), p, m), PageResult::Failed);
    ASSERT_EQ(m.texts.size(), 2u);
    EXPECT_EQ(m.texts[0], "No Auctions Found!");
    EXPECT_NE(m.texts[1].find("cat1.htm"), std::string::npos);
    EXPECT_FALSE(s.hasPage("gavlin.htm"));
}

TEST(PageCommandLine, OutputAndExitStatus) {
    struct Case {
        const char* command;
        bool withData;
        std::string out, err;
        int status;
    };
    const std::string items = "Making HTML for Individual Bid Items\nFinished\n";
    const std::string cats = "Making HTML for Individual Categories\nFinished\n";
    const std::string main = "Making HTML for Main Menu\nFinished\n";
    const std::string inform = "Making HTML for New Auctions Input Form\nFinished\n";
    const std::string reg = "Making HTML for User Registration\nFinished\n";
    for (const Case& c :
         {Case{"make-all", true, items + cats + main + inform + reg, "", 0},
          Case{"make-all", false, main + inform + reg, kNoCategories + "\n" + kNoCategories + "\n", 0},
          Case{"make-items", true, items, "", 0}, Case{"make-items", false, "", kNoCategories + "\n", 0},
          Case{"make-categories", true, cats, "", 0}, Case{"make-main", false, main, "", 0},
          Case{"make-register", false, reg, "", 0}, Case{"make-inform", false, inform, "", 0}}) {
        Site s;
        if (c.withData) {
            s.add(Category("Books"));
            s.add(Item("abcdefgh.htm", "Books", "Map"));
        }
        std::ostringstream out, err;
        EXPECT_EQ(RunCommand(c.command, s.path(), out, err), c.status) << c.command;
        EXPECT_EQ(out.str(), c.out) << c.command;
        EXPECT_EQ(err.str(), c.err) << c.command;
    }
}

TEST(PageCommandLine, FileErrorIsStatusOne) {
    Site s;
    std::filesystem::create_directory(s.path() / "HTML/register.htm");
    std::ostringstream out, err;
    EXPECT_EQ(RunCommand("make-register", s.path(), out, err), 1);
    EXPECT_EQ(out.str(), "Making HTML for User Registration\n");
    EXPECT_NE(err.str().find((s.path() / "HTML/register.htm").string()), std::string::npos) << err.str();
}
