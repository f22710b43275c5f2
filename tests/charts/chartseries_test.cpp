#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <vector>

#include "core/numbermodel.h"

#include "charts/series/chartlayout.h"
#include "charts/series/chartseries.h"

using namespace vintaro;

namespace {

using Series = std::vector<std::int16_t>;

Series seriesOf(const Series &spins, int option, const Selection &selection = {})
{
    return chartSeries(spins, option, selection);
}

} // namespace

TEST(ChartSeries, ZeroIsJudgedLikeAnyOtherNumber)
{
    Series hitByZero;
    for (int option = 0; option < kChartOptionCount; ++option)
        hitByZero.push_back(seriesOf({0}, option).front());
    EXPECT_EQ(hitByZero, (Series{1, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0}));

    Selection selection;
    selection.toggle(0);
    EXPECT_EQ(seriesOf({0, 5, 0}, kSelectedNumbersOption, selection), (Series{1, 0, 1}));
    selection.toggle(5);
    selection.toggle(0);
    EXPECT_EQ(seriesOf({0, 5, 0}, kSelectedNumbersOption, selection), (Series{0, 1, 0}));
}

// Every option on every number against the rows written out plainly: red
// numbers, halves, thirds, columns P (1, 4, ...), M (2, 5, ...), D (3, 6, ...),
// parity and the two double columns.
TEST(ChartSeries, EveryOptionOnEveryNumberFollowsTheOutsideBets)
{
    const std::set<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    const auto plain = [&](int option, int x) {
        switch (option) {
        case 0: return !red.count(x);
        case 1: return bool(red.count(x));
        case 2: return x < 19;
        case 3: return x > 18;
        case 4: return x < 13;
        case 5: return x > 12 && x < 25;
        case 6: return x > 24;
        case 7: return x % 3 == 1;
        case 8: return x % 3 == 2;
        case 9: return x % 3 == 0;
        case 10: return x % 2 == 0;
        case 11: return x % 2 != 0;
        case 12: return x % 3 != 0;
        case 13: return x % 3 != 1;
        }
        return false;
    };
    for (int option = 0; option < kRowCount; ++option)
        for (int x = 0; x <= kHighestNumber; ++x) {
            EXPECT_EQ(isChartHit(option, x, {}), plain(option, x)) << option << " " << x;
            if (x > 0) {
                EXPECT_EQ(isRowMember(option, x), plain(option, x)) << option << " " << x;
            }
        }
    for (int x : {-1, 37})
        EXPECT_FALSE(isChartHit(0, x, {}));
    EXPECT_FALSE(isChartHit(15, 1, {}));
}

TEST(ChartSeries, ALongerListKeepsItsNewestSpins)
{
    Series spins(kChartCapacity + 1, 2);
    spins.front() = 1; // red, dropped
    spins.back() = 3;  // red, the newest point
    const Series series = seriesOf(spins, 1);
    ASSERT_EQ(series.size(), size_t(kChartCapacity));
    EXPECT_EQ(series.front(), 0);
    EXPECT_EQ(series.back(), 1);
}

TEST(ChartLayout, TheWindowIsNarrowerOnASmallScreen)
{
    EXPECT_EQ(chartWindowWidth(12000), 11950);
    EXPECT_EQ(chartWindowWidth(11999), 9550);
    EXPECT_EQ(chartWindowWidth(0), 9550);
}

// Labels and ticks keep their spacing where they fit and thin out in round
// steps where they would run together.
TEST(ChartLayout, MarksThinOutInRoundSteps)
{
    struct Case
    {
        int every;
        double slot, needed;
        int step;
    };
    for (const Case &c : {Case{1, 30, 20, 1}, Case{10, 3, 20, 10}, Case{1, 3, 20, 10}, Case{1, 9, 20, 5},
                          Case{1, 10, 20, 2}, Case{1, 0.01, 30, 5000}, Case{7, 1, 20, 35}, Case{1, 0, 20, 1}})
        EXPECT_EQ(thinned(c.every, c.slot, c.needed), c.step) << c.every << " " << c.slot << " " << c.needed;
    EXPECT_EQ(thinned(1, 1e-300, 20), INT_MAX);
}
