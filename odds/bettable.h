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
    // That any of the 55 bets ever shows an absence this long in a whole
    // history (sessionSpins(N) spins): what the highlight of both cells weighs.
    double currentAnyChance = 1;
    std::int64_t longest = 0;
    double longestChance = 1; // P(longest absence >= longest in N spins)
    double longestAnyChance = 1;
    double expectedLongest = 0;
};

class RunChances;

std::vector<BetLine> betTable(const SpinTally &tally);
// The same with the run chances kept in `chances` from one call to the next.
std::vector<BetLine> betTable(const SpinTally &tally, RunChances &chances);
// Works out in `chances` ahead what the tables of histories up to `spins`
// long need whatever the spins are.
void prepareBetTables(RunChances &chances, std::int64_t spins);

// A chance cell stands out when its absence is rare even as the longest
// absence of a whole history watched after every spin: the chance that a
// fair wheel gives the bet an absence at least this long anywhere in
// sessionSpins(N) spins, allowed for every bet of the table (the chance that
// at least one of the 55 bets does, 1 - (1 - chance)^55, Šidák), is below
// kRareChance. A longest absence only grows, and the current one never
// exceeds it; so a fair wheel watched after every spin for a whole history
// shows a highlight anywhere in the table with a chance of about 1 % at most.
inline constexpr double kRareChance = 0.01;
double anyBetChance(double chance);
inline bool rareForTheTable(double anyChance) { return anyChance < kRareChance; }
// The spins a highlight allows for: a whole history of the program (32 736),
// or the file's when longer.
std::int64_t sessionSpins(std::int64_t spins);
// The shortest absence of a bet of chance p that is highlighted in a history
// of at most sessionSpins(0) spins.
std::int64_t highlightedAbsence(double p);

} // namespace vintaro
