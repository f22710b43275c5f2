#include "core/numbermodel.h"

#include "core/textmark.h"

namespace vintaro {

namespace {

constexpr std::array<bool, kNumberCount> makeRedTable()
{
    std::array<bool, kNumberCount> table{};
    for (int n : {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36})
        table[n] = true;
    return table;
}

constexpr std::array<bool, kNumberCount> kRed = makeRedTable();

// The captions of the statistics rows, which are the outside bets' names too.
constexpr std::array<std::string_view, kRowCount> kCaptions = {
    QT_TRANSLATE_NOOP("Bets", "Fekete"),      QT_TRANSLATE_NOOP("Bets", "Piros"),
    QT_TRANSLATE_NOOP("Bets", "Alacsony"),    QT_TRANSLATE_NOOP("Bets", "Magas"),
    QT_TRANSLATE_NOOP("Bets", "1. harmad"),   QT_TRANSLATE_NOOP("Bets", "2. harmad"),
    QT_TRANSLATE_NOOP("Bets", "3. harmad"),   QT_TRANSLATE_NOOP("Bets", "Oszlop P"),
    QT_TRANSLATE_NOOP("Bets", "Oszlop M"),    QT_TRANSLATE_NOOP("Bets", "Oszlop D"),
    QT_TRANSLATE_NOOP("Bets", "Páros"),       QT_TRANSLATE_NOOP("Bets", "Páratlan"),
    QT_TRANSLATE_NOOP("Bets", "Oszlop  P M"), QT_TRANSLATE_NOOP("Bets", "Oszlop  M D"),
};

constexpr bool member(int row, int n)
{
    const int mod3 = n - 3 * (n / 3);
    const bool even = 2 * (n / 2) == n;
    switch (row) {
    case 0: return !kRed[n];
    case 1: return kRed[n];
    case 2: return n < 19;
    case 3: return n >= 19;
    case 4: return n < 13;
    case 5: return n > 12 && n < 25;
    case 6: return n > 24;
    case 7: return mod3 == 1;
    case 8: return mod3 == 2;
    case 9: return mod3 == 0;
    case 10: return even;
    case 11: return !even;
    case 12: return mod3 == 1 || mod3 == 2;
    case 13: return mod3 == 2 || mod3 == 0;
    default: return false;
    }
}

constexpr std::array<std::uint16_t, kNumberCount> makeMasks()
{
    std::array<std::uint16_t, kNumberCount> masks{};
    for (int n = 1; n <= kHighestNumber; ++n)
        for (int row = 0; row < kRowCount; ++row)
            if (member(row, n))
                masks[n] |= static_cast<std::uint16_t>(1u << row);
    return masks;
}

constexpr std::array<std::uint16_t, kNumberCount> kMasks = makeMasks();

} // namespace

bool isRed(int n) { return isNumber(n) && kRed[n]; }

std::uint32_t displayColour(int n) { return isRed(n) ? kRedColour : kBlackColour; }

std::string_view rowCaption(int row)
{
    return row >= 0 && row < kRowCount ? kCaptions[static_cast<size_t>(row)] : std::string_view{};
}

bool isRowMember(int row, int n)
{
    if (n < 1 || n > kHighestNumber || row < 0 || row >= kRowCount)
        return false;
    return member(row, n);
}

std::uint16_t rowMask(int n) { return isNumber(n) ? kMasks[n] : 0; }

} // namespace vintaro
