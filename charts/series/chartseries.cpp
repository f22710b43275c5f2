#include "charts/series/chartseries.h"

#include <array>

#include "core/numbermodel.h"

namespace vintaro {

bool isChartHit(int option, int x, const Selection &selection)
{
    switch (option) {
    case 0: return !isRed(x);
    case 1: return isRed(x);
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
    case 12: return x % 3 == 1 || x % 3 == 2;
    case 13: return x % 3 == 2 || x % 3 == 0;
    case kSelectedNumbersOption: return selection.isSelected(x);
    default: return false;
    }
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
        series.push_back(isNumber(x) ? hit[static_cast<size_t>(x)] : std::int16_t(isChartHit(option, x, selection)));
    return series;
}

} // namespace vintaro
