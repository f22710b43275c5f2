#include "ledger/payout.h"

#include <initializer_list>

namespace vintaro {

namespace {

// One piece of a sector's layout: the chips on it and the numbers it covers
// (a split, a trio, a corner or one number).
struct Piece
{
    int chips;
    std::initializer_list<int> numbers;
};

// Voisins du zéro: 2 on the trio 0-2-3, one on each of five splits, 2 on the
// corner 25-29. Jeu zéro: splits 0-3, 12-15, 32-35 and the number 26. Tiers:
// six splits. Orphelins: the number 1 and four splits.
const std::initializer_list<Piece> &layout(int sector)
{
    static const std::initializer_list<Piece> voisins = {{2, {0, 2, 3}},   {1, {4, 7}},   {1, {12, 15}},
                                                          {1, {18, 21}},   {1, {19, 22}}, {1, {32, 35}},
                                                          {2, {25, 26, 28, 29}}};
    static const std::initializer_list<Piece> jeuZero = {{1, {0, 3}}, {1, {12, 15}}, {1, {26}}, {1, {32, 35}}};
    static const std::initializer_list<Piece> tiers = {{1, {5, 8}},   {1, {10, 11}}, {1, {13, 16}},
                                                        {1, {23, 24}}, {1, {27, 30}}, {1, {33, 36}}};
    static const std::initializer_list<Piece> orphelins = {{1, {1}}, {1, {6, 9}}, {1, {14, 17}}, {1, {17, 20}},
                                                            {1, {31, 34}}};
    static const std::initializer_list<Piece> none = {};
    switch (sector) {
    case 0: return voisins;
    case 1: return jeuZero;
    case 2: return tiers;
    case 3: return orphelins;
    }
    return none;
}

} // namespace

bool validBet(const BetKey &bet)
{
    switch (bet.kind) {
    case BetKind::Outside: return bet.key >= 0 && bet.key < kRowCount;
    case BetKind::Sector: return bet.key >= 0 && bet.key < kSectorCount;
    case BetKind::Number: return isNumber(bet.key);
    case BetKind::Selection: return bet.numbers.any();
    }
    return false;
}

int sectorChips(int sector)
{
    int chips = 0;
    for (const Piece &piece : layout(sector))
        chips += piece.chips;
    return chips;
}

NumberSet coveredNumbers(const BetKey &bet)
{
    NumberSet set;
    switch (bet.kind) {
    case BetKind::Outside:
        for (int n = 1; n <= kHighestNumber; ++n)
            set[static_cast<size_t>(n)] = isRowMember(bet.key, n);
        break;
    case BetKind::Sector:
        for (const Piece &piece : layout(bet.key))
            for (int n : piece.numbers)
                set.set(static_cast<size_t>(n));
        break;
    case BetKind::Number:
        if (isNumber(bet.key))
            set.set(static_cast<size_t>(bet.key));
        break;
    case BetKind::Selection: set = bet.numbers; break;
    }
    return set;
}

Money betCost(const BetKey &bet, Money stake)
{
    switch (bet.kind) {
    case BetKind::Outside:
    case BetKind::Number: return validBet(bet) ? stake : 0;
    case BetKind::Sector: return stake * sectorChips(bet.key);
    case BetKind::Selection: return stake * static_cast<Money>(bet.numbers.count());
    }
    return 0;
}

Returns betReturns(const BetKey &bet, Money stake)
{
    Returns back{};
    if (!validBet(bet))
        return back;
    if (bet.kind == BetKind::Sector) {
        // A piece of k numbers pays 36/k for one: 18 for a split, 12 for a
        // trio, 9 for a corner, 36 for a number.
        for (const Piece &piece : layout(bet.key)) {
            const Money perNumber = stake * piece.chips * 36 / static_cast<Money>(piece.numbers.size());
            for (int n : piece.numbers)
                back[static_cast<size_t>(n)] += perNumber;
        }
        return back;
    }
    const NumberSet covered = coveredNumbers(bet);
    const Money win = bet.kind == BetKind::Selection ? stake * 36
                                                     : stake * 36 / static_cast<Money>(covered.count());
    for (int n = 0; n < kNumberCount; ++n)
        if (covered[static_cast<size_t>(n)])
            back[static_cast<size_t>(n)] = win;
    return back;
}

Money betReturn(const BetKey &bet, Money stake, int number)
{
    return isNumber(number) ? betReturns(bet, stake)[static_cast<size_t>(number)] : 0;
}

} // namespace vintaro
