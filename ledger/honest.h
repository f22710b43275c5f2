#pragma once
// The honest line of the settled bets in a ledger, computed from the bets
// themselves, and a session's bankroll spin by spin.
#include <span>
#include <vector>

#include "ledger/ledger.h"

namespace vintaro {

// The honest line of the settled bets of one session (session > 0) or of
// all sessions (session 0). Bets settled by one spin count as one draw.
HonestLine honestLine(std::span<const LedgerBet> bets, int session = 0);

// A session's bankroll after each spin it had bets on, beside the expected
// bankroll: money in plus the expected result so far.
struct BankrollPoint
{
    int spin = 0; // 1 for the session's first spin with bets, and so on
    Money bankroll = 0;
    double expected = 0.0;
};
std::vector<BankrollPoint> bankrollPath(const Ledger &ledger, int session);

} // namespace vintaro
