#pragma once
// The exact figures of a session, where they can be computed: for the systems
// whose state is one counter (flat, Martingale, Paroli, D'Alembert,
// Fibonacci), on a bet whose hit pays a whole number of units (n divides 36),
// with every amount a whole number of units. A dynamic program carries the
// probability of every (state, what is left) from spin to spin; ruin and the
// target take their share out as they happen.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "systems/simulation.h"

namespace vintaro {

struct ExactRisk
{
    bool available = false;
    std::string why; // when not available (UTF-8)
    double ahead = 0, target = 0, ruin = 0;
    double meanResult = 0, sdResult = 0;
    double median = 0, p5 = 0, p95 = 0;
    double meanSpins = 0, meanStaked = 0;
    // Probability of every final bankroll, index = units left.
    std::vector<double> finalBankroll;
};

// Gives up (with `why`) when the work would pass `cellBudget` state updates
// or `cancel` is set.
ExactRisk exactRisk(SystemKind kind, const Bet &bet, const SessionRules &rules, std::int64_t cellBudget = 400000000,
                    const std::atomic<bool> *cancel = nullptr);

} // namespace vintaro
