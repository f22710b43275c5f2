#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/numbermodel.h"

using namespace vintaro;

namespace {

std::set<std::string> rowsOf(int n)
{
    std::set<std::string> rows;
    for (int r = 0; r < kRowCount; ++r)
        if (isRowMember(r, n))
            rows.insert(std::string(rowCaption(r)));
    return rows;
}

} // namespace

TEST(NumberModel, RedTableAndColours)
{
    const std::set<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(isRed(n), red.count(n) == 1) << n;
        EXPECT_EQ(displayColour(n), red.count(n) ? kRedColour : kBlackColour) << n;
    }
    EXPECT_FALSE(isRed(0));
    EXPECT_EQ(displayColour(0), kBlackColour);
    // Neighbours across the colour changes of the table.
    EXPECT_FALSE(isRed(10));
    EXPECT_FALSE(isRed(11));
    EXPECT_TRUE(isRed(18));
    EXPECT_TRUE(isRed(19));
    EXPECT_FALSE(isRed(28));
    EXPECT_FALSE(isRed(29));
    // Values no spin can have are never red and never index past the table.
    EXPECT_FALSE(isRed(-1));
    EXPECT_FALSE(isRed(37));
    EXPECT_EQ(displayColour(1000), kBlackColour);
}

TEST(NumberModel, CaptionsAreExact)
{
    const char *expected[] = {"Fekete",   "Piros",     "Alacsony",    "Magas",      "1. harmad",
                              "2. harmad", "3. harmad", "Oszlop P",   "Oszlop M",   "Oszlop D",
                              "P\xC3\xA1ros", "P\xC3\xA1ratlan", "Oszlop  P M", "Oszlop  M D"};
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(rowCaption(r), expected[r]) << r;
    EXPECT_TRUE(rowCaption(14).empty());
}

TEST(NumberModel, ZeroAndOutsideValuesBelongToNoRow)
{
    EXPECT_TRUE(rowsOf(0).empty());
    EXPECT_TRUE(rowsOf(-3).empty());
    EXPECT_TRUE(rowsOf(37).empty());
    EXPECT_EQ(rowMask(0), 0);
    EXPECT_EQ(rowMask(99), 0);
}

TEST(NumberModel, MembershipOfBoundaryNumbers)
{
    using S = std::set<std::string>;
    EXPECT_EQ(rowsOf(36), (S{"Piros", "Magas", "3. harmad", "Oszlop D", "P\xC3\xA1ros", "Oszlop  M D"}));
    EXPECT_EQ(rowsOf(35), (S{"Fekete", "Magas", "3. harmad", "Oszlop M", "P\xC3\xA1ratlan", "Oszlop  P M",
                             "Oszlop  M D"}));
    EXPECT_EQ(rowsOf(1), (S{"Piros", "Alacsony", "1. harmad", "Oszlop P", "P\xC3\xA1ratlan", "Oszlop  P M"}));
    EXPECT_TRUE(rowsOf(18).count("Alacsony"));
    EXPECT_TRUE(rowsOf(19).count("Magas"));
    EXPECT_TRUE(rowsOf(12).count("1. harmad"));
    EXPECT_TRUE(rowsOf(13).count("2. harmad"));
    EXPECT_TRUE(rowsOf(24).count("2. harmad"));
    EXPECT_TRUE(rowsOf(25).count("3. harmad"));
}

TEST(NumberModel, RowGroupsPartitionOneToThirtySix)
{
    // {0,1}, {2,3}, {4,5,6}, {7,8,9}, {10,11}: each number in exactly one row
    // of every group; rows 12 and 13 overlap on column M.
    const std::vector<std::vector<int>> groups = {{0, 1}, {2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11}};
    for (int n = 1; n <= 36; ++n) {
        for (const auto &group : groups) {
            int count = 0;
            for (int r : group)
                count += isRowMember(r, n);
            EXPECT_EQ(count, 1) << "number " << n;
        }
        EXPECT_EQ(isRowMember(12, n) && isRowMember(13, n), n % 3 == 2) << n;
    }
    int members[kRowCount] = {};
    for (int n = 1; n <= 36; ++n)
        for (int r = 0; r < kRowCount; ++r)
            members[r] += isRowMember(r, n);
    const int expected[kRowCount] = {18, 18, 18, 18, 12, 12, 12, 12, 12, 12, 18, 18, 24, 24};
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(members[r], expected[r]) << r;
}
