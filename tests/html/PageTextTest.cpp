#include <gtest/gtest.h>

#include "html/PageText.h"
#include "html/PageWriter.h"

using namespace gavlin;

TEST(PageText, HourRule) {
    for (auto [field, text] : std::initializer_list<std::pair<const char*, const char*>>{{"00", "00 AM"},
                                                                                         {"09", "09 AM"},
                                                                                         {"12", "12 AM"},
                                                                                         {"13", "1 PM"},
                                                                                         {"23", "11 PM"},
                                                                                         {"  ", " AM"},
                                                                                         {"", " AM"},
                                                                                         {"x", "x AM"},
                                                                                         {" 7", "7 AM"},
                                                                                         {"12.5", "12.5 AM"},
                                                                                         {"13.5", "1.5 PM"},
                                                                                         {"99", "87 PM"}})
        EXPECT_EQ(HourText(field), text) << field;
}

TEST(PageText, DatePatterns) {
    struct Case {
        const char* text;
        const char* longForm;
        const char* shortForm;
    };
    for (const Case& c :
         {Case{"01/05/1998", "Monday, January 05, 1998", "Mon, Jan 05, 1998"},
          Case{"12-05-1998", "Saturday, December 05, 1998", "Sat, Dec 05, 1998"},
          Case{" 1/ 5/1998", "Monday, January 05, 1998", "Mon, Jan 05, 1998"},
          Case{"02/29/2000", "Tuesday, February 29, 2000", "Tue, Feb 29, 2000"},
          Case{"9-30-2026", "Wednesday, September 30, 2026", "Wed, Sep 30, 2026"},
          Case{"02/29/1900", "02/29/1900", "02/29/1900"}, Case{"02/31/1998", "02/31/1998", "02/31/1998"},
          Case{"13/01/1998", "13/01/1998", "13/01/1998"}, Case{"01/05/98", "01/05/98", "01/05/98"},
          Case{"01/05/0000", "01/05/0000", "01/05/0000"}, Case{"  /  /    ", "/  /", "/  /"},
          Case{" 01/05/1998/1 ", "01/05/1998/1", "01/05/1998/1"}, Case{"", "", ""}, Case{"     ", "", ""}}) {
        EXPECT_EQ(FormatDate(c.text, DatePattern::Long), c.longForm) << c.text;
        EXPECT_EQ(FormatDate(c.text, DatePattern::Short), c.shortForm) << c.text;
    }
}

TEST(PageText, Escaping) {
    EXPECT_EQ(HtmlEscape("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d'");
}

TEST(PageText, TemplateLineEnds) {
    for (auto [in, out] : std::initializer_list<std::pair<const char*, const char*>>{{"", ""},
                                                                                     {"a", "a\r\n"},
                                                                                     {"a\r\nb\r\n", "a\r\nb\r\n"},
                                                                                     {"a\nb", "a\r\nb\r\n"},
                                                                                     {"a\rb\r", "a\r\nb\r\n"},
                                                                                     {"a\r\r\nb", "a\r\n\r\nb\r\n"},
                                                                                     {"\n\n", "\r\n\r\n"},
                                                                                     {"a\n\rb", "a\r\n\r\nb\r\n"}})
        EXPECT_EQ(TemplateLines(in), out) << in;
}
