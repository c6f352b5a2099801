#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "store/Text.h"

using namespace gavlin;

TEST(Text, NumericValue) {
    struct Case {
        const char* text;
        double value;
    };
    for (const Case& c : {Case{"", 0}, Case{"25", 25}, Case{"12.50", 12.5}, Case{"12.50 dollars", 12.5},
                          Case{"1,000", 1}, Case{"$10", 0}, Case{"  1 2 ", 12}, Case{"-5", -5}, Case{"+7", 7},
                          Case{".5", 0.5}, Case{"1.2.3", 1.2}, Case{"5-3", 5}, Case{"-", 0}, Case{"abc", 0},
                          Case{"1e5", 1}}) {
        EXPECT_DOUBLE_EQ(NumericValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(Text, PlainNumber) {
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : {Case{26, "26"}, Case{26.5, "26.5"}, Case{0, "0"}, Case{-0.0, "0"}, Case{1e20, "100000000000000000000"},
                          Case{123456789012.25, "123456789012.25"}, Case{0.1 + 0.2, "0.3"}, Case{1e-7, "0.0000001"},
                          Case{-3, "-3"}}) {
        EXPECT_EQ(PlainNumber(c.value), c.text) << c.value;
    }
}

TEST(Text, TrimAndCompareTouchOnlyBlanksAndAsciiLetters) {
    EXPECT_EQ(Trim("  a b \t "), "a b \t");
    EXPECT_EQ(TrimRight("ab   "), "ab");
    EXPECT_EQ(UpperAscii("abz\xe9"), "ABZ\xe9");
    EXPECT_TRUE(SameKey("  Bob@Example.com ", "BOB@example.COM"));
    EXPECT_FALSE(SameKey("\xe9", "\xc9"));
}

TEST(Text, NaturalOrder) {
    std::vector<std::string> names{"10.msg", "2.MSG", "1.msg", "b.msg", "A.msg", "01.msg"};
    std::sort(names.begin(), names.end(), [](auto& a, auto& b) { return NaturalLess(a, b); });
    EXPECT_EQ(names, (std::vector<std::string>{"1.msg", "01.msg", "2.MSG", "10.msg", "A.msg", "b.msg"}));
}

TEST(Text, PlainFileNames) {
    for (const char* ok : {"abcdefgh.htm", " x.htm "}) EXPECT_TRUE(IsPlainFileName(ok)) << ok;
    for (const char* bad : {"", "   ", ".", "..", "../x.htm", "a/b", "a\\b"}) EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}
