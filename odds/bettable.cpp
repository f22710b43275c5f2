#include "odds/bettable.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/spinhistory.h"
#include "odds/runchances.h"

namespace vintaro {

double anyBetChance(double chance)
{
    return std::clamp(-std::expm1(double(kBetCount) * std::log1p(-std::min(chance, 1.0))), 0.0, 1.0);
}

std::int64_t sessionSpins(std::int64_t spins) { return std::max<std::int64_t>(spins, SpinHistory::kCapacity); }

std::int64_t highlightedAbsence(double p)
{
    const std::int64_t n = sessionSpins(0);
    std::int64_t len = 1;
    while (!rareForTheTable(anyBetChance(longestRunChance(n, len, p))))
        ++len;
    return len;
}

std::vector<BetLine> betTable(const SpinTally &tally)
{
    RunChances chances;
    return betTable(tally, chances);
}

void prepareBetTables(RunChances &chances, std::int64_t spins)
{
    std::vector<double> betChances; // one for each size of bet
    for (const Bet &bet : oddsBets())
        if (std::find(betChances.begin(), betChances.end(), bet.chance()) == betChances.end())
            betChances.push_back(bet.chance());
    chances.prepare(spins, betChances);
}

std::vector<BetLine> betTable(const SpinTally &tally, RunChances &chances)
{
    const std::int64_t n = tally.total(), session = sessionSpins(n);
    std::vector<BetLine> out;
    out.reserve(kBetCount);
    // The expected longest absence depends on the bet's size alone.
    std::map<int, double> expectedLongest;
    for (int i = 0; i < kBetCount; ++i) {
        const Bet &bet = oddsBets()[static_cast<size_t>(i)];
        BetLine line;
        line.name = bet.name;
        line.size = int(bet.numbers.count());
        const double p = bet.chance(), q = 1 - p;
        line.chance = p;
        line.hits = tally.hits(i);
        line.expected = double(n) * p;
        const double spread = std::sqrt(double(n) * p * q);
        line.z = spread > 0 ? (double(line.hits) - line.expected) / spread : 0;
        line.current = tally.currentAbsence(i);
        line.currentChance = std::exp(double(line.current) * std::log(q));
        line.currentOneIn = std::exp(-double(line.current) * std::log(q));
        line.currentAnyChance = anyBetChance(chances.longest(session, line.current, p));
        line.longest = tally.longestAbsence(i);
        line.longestChance = chances.longest(n, line.longest, p);
        line.longestAnyChance = anyBetChance(chances.longest(session, line.longest, p));
        auto [it, fresh] = expectedLongest.try_emplace(line.size, 0.0);
        if (fresh)
            it->second = chances.expectedLongest(n, p);
        line.expectedLongest = it->second;
        out.push_back(std::move(line));
    }
    return out;
}

} // namespace vintaro
