#include "charts/series/chartlayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vintaro {

int chartWindowWidth(int screenWidth) { return screenWidth >= 12000 ? 11950 : 9550; }

int widenedGraph(int width) { return std::min(2 * width, kWidestGraph); }

int narrowedGraph(int width, int windowWidth) { return std::max(width / 2, windowWidth); }

int nextChartType(int type)
{
    int t = type + 1;
    if (t == 5)
        t = kLine;
    if (t > kLine)
        t = kBars2D;
    return t;
}

ScrollRange scrollRange(int graphWidth, int barLeft, int innerWidth)
{
    // A 16-bit whole number of twips, as the scroll bar keeps it.
    const int maximum = std::clamp(graphWidth - barLeft - innerWidth, -32768, 32767);
    return {maximum, std::abs(maximum / 16) + 1, std::abs(maximum / 4) + 1};
}

std::vector<std::int16_t> chartTail(std::span<const std::int16_t> series)
{
    if (series.size() < static_cast<size_t>(kChartTail))
        return {};
    const auto tail = series.last(static_cast<size_t>(kChartTail));
    return {tail.begin(), tail.end()};
}

int thinned(int every, double slot, double needed)
{
    const double spacing = every * slot;
    if (spacing >= needed || spacing <= 0)
        return every;
    const double factor = needed / spacing;
    for (long long decade = 1; decade < INT_MAX; decade *= 10)
        for (long long multiple : {decade, 2 * decade, 5 * decade})
            if (double(multiple) >= factor)
                return int(std::min<long long>(every * multiple, INT_MAX));
    return INT_MAX;
}

} // namespace vintaro
