#include <gtest/gtest.h>

#include "CloseoutFixture.h"
#include "closeout/EndTest.h"

using namespace gavlin;
using gavlin::test::At;

TEST(EndTest, BoundariesAndUnusualFields) {
    struct Case {
        const char* what;
        const char *month, *day, *year, *hour;
        LocalTime now;
        bool ended;
    };
    const Case cases[] = {
        {"end day, before the end hour", "05", "14", "2000", "14", At(2000, 5, 14, 13, 59), false},
        {"end day, at the end hour", "05", "14", "2000", "14", At(2000, 5, 14, 14, 0), true},
        {"end day, later hour", "05", "14", "2000", "14", At(2000, 5, 14, 23, 59), true},
        {"day after, whatever the hour", "05", "13", "2000", "23", At(2000, 5, 14, 0, 0), true},
        {"next year's end stays open", "01", "05", "2000", "00", At(1999, 12, 20, 23), false},
        {"last year's end has come", "12", "30", "1999", "23", At(2000, 1, 2, 0), true},
        {"later month, earlier day", "06", "01", "2000", "00", At(2000, 5, 31, 23), false},
        {"blank fields count as 0", "  ", "  ", "    ", "  ", At(2000, 1, 1, 0), true},
        {"blanks around the digits", " 5", "14", "2000", "9 ", At(2000, 5, 14, 8), false},
        {"text reads as 0", "ab", "01", "2000", "00", At(2000, 1, 1, 0), true},
        {"fraction dropped", "05", "14", "2000", ".9", At(2000, 5, 14, 0), true},
        {"no calendar check: month 13", "13", "01", "2000", "00", At(2000, 12, 31, 23), false},
        {"no calendar check: 31 February", "02", "31", "2000", "00", At(2000, 3, 1, 0), true},
        {"no calendar check: 31 February, not yet", "02", "31", "2000", "00", At(2000, 2, 29, 23), false},
    };
    for (const Case& c : cases) {
        AuctionRecord a = gavlin::test::Auction("x", c.month, c.day, c.year, c.hour);
        // Decode what is stored, so the fields are read at their full width.
        a = DecodeRecord<AuctionRecord>(EncodeRecord(a));
        EXPECT_EQ(AuctionHasEnded(a, c.now), c.ended) << c.what;
    }
}
