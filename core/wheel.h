#pragma once
// The single-zero wheel: its pockets in wheel order and the classic sectors.
#include <array>
#include <bitset>
#include <string_view>

#include "core/numbermodel.h"

namespace vintaro {

// Pockets clockwise with 0 at the top.
inline constexpr std::array<int, kNumberCount> kWheelOrder = {
    0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8,  23, 10,
    5,  24, 16, 33, 1,  20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

// A set of numbers 0..36, bit n for number n.
using NumberSet = std::bitset<kNumberCount>;

// Index of a number in kWheelOrder; -1 outside 0..36.
int wheelIndex(int number);

enum class Sector { Voisins, JeuZero, Tiers, Orphelins };
inline constexpr int kSectorCount = 4;
inline constexpr std::array<Sector, kSectorCount> kSectors = {Sector::Voisins, Sector::JeuZero, Sector::Tiers,
                                                               Sector::Orphelins};

// "Voisins du zéro", "Jeu zéro", "Tiers du cylindre", "Orphelins" (UTF-8).
std::string_view sectorName(Sector sector);
// Voisins: 22 ... 25 (17 pockets); Jeu zéro: 12 ... 15 (7, inside Voisins);
// Tiers: 27 ... 33 (12); Orphelins: 1, 20, 14, 31, 9 and 17, 34, 6 (8).
NumberSet sectorSet(Sector sector);

// The pocket of `number` with k neighbours on each side: 2k + 1 pockets
// (all 37 once k reaches 18). Empty outside 0..36 or for a negative k.
NumberSet neighbourSet(int number, int k);

// The w neighbouring pockets starting at wheel index `start`, clockwise.
NumberSet arcSet(int start, int w);

} // namespace vintaro
