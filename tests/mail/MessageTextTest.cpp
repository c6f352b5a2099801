#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mail/MessageText.h"

using namespace gavlin;
using namespace std::string_literals;

TEST(MessageLines, EndAtCrLfLfOrCr) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    for (const Case& c : {Case{"", {}}, Case{"a", {"a"}}, Case{"a\r\nb\r\n", {"a", "b"}}, Case{"a\nb", {"a", "b"}},
                          Case{"a\rb\r", {"a", "b"}}, Case{"a\n\rb", {"a", "", "b"}}, Case{"\r\r\n\n", {"", "", ""}},
                          Case{"x\0y\r\n"s, {"x\0y"s}}}) {
        std::vector<std::string> got;
        for (auto l : SplitLines(c.text)) got.emplace_back(l);
        EXPECT_EQ(got, c.lines) << testing::PrintToString(c.text);
    }
}

TEST(MessageCollecting, JoinsLinesOfRecognisedMessages) {
    struct Case {
        const char* what;
        std::string file;
        bool recognised, quoted;
        std::string joined;
    };
    for (const Case& c : {
             Case{"no marker", "Subject: hi\r\n\r\nGAVLIN=register\r\n", false, false, ""},
             Case{"plain, lines trimmed", "Subject: x \r\n\r\n  GAVLIN=REGISTER&ALIAS=joe  \r\n&CITY=Rome\r\n", true,
                  false, "Subject: xGAVLIN=REGISTER&ALIAS=joe&CITY=Rome"},
             Case{"plain keeps a final =", "GAVLIN=NEWBID&A=\nB\n", true, false, "GAVLIN=NEWBID&A=B"},
             Case{"plain keeps =3D", "GAVLIN=NEWBID&ITEMBID=3D\n", true, false, "GAVLIN=NEWBID&ITEMBID=3D"},
             Case{"soft line breaks", "GAVLIN=3DREGISTER&ALIAS=3D=\njoe  =\n&CITY=3DRome", true, true,
                  "GAVLIN=3DREGISTER&ALIAS=3Djoe&CITY=3DRome"},
             Case{"= then a blank is no soft break", "GAVLIN=3DNEWBID&A=3Dx= \ny\n", true, true,
                  "GAVLIN=3DNEWBID&A=3Dx=y"},
             Case{"a lone = line", "GAVLIN=3DNEWBID\n =\nz", true, true, "GAVLIN=3DNEWBIDz"},
             Case{"a tab is no blank", "X\t=\nGAVLIN=3DNEWBID\t\n", true, true, "X\tGAVLIN=3DNEWBID\t"},
             Case{"marker split by a soft break", "GAVLIN=3D=\nREGISTER\n", false, false, ""},
             Case{"the first marker line decides", "GAVLIN=REGISTER\nGAVLIN=3DNEWBID=\nx\n", true, false,
                  "GAVLIN=REGISTERGAVLIN=3DNEWBID=x"},
             Case{"both kinds on the first line", "GAVLIN=REGISTER GAVLIN=3DNEWBID=\nx", true, true,
                  "GAVLIN=REGISTER GAVLIN=3DNEWBIDx"},
             Case{"CR only, no final line end", "Subject: a\rGAVLIN=NEWBID\r&X=1", true, false,
                  "Subject: aGAVLIN=NEWBID&X=1"},
         }) {
        CollectedMessage m = CollectMessage(c.file);
        EXPECT_EQ(m.recognised, c.recognised) << c.what;
        EXPECT_EQ(m.quotedPrintable, c.quoted) << c.what;
        EXPECT_EQ(m.joined, c.joined) << c.what;
    }
}

TEST(MessageDecoding, FormEncodingAndQuotedPrintableEquals) {
    struct Case {
        std::string in;
        bool quoted;
        std::string out;
    };
    for (const Case& c : {
             Case{"a+b%2Bc%25d%26e", false, "a b+c%d&e"},
             Case{"x%0D%0Ay%0a", false, "x  y "},
             Case{"%41%4a%4G%G4", false, "AJ\x04\0"s},
             Case{"%252B", false, "%2B"},     // a decoded character is final
             Case{"%3D3D+x", true, "=3D x"},  // also for "=3D"
             Case{"%2", false, "\x02"},
             Case{"ab%", false, "ab"},
             Case{"ab%   ", false, "ab"},  // trailing blanks are not used
             Case{"a%4 ", false, "a\x04"},
             Case{"% Ax", false, "\0x"s},
             Case{"ITEMNAME=3D+glasses", false, "ITEMNAME=3D glasses"},
             Case{"ITEMNAME=3D3D+glasses", true, "ITEMNAME=3D glasses"},
             Case{"A=3DB=3dC", true, "A=B=3dC"},
             Case{"=3D=3D", true, "=="},
             Case{"\xff\xfe\0%C3%A9"s, false, "\xff\xfe\0\xc3\xa9"s},
         }) {
        EXPECT_EQ(DecodeText(c.in, c.quoted), c.out) << testing::PrintToString(c.in);
    }
}

TEST(MessageKeys, ValueOfAKey) {
    struct Case {
        std::string text, key;
        std::optional<std::string> value;
    };
    for (const Case& c : {
             Case{"GAVLIN=REGISTER&ALIAS=joe&CITY=Rome", "ALIAS=", "joe"},
             Case{"GAVLIN=REGISTER&ALIAS=joe&CITY=Rome", "CITY=", "Rome"},
             Case{"X&CITY=Rome   ", "CITY=", "Rome"},
             Case{"X&CITY= Rome  x ", "CITY=", " Rome  x"},
             Case{"X&CITY=&ZIP=1", "CITY=", ""},
             Case{"X&CITY=", "CITY=", std::nullopt},  // nothing after the key
             Case{"X&CITY=   ", "CITY=", std::nullopt},
             Case{"GAVLIN=REGISTER", "GAVLIN=REGISTER", std::nullopt},
             Case{"GAVLIN=REGISTER ", "GAVLIN=REGISTER", std::nullopt},
             Case{"GAVLIN=REGISTER&", "GAVLIN=REGISTER", ""},
             Case{"A=1&A=2", "A=", "1"},                        // repeated key: the first wins
             Case{"REALNAME=xEMAIL=y&EMAIL=z", "EMAIL=", "y"},  // typed into an earlier field
             Case{"PASSWORD=a=b=c&&&", "PASSWORD=", "a=b=c"},
             Case{"city=Rome", "CITY=", std::nullopt},  // keys are matched exactly
             Case{"", "A=", std::nullopt},
         }) {
        auto v = KeyValue(c.text, c.key);
        EXPECT_EQ(v.has_value(), c.value.has_value()) << c.text << " / " << c.key;
        if (v && c.value) {
            EXPECT_EQ(std::string(*v), *c.value) << c.text << " / " << c.key;
        }
    }
}
