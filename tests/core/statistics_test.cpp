#include <gtest/gtest.h>

#include <random>

#include "core/session.h"
#include "tests/support/histories.h"
#include "core/statistics.h"

using namespace vintaro;

namespace {

using vintaro::test::historyOf;

RowFigures passOver(const SpinHistory &h)
{
    LastPositions last{};
    return statisticsPass(h, h.count(), last);
}

// A plain spin-by-spin count, written the obvious way, to check the pass.
RowFigures reference(const SpinHistory &h)
{
    RowFigures out{};
    for (int i = 1; i <= h.count(); ++i) {
        const int x = h.at(i);
        for (int r = 0; r < kRowCount; ++r) {
            Figures &f = out[r];
            if (isRowMember(r, x)) {
                ++f.hits;
                f.current = 0;
            } else if (++f.current > f.longest) {
                f.longest = f.current;
            }
        }
    }
    return out;
}

constexpr int Fekete = 0, Piros = 1, OszlopP = 7, OszlopPM = 12, OszlopMD = 13;

} // namespace

TEST(StatisticsPass, FirstSpins)
{
    auto f = passOver(historyOf({17}));
    EXPECT_EQ(f[Fekete], (Figures{1, 0, 0}));
    EXPECT_EQ(f[Piros], (Figures{0, 1, 1}));

    f = passOver(historyOf({0}));
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(f[r], (Figures{0, 1, 1})) << r;

    f = passOver(historyOf({1, 2, 3}));
    EXPECT_EQ(f[OszlopP], (Figures{1, 2, 2}));
    EXPECT_EQ(f[OszlopPM], (Figures{2, 1, 1}));
    EXPECT_EQ(f[OszlopMD], (Figures{2, 0, 1}));

    // Column M hits both overlapping rows at once.
    f = passOver(historyOf({5}));
    EXPECT_EQ(f[OszlopPM], (Figures{1, 0, 0}));
    EXPECT_EQ(f[OszlopMD], (Figures{1, 0, 0}));
}

TEST(StatisticsPass, LastPositionsAreWrittenNeverCleared)
{
    LastPositions last{};
    last[20] = 99; // a stale value survives: the pass never clears the table
    const SpinHistory h = historyOf({5, 17, 0, 5});
    statisticsPass(h, h.count(), last);
    EXPECT_EQ(last[5], 4);
    EXPECT_EQ(last[17], 2);
    EXPECT_EQ(last[0], 0); // element 0 is never written
    EXPECT_EQ(last[20], 99);
}

TEST(StatisticsPass, OutOfRangeValuesMissEverythingAndTouchNoTable)
{
    SpinHistory h;
    h.assign({5, 37, -4, 32000});
    LastPositions last{};
    const RowFigures f = statisticsPass(h, h.count(), last);
    EXPECT_EQ(f, reference(h));
    EXPECT_EQ(f[OszlopPM], (Figures{1, 3, 3}));
    for (int n = 0; n < kNumberCount; ++n)
        EXPECT_EQ(last[n], n == 5 ? 1 : 0);
}

TEST(StatisticsPass, AgreesWithASpinBySpinCountAtFullCapacity)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(0, 36);
    SpinHistory h;
    while (!h.full())
        h.push(number(random));
    EXPECT_EQ(passOver(h), reference(h));

    // The longest possible absence: 32 736 zeros.
    h.clear();
    while (!h.full())
        h.push(0);
    const RowFigures f = passOver(h);
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(f[r], (Figures{0, SpinHistory::kCapacity, SpinHistory::kCapacity})) << r;
}

TEST(SpinHistoryCapacity, RefusesPastTheLastPosition)
{
    SpinHistory h;
    for (int i = 0; i < SpinHistory::kCapacity; ++i)
        ASSERT_TRUE(h.push(i % 37));
    EXPECT_TRUE(h.full());
    EXPECT_FALSE(h.push(5));
    EXPECT_EQ(h.count(), SpinHistory::kCapacity);
    EXPECT_EQ(h.at(SpinHistory::kCapacity + 1), 0);

    // A longer list keeps its newest spins.
    std::vector<std::int16_t> longer(SpinHistory::kCapacity + 3, 1);
    longer.back() = 36;
    longer.front() = 9;
    h.assign(longer);
    EXPECT_EQ(h.count(), SpinHistory::kCapacity);
    EXPECT_EQ(h.at(1), 1);
    EXPECT_EQ(h.at(SpinHistory::kCapacity), 36);
}
