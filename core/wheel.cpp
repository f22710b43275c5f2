#include "core/wheel.h"

#include "core/textmark.h"

namespace vintaro {

int wheelIndex(int number)
{
    static const std::array<int, kNumberCount> index = [] {
        std::array<int, kNumberCount> table{};
        for (int i = 0; i < kNumberCount; ++i)
            table[static_cast<size_t>(kWheelOrder[static_cast<size_t>(i)])] = i;
        return table;
    }();
    return isNumber(number) ? index[static_cast<size_t>(number)] : -1;
}

std::string_view sectorName(Sector sector)
{
    switch (sector) {
    case Sector::Voisins: return QT_TRANSLATE_NOOP("Bets", "Voisins du zéro");
    case Sector::JeuZero: return QT_TRANSLATE_NOOP("Bets", "Jeu zéro");
    case Sector::Tiers: return QT_TRANSLATE_NOOP("Bets", "Tiers du cylindre");
    case Sector::Orphelins: return QT_TRANSLATE_NOOP("Bets", "Orphelins");
    }
    return {};
}

NumberSet arcSet(int start, int w)
{
    NumberSet set;
    for (int i = 0; i < w && i < kNumberCount; ++i)
        set.set(static_cast<size_t>(kWheelOrder[static_cast<size_t>(((start + i) % kNumberCount + kNumberCount) % kNumberCount)]));
    return set;
}

NumberSet sectorSet(Sector sector)
{
    switch (sector) {
    case Sector::Voisins: return arcSet(wheelIndex(22), 17);
    case Sector::JeuZero: return arcSet(wheelIndex(12), 7);
    case Sector::Tiers: return arcSet(wheelIndex(27), 12);
    case Sector::Orphelins: return arcSet(wheelIndex(1), 5) | arcSet(wheelIndex(17), 3);
    }
    return {};
}

NumberSet neighbourSet(int number, int k)
{
    if (!isNumber(number) || k < 0)
        return {};
    return arcSet(wheelIndex(number) - k, 2 * k + 1);
}

} // namespace vintaro
