#include <gtest/gtest.h>

#include "core/textformat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

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

TEST(TextFormat, HungarianNumbersArticlesAndTimes)
{
    const std::string nnbsp = "\xE2\x80\xAF"; // the narrow no-break space between thousands
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(999), "999");
    EXPECT_EQ(formatInteger(32736), "32" + nnbsp + "736");
    EXPECT_EQ(formatInteger(-1234567), "-1" + nnbsp + "234" + nnbsp + "567");
    EXPECT_EQ(formatInteger(INT64_MIN), "-9" + nnbsp + "223" + nnbsp + "372" + nnbsp + "036" + nnbsp + "854" + nnbsp +
                                            "775" + nnbsp + "808");
    EXPECT_EQ(formatDecimal(1234.25, 1), "1" + nnbsp + "234,2"); // ties to even in binary: 1234.25 is exact
    EXPECT_EQ(formatDecimal(-0.004, 2), "0,00");
    EXPECT_EQ(formatDecimal(-1.25, 2), "-1,25");
    EXPECT_EQ(formatDecimal(2.5, 0), "2");
    EXPECT_EQ(formatDecimal(0.0 / 0.0, 1), "-");
    EXPECT_EQ(formatDecimal(1e300, 0).size(), 301 + 100 * nnbsp.size());
    EXPECT_EQ(formatDecimal(0.5, 500), "0,5" + std::string(396, '0')); // cut where printf cuts, at 399 characters

    // The digits are printf's, the rounding of the exact binary value
    // included, whatever the size and the count of decimals.
    std::mt19937_64 random(29);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::ldexp(double(random() >> 11), int(random() % 80) - 90) * (i % 2 ? 1 : -1);
        const int decimals = int(random() % 9);
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, std::fabs(value));
        std::string digits;
        for (char c : formatDecimal(value, decimals))
            if (c >= '0' && c <= '9')
                digits += c;
        std::string wanted;
        for (const char *c = expected; *c; ++c)
            if (*c != '.')
                wanted += *c;
        ASSERT_EQ(digits, wanted) << value << " to " << decimals;
    }

    // "az" where the spoken number begins with a vowel: egy, öt, ötven,
    // ötszáz, ezer, egymillió; "a" for tíz, száz, tízezer, százezer and the rest.
    const std::vector<std::pair<std::int64_t, const char *>> articles = {
        {0, "a"}, {1, "az"}, {2, "a"}, {5, "az"}, {10, "a"}, {11, "a"}, {15, "a"}, {19, "a"}, {20, "a"},
        {50, "az"}, {59, "az"}, {60, "a"}, {100, "a"}, {185, "a"}, {500, "az"}, {599, "az"}, {999, "a"},
        {1000, "az"}, {1999, "az"}, {2000, "a"}, {5000, "az"}, {10000, "a"}, {100000, "a"}, {1000000, "az"},
        {55, "az"}, {-5, "a"}};
    for (const auto &[value, article] : articles)
        EXPECT_EQ(articleFor(value), article) << value;
    EXPECT_EQ(articleFor(1, true), "Az");
    EXPECT_EQ(articleFor(7, true), "A");
    EXPECT_EQ(withArticle(5), "az 5");
    EXPECT_EQ(withArticle(1500), "az 1" + nnbsp + "500");
    EXPECT_EQ(withArticle(32736), "a 32" + nnbsp + "736");

    const std::vector<std::pair<std::int64_t, const char *>> times = {
        {1, "1-szeres"}, {2, "2-szeres"}, {3, "3-szoros"}, {5, "5-szörös"}, {6, "6-szoros"}, {10, "10-szeres"},
        {20, "20-szoros"}, {37, "37-szeres"}, {40, "40-szeres"}, {50, "50-szeres"}, {80, "80-szoros"},
        {100, "100-szoros"}, {105, "105-szörös"}, {1000, "1\xE2\x80\xAF" "000-szeres"},
        {2000000, "2\xE2\x80\xAF" "000\xE2\x80\xAF" "000-szoros"}, {0, "0-szoros"}};
    for (const auto &[value, expected] : times)
        EXPECT_EQ(timesText(value), expected) << value;
}

TEST(TextFormat, EnglishNumbersHaveNoArticleAndFold)
{
    setTextLanguage(TextLanguage::English);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {formatInteger(32736), "32,736"}, {formatInteger(-1234567), "-1,234,567"}, {formatInteger(999), "999"},
        {formatDecimal(1234.25, 1), "1,234.2"}, {formatDecimal(-1.25, 2), "-1.25"}, {formatDecimal(-0.004, 2), "0.00"},
        {withArticle(5), "5"}, {withArticle(1500), "1,500"}, {std::string(articleFor(1, true)), ""},
        {timesText(37), "37-fold"}, {timesText(1000), "1,000-fold"}};
    setTextLanguage(TextLanguage::Hungarian);
    for (const auto &[got, expected] : cases)
        EXPECT_EQ(got, expected);
    EXPECT_EQ(formatDecimal(-1.25, 2), "-1,25"); // back in Hungarian
}

TEST(TextFormat, DisplayWidthAndSignificantDecimals)
{
    const std::vector<std::pair<std::string, size_t>> cases = {
        {"", 0}, {"Szám", 4}, {"−(tét)/37", 9}, {"32\xE2\x80\xAF" "736", 6}, {"χ² = 1,5", 8}, {"\xF0\x9F\x98\x80", 1}};
    for (const auto &[text, width] : cases)
        EXPECT_EQ(displayWidth(text), width) << text;

    // Three significant digits: 12,3; 1,83; 0,0123; 9,996 rounds up to 10,0.
    const std::vector<std::pair<double, int>> decimals = {
        {12.34, 1}, {1.834, 2}, {0.01234, 4}, {-0.5, 3}, {9.996, 1}, {999.6, 0}, {0.0, 2}, {1.0 / 0.0, 2}};
    for (const auto &[value, expected] : decimals)
        EXPECT_EQ(significantDecimals(value, 3), expected) << value;
}
