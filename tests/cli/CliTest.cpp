#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"
#include "support/TempDir.h"

using namespace gavlin;

TEST(CommandLine, Parsing) {
    using A = CommandLine::Action;
    struct Case {
        std::vector<std::string> args;
        A action;
        std::string command, dir;
    };
    for (const Case& c : {Case{{}, A::Gui, "", ""}, Case{{"--dir", "/x"}, A::Gui, "", "/x"},
                          Case{{"--dir", "/x", "examine"}, A::Command, "examine", "/x"},
                          Case{{"maintenance", "--dir=/y"}, A::Command, "maintenance", "/y"},
                          Case{{"--help"}, A::Help, "", ""}, Case{{"examine", "--help"}, A::Help, "", ""},
                          Case{{"frobnicate"}, A::UsageError, "", ""}, Case{{"--bogus"}, A::UsageError, "", ""},
                          Case{{"--dir"}, A::UsageError, "", ""},
                          Case{{"examine", "maintenance"}, A::UsageError, "", ""}}) {
        CommandLine cl = ParseCommandLine(c.args);
        EXPECT_EQ(cl.action, c.action) << testing::PrintToString(c.args);
        if (c.action == A::Command) {
            EXPECT_EQ(cl.command, c.command);
        }
        if (!c.dir.empty()) {
            EXPECT_EQ(cl.dir->string(), c.dir);
        }
    }
}

TEST(CommandLine, UsageListsEveryCommand) {
    std::string usage = UsageText();
    for (const char* c : {"make-all", "make-items", "make-categories", "make-main", "make-register", "make-inform",
                          "examine", "maintenance", "--dir"})
        EXPECT_NE(usage.find(c), std::string::npos) << c;
}

TEST(CommandLine, EveryCommandPreparesTheDirectoryFirst) {
    gavlin::test::TempDir d;
    std::ostringstream out, err;
    RunCommand("maintenance", d.path(), out, err);
    EXPECT_EQ(d.read("config.dat").size(), 6417u);
    EXPECT_TRUE(d.exists("HTML"));
}

TEST(CommandLine, MissingDirectoryIsAnError) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCommand("examine", "/nonexistent/gavlin", out, err), 1);
    EXPECT_NE(err.str().find("/nonexistent/gavlin"), std::string::npos);
}
