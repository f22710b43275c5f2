#pragma once
// Playing along with a betting system: the system's stake for the next spin
// as the ledger records it.
#include <optional>

#include "core/bets.h"
#include "ledger/payout.h"

namespace vintaro {

struct PlayAlongBet
{
    BetKey bet;
    Money stake = 0; // the ledger's stake: a chip on every number of a selection
};

// The ledger's bet for a system's stake of `money` on `bet`: an outside bet
// or a single number takes the stake as it is; any other set of numbers (a
// sector spread evenly, the selection) becomes the selection of those
// numbers with an even share on each. Nothing when the stake or a share is
// not a whole amount, or is beyond kStakeLimit.
std::optional<PlayAlongBet> playAlongBet(const Bet &bet, double money);

} // namespace vintaro
