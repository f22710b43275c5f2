#include "core/wheelstatistics.h"

#include <algorithm>

#include "core/setcounter.h"

namespace vintaro {

std::vector<Figures> setFigures(Spins spins, std::span<const NumberSet> sets)
{
    SetCounter counter(sets, SetCounter::Outside::Miss);
    counter.add(spins);
    std::vector<Figures> out;
    for (int s = 0; s < counter.size(); ++s)
        out.push_back(counter.figures(s));
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
