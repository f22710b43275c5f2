#include <gtest/gtest.h>

#include "core/textformat.h"

using namespace vintaro;

TEST(TextFormat, NumberTexts)
{
    EXPECT_EQ(signedText(3), " 3");
    EXPECT_EQ(signedText(0), " 0");
    EXPECT_EQ(signedText(-1), "-1");
    EXPECT_EQ(plainText(12), "12");
    EXPECT_EQ(rightAligned(7, 2), " 7");
    EXPECT_EQ(rightAligned(7, 4), "   7");
    EXPECT_EQ(rightAligned(12345, 4), "12345"); // longer values in full
    EXPECT_EQ(zeroPadded(7, 2), "07");
    EXPECT_EQ(zeroPadded(7, 3), "007");
    EXPECT_EQ(zeroPadded(1234, 3), "1234");
    EXPECT_EQ(zeroPadded(1, 4), "0001");
}

TEST(TextFormat, HistoryLines)
{
    EXPECT_EQ(historyLine(1, 0), "   1    0");
    EXPECT_EQ(historyLine(1, 17), "   1    17");
    EXPECT_EQ(historyLine(123, 36), " 123    36");
    EXPECT_EQ(historyLine(9999, 5), "9999    5");
    EXPECT_EQ(historyLine(12345, 7), "12345    7");
    // The last two characters carry the number, a blank before one digit.
    EXPECT_EQ(historyLine(4, 5).substr(historyLine(4, 5).size() - 2), " 5");
}

TEST(TextFormat, LeadingNumberOfAText)
{
    EXPECT_EQ(leadingValue(" 12"), 12);
    EXPECT_EQ(leadingValue(""), 0);
    EXPECT_EQ(leadingValue("abc"), 0);
    EXPECT_EQ(leadingValue("  4  "), 4);
    EXPECT_EQ(leadingValue("1 2x"), 12); // blanks inside are ignored
    EXPECT_EQ(leadingValue("3.5"), 3.5);
    EXPECT_EQ(leadingValue("-2"), -2);
    EXPECT_EQ(leadingValue("07"), 7);
    EXPECT_EQ(leadingValue("12abc"), 12);
    EXPECT_FALSE(hasLeadingNumber("  "));
    EXPECT_FALSE(hasLeadingNumber("-"));
    EXPECT_TRUE(hasLeadingNumber(" 0"));
    EXPECT_EQ(leadingInt("99999999999999"), 2147483647);
    EXPECT_EQ(leadingInt(" 3.9"), 3);
}

TEST(TextFormat, RoundingHalfToEven)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(1.4), 1);
    EXPECT_EQ(roundHalfEven(1.6), 2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(1e300), 2147483647);
}

TEST(TextFormat, TrimmingBlanks)
{
    EXPECT_EQ(trimBlanks(" 7 "), "7");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("4  "), "4");
    EXPECT_EQ(trimBlanks("\t4"), "\t4"); // only blanks are trimmed
}
