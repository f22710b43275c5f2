#include "ledger/playalong.h"

#include <cmath>

namespace vintaro {

std::optional<PlayAlongBet> playAlongBet(const Bet &bet, double money)
{
    const size_t count = bet.numbers.count();
    if (count == 0 || !(money > 0) || money > double(kStakeLimit) * double(count))
        return std::nullopt;
    const double whole = std::round(money);
    if (std::abs(money - whole) > 1e-9)
        return std::nullopt;
    const auto stake = static_cast<Money>(whole);
    for (int row = 0; row < kRowCount; ++row) {
        const BetKey outside{BetKind::Outside, row, {}};
        if (coveredNumbers(outside) == bet.numbers)
            return stake <= kStakeLimit ? std::optional<PlayAlongBet>({outside, stake}) : std::nullopt;
    }
    if (count == 1) {
        for (int n = 0; n < kNumberCount; ++n)
            if (bet.numbers.test(size_t(n)))
                return stake <= kStakeLimit ? std::optional<PlayAlongBet>({{BetKind::Number, n, {}}, stake})
                                            : std::nullopt;
    }
    if (stake % Money(count) != 0 || stake / Money(count) > kStakeLimit)
        return std::nullopt;
    return PlayAlongBet{{BetKind::Selection, 0, bet.numbers}, stake / Money(count)};
}

} // namespace vintaro
