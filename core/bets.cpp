#include "core/bets.h"

namespace vintaro {

const std::array<Bet, kBetCount> &oddsBets()
{
    static const std::array<Bet, kBetCount> bets = [] {
        std::array<Bet, kBetCount> out;
        for (int row = 0; row < kRowCount; ++row) {
            Bet &bet = out[static_cast<size_t>(row)];
            bet.name = std::string(rowCaption(row));
            for (int n = 1; n <= kHighestNumber; ++n)
                bet.numbers[static_cast<size_t>(n)] = isRowMember(row, n);
        }
        for (int i = 0; i < kSectorCount; ++i)
            out[static_cast<size_t>(kOutsideBets + i)] = {std::string(sectorName(kSectors[static_cast<size_t>(i)])),
                                                          sectorSet(kSectors[static_cast<size_t>(i)])};
        for (int n = 0; n < kNumberCount; ++n)
            out[static_cast<size_t>(kGroupBets + n)] = {std::to_string(n), NumberSet().set(static_cast<size_t>(n))};
        return out;
    }();
    return bets;
}

} // namespace vintaro
