#include "odds/runchances.h"

#include <algorithm>

namespace vintaro {

const RunPole &RunChances::pole(double p, std::int64_t len)
{
    auto it = std::find_if(m_poles.begin(), m_poles.end(), [p](const Poles &poles) { return poles.p == p; });
    if (it == m_poles.end()) {
        m_poles.push_back({p, {}});
        it = m_poles.end() - 1;
    }
    std::vector<RunPole> &byLength = it->byLength;
    const auto at = static_cast<size_t>(len);
    if (at >= byLength.size())
        byLength.resize(std::max(at + 1, 2 * byLength.size()), RunPole{-1, 1});
    if (byLength[at].delta < 0)
        byLength[at] = dominantPole(p, len);
    return byLength[at];
}

double RunChances::longest(std::int64_t n, std::int64_t len, double p)
{
    return longestRunChance(n, len, p, [this](double q, std::int64_t l) -> const RunPole & { return pole(q, l); });
}

double RunChances::expectedLongest(std::int64_t n, double p)
{
    return expectedLongestRun(n, p, [this](double q, std::int64_t l) -> const RunPole & { return pole(q, l); });
}

} // namespace vintaro
