#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/HelpBook.h"

using namespace gavlin;

namespace {
const char* const kBook =
    "# comment\r\n"
    "@topic contents Gavlin Help\r\n"
    "@keywords contents; Start\r\n"
    "Read [[mail]] first, then [[mail|the mail window]].\r\n"
    "second line of the paragraph\r\n"
    "\r\n"
    "- one & <two>\r\n"
    "  continued\r\n"
    "== Heading\r\n"
    "@topic mail Retrieving Mail\r\n"
    "@keywords mail; Messages; start-up\r\n"
    "Text.\r\n";
}

TEST(HelpBook, ParsesTopicsKeywordsAndBody) {
    HelpBook book = ParseHelpBook(kBook);
    EXPECT_TRUE(book.problems.empty());
    ASSERT_EQ(book.topics.size(), 3u);
    EXPECT_EQ(book.topics[2].id, kHelpOnHelpTopic);
    EXPECT_EQ(book.topics[0].id, "contents");
    EXPECT_EQ(book.topics[0].title, "Gavlin Help");
    EXPECT_EQ(book.topics[0].keywords, (std::vector<std::string>{"contents", "Start"}));
    EXPECT_EQ(book.topics[1].title, "Retrieving Mail");

    std::string html = HelpTopicHtml(book, book.topics[0]);
    EXPECT_NE(html.find("<a href=\"topic:mail\">Retrieving Mail</a>"), std::string::npos) << html;
    EXPECT_NE(html.find("<a href=\"topic:mail\">the mail window</a>"), std::string::npos);
    EXPECT_NE(html.find("the mail window</a>. second line of the paragraph</p>"), std::string::npos);
    EXPECT_NE(html.find("<li>one &amp; &lt;two&gt; continued</li>"), std::string::npos) << html;
    EXPECT_NE(html.find("<h3>Heading</h3>"), std::string::npos);
    EXPECT_EQ(html.find('\r'), std::string::npos);
}

TEST(HelpBook, ReportsMistakesWithLineNumbers) {
    HelpBook book = ParseHelpBook("stray\n@topic a A\nsee [[b]]\n@topic a Again\n@topic lonely\n@bogus\n");
    std::vector<std::string> expected = {"line 1: text before the first topic", "line 4: the topic id a is used twice",
                                         "line 5: a topic needs an id and a title",
                                         "line 6: unknown instruction @bogus", "line 3: no topic b"};
    EXPECT_EQ(book.problems, expected);
}

TEST(HelpBook, IndexIsSortedAndSearchedByPrefixWithoutCase) {
    HelpBook book = ParseHelpBook(kBook, false);
    auto index = HelpIndex(book);
    std::vector<std::string> keywords;
    for (auto& e : index) keywords.push_back(e.keyword);
    EXPECT_EQ(keywords, (std::vector<std::string>{"contents", "mail", "Messages", "Start", "start-up"}));
    struct Case {
        const char* key;
        size_t row;
    } cases[] = {{"MAIL", 1}, {"me", 2}, {"  st ", 3}, {"start-", 4}, {"b", 0}, {"mz", 3}, {"zzz", 5}, {"", 0}};
    for (const Case& c : cases) EXPECT_EQ(FindHelpIndexEntry(index, c.key), c.row) << c.key;
}

// The shipped help file: every link leads somewhere and the contents come first.
TEST(HelpBook, ShippedHelpFileIsWellFormed) {
    std::ifstream in(GAVLIN_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(in);
    std::ostringstream text;
    text << in.rdbuf();
    HelpBook book = ParseHelpBook(text.str());
    EXPECT_EQ(book.problems, std::vector<std::string>{});
    ASSERT_FALSE(book.topics.empty());
    EXPECT_EQ(book.topics.front().id, "contents");
    for (const HelpTopic& t : book.topics) EXPECT_FALSE(t.keywords.empty()) << t.id << " has no index entry";
}
