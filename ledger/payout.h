#pragma once
// What a bet costs and what comes back on each number. Money is counted in
// whole units (forints, chips): a stake is a whole number of them.
//
// The outside bets and the selection pay 36 units for every unit on a number
// that comes, as the table pays them: even money 1:1, dozens and columns 2:1,
// two columns 1:2 (half a unit is not paid: an odd stake on two columns gets
// back its stake and the lower half of it), a single number 35:1. A sector bet
// is its classic layout of chips on splits, trios, corners and numbers; its
// stake is the stake of one chip.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/numbermodel.h"
#include "core/wheel.h"

namespace vintaro {

using Money = std::int64_t;

// The largest stake and the largest sum of money brought or taken away that
// the ledger takes: far beyond any table, and far from where the sums of the
// largest ledger file read back could overflow.
inline constexpr Money kStakeLimit = 1'000'000'000;         // 10^9
inline constexpr Money kMoneyLimit = 1'000'000'000'000'000; // 10^15

enum class BetKind : std::uint8_t {
    Outside,   // key: row 0..13 of the statistics table
    Sector,    // key: 0 Voisins du zéro, 1 Jeu zéro, 2 Tiers du cylindre, 3 Orphelins
    Number,    // key: the number 0..36
    Selection, // the selected numbers, one stake on each
};

struct BetKey
{
    BetKind kind = BetKind::Outside;
    int key = 0;
    NumberSet numbers; // Selection only

    bool operator==(const BetKey &) const = default;
};

// Whether the key names a bet the program knows (a selection needs a number).
bool validBet(const BetKey &bet);

// The chips of a sector's layout: 9, 4, 6 and 5.
int sectorChips(int sector);

// The numbers a bet covers.
NumberSet coveredNumbers(const BetKey &bet);

// What a stake of `stake` on the bet costs: the stake itself, times the chips
// of a sector, times the numbers of a selection.
Money betCost(const BetKey &bet, Money stake);

// What comes back (stake included) when `number` comes; 0 for a loss.
Money betReturn(const BetKey &bet, Money stake, int number);

// Every number's return at once.
using Returns = std::array<Money, kNumberCount>;
Returns betReturns(const BetKey &bet, Money stake);

} // namespace vintaro
