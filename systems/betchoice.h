#pragma once
// The bets a system can play: the 14 outside bets and the four wheel sectors
// by name, a single number, or any set of numbers. The stake is spread evenly
// over the bet's numbers, so a hit returns 36/n times the stake.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/bets.h"

namespace vintaro {

// "fekete", "piros", ..., "oszlopMD" (rows 0..13), then "voisins", "jeuzero",
// "tiers", "orphelins".
std::span<const std::string_view> betKeys();

// The same bets in the same order as English players name them, which the
// command line takes too: "black", "red", "low", "high", "dozen1".."dozen3",
// "column1".."column3", "even", "odd", "columns12", "columns23", then the
// sectors as in betKeys().
std::span<const std::string_view> englishBetKeys();
// The key of betKeys() for a key of englishBetKeys(); any other text as it is.
std::string_view betKeyFor(std::string_view key);

// A key of betKeys() or a number "0".."36"; nothing for anything else.
std::optional<Bet> betFromKey(std::string_view key);

// The numbers selected in the selection grid as one bet.
Bet selectedNumbersBet(const std::vector<int> &numbers);

// What a hit wins per unit staked, the stake itself not counted: 36/n - 1.
inline double winPerUnit(const Bet &bet) { return 36.0 / double(bet.numbers.count()) - 1; }

// The numbers as a bit mask, bit n for number n.
inline std::uint64_t betMask(const Bet &bet) { return bet.numbers.to_ullong(); }

} // namespace vintaro
