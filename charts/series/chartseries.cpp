#include "charts/series/chartseries.h"

#include <array>

#include "core/numbermodel.h"

namespace vintaro {

namespace {

// The chart counts a 0 by plain arithmetic on the number: black, low, first
// third, column D, even, "Oszlop  M D"; the statistics table counts it in no
// row. For 1..36 both follow the same membership rules.
constexpr std::array<bool, kRowCount> kZeroHits = {true,  false, true,  false, true, false, false,
                                                    false, false, true,  true,  false, false, true};

} // namespace

bool isChartHit(int option, int x, const Selection &selection)
{
    if (option == kSelectedNumbersOption)
        return selection.isSelected(x);
    if (option < 0 || option >= kRowCount || !isNumber(x))
        return false;
    return x == 0 ? kZeroHits[static_cast<size_t>(option)] : isRowMember(option, x);
}

std::vector<std::int16_t> chartSeries(std::span<const std::int16_t> spins, int option, const Selection &selection)
{
    if (spins.size() > static_cast<size_t>(kChartCapacity))
        spins = spins.last(static_cast<size_t>(kChartCapacity));
    // The answer per number once, then one look-up per spin.
    std::array<std::int16_t, kNumberCount> hit{};
    for (int n = 0; n < kNumberCount; ++n)
        hit[static_cast<size_t>(n)] = isChartHit(option, n, selection) ? 1 : 0;

    std::vector<std::int16_t> series;
    series.reserve(spins.size());
    for (std::int16_t x : spins)
        series.push_back(isNumber(x) ? hit[static_cast<size_t>(x)] : std::int16_t(0));
    return series;
}

} // namespace vintaro
