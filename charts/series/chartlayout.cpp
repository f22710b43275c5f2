#include "charts/series/chartlayout.h"

#include <algorithm>
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

} // namespace vintaro
