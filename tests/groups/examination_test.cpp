#include <gtest/gtest.h>

#include "groups/examination.h"
#include "tests/support/histories.h"

namespace vintaro {
namespace {

using test::historyOf;

Selection selecting(std::initializer_list<int> numbers)
{
    Selection s;
    for (int n : numbers)
        s.toggle(n);
    return s;
}

TEST(Examination, LineFormsAndLongPositions)
{
    EXPECT_EQ(hitLine(12, 3), "  12   3 *");
    EXPECT_EQ(missLine(7), "   7   -");
    EXPECT_EQ(hitLine(32736, 1200), "32736   1200 *");
    EXPECT_EQ(missLine(1234), "1234   -");
}

TEST(Examination, MissesRunsAndAnEmptyHistory)
{
    // Never hit: every line a miss, the position the spin count.
    const auto never = examineSelection(selecting({36, 0}), historyOf({1, 2, 3}));
    ASSERT_TRUE(never);
    EXPECT_EQ(never->lines, (std::vector<std::string>{"   1   -", "   2   -", "   3   -"}));
    EXPECT_EQ(never->figures, (BetFigures{0, 3, 3, 3}));

    // Two runs of two: the position stays at the end of the first.
    const auto twice = examineSelection(selecting({0}), historyOf({1, 1, 0, 1, 1, 0}));
    EXPECT_EQ(twice->figures, (BetFigures{2, 0, 2, 2}));

    // An empty history with a selection: no lines, every figure 0.
    const auto empty = examineSelection(selecting({5}), SpinHistory());
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->lines.empty());
    EXPECT_EQ(empty->figures, BetFigures{});
}

} // namespace
} // namespace vintaro
