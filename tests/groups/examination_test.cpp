#include <gtest/gtest.h>

#include "examination.h"

namespace vintaro {
namespace {

SpinHistory historyOf(std::initializer_list<int> spins)
{
    SpinHistory h;
    for (int n : spins)
        h.push(n);
    return h;
}

Selection selecting(std::initializer_list<int> numbers)
{
    Selection s;
    for (int n : numbers)
        s.toggle(n);
    return s;
}

TEST(Examination, FiveOverFiveOneOneFive)
{
    const auto e = examineSelection(selecting({5}), historyOf({5, 1, 1, 5}));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->lines, (std::vector<std::string>{"   1   0 *", "   2   -", "   3   -", "   4   2 *"}));
    EXPECT_EQ(e->figures, (BetFigures{2, 0, 2, 3}));
}

TEST(Examination, LineFormsAndLongPositions)
{
    EXPECT_EQ(hitLine(12, 3), "  12   3 *");
    EXPECT_EQ(missLine(7), "   7   -");
    EXPECT_EQ(hitLine(32736, 1200), "32736   1200 *");
    EXPECT_EQ(missLine(1234), "1234   -");
}

TEST(Examination, MissesRunsAndTheTrustedCount)
{
    // Never hit: every line a miss, the position the spin count.
    const auto never = examineSelection(selecting({36, 0}), historyOf({1, 2, 3}));
    ASSERT_TRUE(never);
    EXPECT_EQ(never->lines, (std::vector<std::string>{"   1   -", "   2   -", "   3   -"}));
    EXPECT_EQ(never->figures, (BetFigures{0, 3, 3, 3}));

    // Two runs of two: the position stays at the end of the first.
    const auto twice = examineSelection(selecting({0}), historyOf({1, 1, 0, 1, 1, 0}));
    EXPECT_EQ(twice->figures, (BetFigures{2, 0, 2, 2}));

    // The count reads 0: nothing is examined although 5 is flagged.
    Selection s = selecting({5});
    s.setCountText("0");
    EXPECT_FALSE(examineSelection(s, historyOf({5})));
    // The count reads non-zero with no flag: every spin misses.
    Selection none;
    none.setCountText(" 2");
    const auto misses = examineSelection(none, historyOf({5, 6}));
    ASSERT_TRUE(misses);
    EXPECT_EQ(misses->figures, (BetFigures{0, 2, 2, 2}));

    // An empty history with a selection: no lines, every figure 0.
    const auto empty = examineSelection(selecting({5}), SpinHistory());
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->lines.empty());
    EXPECT_EQ(empty->figures, BetFigures{});
}

} // namespace
} // namespace vintaro
