#include <gtest/gtest.h>

#include <vector>

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
