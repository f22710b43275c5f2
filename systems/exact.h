#pragma once
// The exact figures of a session, where they can be computed: for the systems
// whose state is one counter (flat, Martingale, Paroli, D'Alembert,
// Fibonacci and every system of the player's own), on a bet whose hit pays a
// whole number of units (n divides 36), with every amount a whole number of
// units. A dynamic program carries the probability of every (state, what is
// left) from spin to spin; ruin, the target and a system that ends the
// session take their share out as they happen.
//
// The work and the memory are worked out before anything is allocated: the
// range of what can be left in every state follows from the ranges of the
// spin before, so a calculation over its budget is refused at once.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "systems/counterchain.h"
#include "systems/simulation.h"

namespace vintaro {

// The chain of a built-in system; empty for the systems that keep more than
// a counter.
CounterChain counterChain(SystemKind kind);

struct ExactBudget
{
    std::int64_t cells = 150000000;   // state updates, about a tenth of a second each 30 million
    std::int64_t bytes = 64ll << 20; // what the rows and the final distribution may take
};

struct ExactRisk
{
    bool available = false;
    std::string why; // when not available (UTF-8)
    // ruin: at the first spin whose stake cannot be placed any more, at any
    // point of the session; target: reached before ruin.
    double ahead = 0, target = 0, ruin = 0;
    double meanResult = 0, sdResult = 0;
    double median = 0, p5 = 0, p95 = 0;
    double meanSpins = 0, meanStaked = 0;
    // Probability of every final bankroll: index + finalLow = units left.
    std::vector<double> finalBankroll;
    std::int64_t finalLow = 0;
};

// What the calculation would take; `fits` false (with `why`) over budget.
struct ExactCost
{
    bool fits = false;
    std::string why;
    std::int64_t cells = 0, bytes = 0;
};

ExactCost exactCost(const CounterChain &chain, const Bet &bet, const SessionRules &rules, ExactBudget budget = {});

// Gives up (with `why`) at once when the work would pass the budget, or
// when `cancel` is set.
ExactRisk exactRisk(const CounterChain &chain, const Bet &bet, const SessionRules &rules, ExactBudget budget = {},
                    const std::atomic<bool> *cancel = nullptr);
ExactRisk exactRisk(SystemKind kind, const Bet &bet, const SessionRules &rules, ExactBudget budget = {},
                    const std::atomic<bool> *cancel = nullptr);

} // namespace vintaro
