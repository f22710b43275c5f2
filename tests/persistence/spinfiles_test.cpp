#include <gtest/gtest.h>

#include "persistence/spinfiles.h"

namespace vintaro {
namespace {

std::vector<std::int16_t> spinsOf(std::string_view content) { return parseSpinList(content).spins; }

TEST(SpinFiles, FieldValueRoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(fieldValue("5"), 5);
    EXPECT_EQ(fieldValue("  17"), 17);
    EXPECT_EQ(fieldValue("1 7"), 17);
    EXPECT_EQ(fieldValue("0.5"), 0);
    EXPECT_EQ(fieldValue("1.5"), 2);
    EXPECT_EQ(fieldValue("2.5"), 2);
    EXPECT_EQ(fieldValue("3.5"), 4);
    EXPECT_EQ(fieldValue("36.5"), 36);
    EXPECT_EQ(fieldValue("36.51"), 37);
    EXPECT_EQ(fieldValue("12abc"), 12);
    EXPECT_EQ(fieldValue("-1"), -1);
    EXPECT_EQ(fieldValue(""), std::nullopt);
    EXPECT_EQ(fieldValue("abc"), std::nullopt);
}

TEST(SpinFiles, ListsOfBothWritersLoadTheSameSpins)
{
    const std::vector<std::int16_t> expected{5, 17, 0};
    EXPECT_EQ(spinsOf(" 5\r\n17\r\n 0\r\n"), expected);
    EXPECT_EQ(spinsOf("5\r\n17\r\n0\r\n"), expected);
    EXPECT_EQ(spinsOf("5\n17\n0"), expected);
    EXPECT_EQ(spinsOf("5,17\r\n0\r\n"), expected);
    const SpinList empty = parseSpinList("");
    EXPECT_TRUE(empty.spins.empty());
    EXPECT_EQ(empty.skipped, 0);
    EXPECT_EQ(empty.firstSkippedLine, 0);
}

TEST(SpinFiles, ALongerListKeepsItsNewestSpins)
{
    std::string content;
    const int total = SpinHistory::kCapacity + 5;
    for (int i = 0; i < total; ++i)
        content += std::to_string(i % 37) + "\r\n";
    const SpinList list = parseSpinList(content);
    ASSERT_EQ(list.spins.size(), static_cast<size_t>(SpinHistory::kCapacity));
    EXPECT_EQ(list.leftOut, 5);
    EXPECT_EQ(list.spins.front(), 5);
    EXPECT_EQ(list.spins.back(), (total - 1) % 37);

    std::string full;
    for (int i = 0; i < SpinHistory::kCapacity; ++i)
        full += "7\r\n";
    EXPECT_EQ(parseSpinList(full).leftOut, 0);
}

} // namespace
} // namespace vintaro
