#include "core/wheelstatistics.h"

#include <algorithm>

namespace vintaro {

std::vector<Figures> setFigures(Spins spins, std::span<const NumberSet> sets)
{
    const size_t count = std::min<size_t>(sets.size(), 32);
    // masks[x] has bit s set when number x lies in set s; the last entry
    // stands for every value outside 0..36 and lies in none.
    std::array<std::uint32_t, kNumberCount + 1> masks{};
    for (size_t s = 0; s < count; ++s)
        for (int x = 0; x < kNumberCount; ++x)
            if (sets[s].test(static_cast<size_t>(x)))
                masks[static_cast<size_t>(x)] |= 1u << s;

    std::vector<Figures> out(count);
    for (const std::int16_t spin : spins) {
        const std::uint32_t mask = masks[isNumber(spin) ? static_cast<size_t>(spin) : kNumberCount];
        for (size_t s = 0; s < count; ++s) {
            Figures &f = out[s];
            if ((mask >> s) & 1u) {
                ++f.hits;
                f.current = 0;
            } else {
                f.longest = std::max(f.longest, ++f.current);
            }
        }
    }
    return out;
}

PocketValues recentHits(Spins spins, int window)
{
    if (window > 0 && static_cast<size_t>(window) < spins.size())
        spins = spins.last(static_cast<size_t>(window));
    PocketValues hits{};
    for (const std::int16_t spin : spins)
        if (isNumber(spin))
            ++hits[static_cast<size_t>(spin)];
    return hits;
}

PocketValues currentAbsences(Spins spins)
{
    const int total = static_cast<int>(spins.size());
    PocketValues absences;
    absences.fill(total);
    NumberSet seen;
    // From the newest spin back, until every number has been seen.
    for (int i = total - 1; i >= 0 && !seen.all(); --i) {
        const int x = spins[static_cast<size_t>(i)];
        if (isNumber(x) && !seen.test(static_cast<size_t>(x))) {
            seen.set(static_cast<size_t>(x));
            absences[static_cast<size_t>(x)] = total - 1 - i;
        }
    }
    return absences;
}

} // namespace vintaro
