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

void RunChances::prepare(std::int64_t n, std::span<const double> chances)
{
    // Longer histories need poles of more lengths: those of n spins cover
    // every shorter one.
    for (double p : chances)
        expectedLongest(n, p);
}

size_t RunChances::known() const
{
    size_t count = 0;
    for (const Poles &poles : m_poles)
        count += size_t(std::count_if(poles.byLength.begin(), poles.byLength.end(),
                                      [](const RunPole &pole) { return pole.delta >= 0; }));
    return count;
}

} // namespace vintaro
