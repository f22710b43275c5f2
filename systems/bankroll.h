#pragma once
// The bankroll question, answered with the exact calculation: the smallest
// starting bankroll whose risk of ruin over the session stays at or below a
// chosen risk, and the largest target reached before ruin with at least a
// chosen chance. The risk of ruin only falls as the bankroll grows (the
// richer player stakes the same until the poorer one is ruined), and the
// chance of a target only falls as the target grows, so a doubling search
// and a halving search find them.
#include <atomic>
#include <string>

#include "systems/exact.h"

namespace vintaro {

struct BankrollAnswer
{
    bool found = false;
    std::string why;   // when not found (UTF-8)
    double amount = 0; // the bankroll or the target, in money (whole units)
    double share = 0;  // the risk of ruin or the chance of the target there
};

BankrollAnswer bankrollForRisk(const CounterChain &chain, const Bet &bet, SessionRules rules, double risk,
                               ExactBudget budget = {}, const std::atomic<bool> *cancel = nullptr);
BankrollAnswer largestTarget(const CounterChain &chain, const Bet &bet, SessionRules rules, double chance,
                             ExactBudget budget = {}, const std::atomic<bool> *cancel = nullptr);

} // namespace vintaro
