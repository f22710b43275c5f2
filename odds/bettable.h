#pragma once
// One line of the odds table per bet: what the history shows and how likely
// that is on a fair wheel.
#include <cstdint>
#include <string>
#include <vector>

#include "odds/tally.h"

namespace vintaro {

struct BetLine
{
    std::string name;
    int size = 0;         // numbers covered
    double chance = 0;    // p = size / 37
    std::int64_t hits = 0;
    double expected = 0;  // N p
    double z = 0;         // (hits - N p) / sqrt(N p q); 0 without spins
    std::int64_t current = 0;
    double currentChance = 1; // q^current: this bet, chosen beforehand, right now
    double currentOneIn = 1;  // 1 / q^current
    double currentAnyChance = 1; // that any of the 55 bets shows an absence this rare
    std::int64_t longest = 0;
    double longestChance = 1; // P(longest absence >= longest in N spins)
    double longestAnyChance = 1; // that any of the 55 bets shows a longest absence this rare
    double expectedLongest = 0;
};

std::vector<BetLine> betTable(const SpinTally &tally);

// A chance cell stands out when, allowing for every bet of the table, it
// stays below 1 %: the chance that at least one of the 55 bets shows
// something this rare, 1 - (1 - chance)^55 (Šidák), is below kRareChance.
inline constexpr double kRareChance = 0.01;
double anyBetChance(double chance);
inline bool rareForTheTable(double anyChance) { return anyChance < kRareChance; }

} // namespace vintaro
