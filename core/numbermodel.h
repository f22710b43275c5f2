#pragma once
// What every window knows about a roulette number: red or black, and the
// fourteen outside bets of the statistics table.
#include <array>
#include <cstdint>
#include <string_view>

namespace vintaro {

constexpr int kHighestNumber = 36;
constexpr int kNumberCount = 37; // 0..36
constexpr int kRowCount = 14;    // outside-bet rows 0..13

constexpr std::uint32_t kRedColour = 0xFF0000;   // RGB
constexpr std::uint32_t kBlackColour = 0x000000; // RGB

inline constexpr bool isNumber(int n) { return n >= 0 && n <= kHighestNumber; }

// Red-table flag: true for the 18 red numbers; 0 and anything outside 0..36
// are not red.
bool isRed(int n);

// RGB display colour of a number: red for red numbers, black for the rest.
std::uint32_t displayColour(int n);

// Caption of an outside-bet row ("Fekete", ..., "Oszlop  M D"), UTF-8.
std::string_view rowCaption(int row);

// Whether n (1..36) belongs to the row. 0 and values outside 1..36 belong to
// no row: a spin of 0 misses every outside bet.
bool isRowMember(int row, int n);

// All fourteen memberships of n as a bit mask (bit r set when n is in row r);
// 0 for 0 and for values outside 1..36.
std::uint16_t rowMask(int n);

} // namespace vintaro
