#pragma once
// The bets of the odds table: the 14 outside bets, the four wheel sectors
// and the 37 single numbers.
#include <array>
#include <string>

#include "core/wheel.h"

namespace vintaro {

struct Bet
{
    std::string name; // UTF-8
    NumberSet numbers;
    double chance() const { return double(numbers.count()) / kNumberCount; }
};

inline constexpr int kOutsideBets = kRowCount;                  // rows 0..13
inline constexpr int kSectorBets = kSectorCount;                // then the sectors
inline constexpr int kGroupBets = kOutsideBets + kSectorBets;   // bets of several numbers
inline constexpr int kBetCount = kGroupBets + kNumberCount;     // then 0..36

const std::array<Bet, kBetCount> &oddsBets();

} // namespace vintaro
