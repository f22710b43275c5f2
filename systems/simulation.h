#pragma once
// Many sessions of a system on a fair wheel, on every core. Sessions come in
// blocks of kSimulationBlock, each block with its own PCG stream (the seed,
// and the block's number as the stream), so that a seed gives the same
// figures however many threads share the work.
#include <atomic>
#include <cstdint>
#include <vector>

#include "systems/counterchain.h"
#include "systems/sessionrules.h"

namespace vintaro {

inline constexpr std::int64_t kSimulationBlock = 1024;

struct SimulationRequest
{
    SystemKind system = SystemKind::Flat;
    // A system of the player's own as its table of states (ownTable()); when
    // not empty it is played instead of `system`.
    std::vector<ChainStep> own;
    Bet bet;
    SessionRules rules;
    std::int64_t sessions = 100000;
    std::uint64_t seed = 1;
    unsigned threads = 0; // 0: one per core
};

// Shared with the thread that waits: how far the work is, and a request to stop.
struct SimulationControl
{
    std::atomic<std::int64_t> sessionsDone{0};
    std::atomic<bool> cancel{false};
};

// The figures of many sessions.
struct Summary
{
    std::int64_t sessions = 0;
    double ahead = 0, target = 0, ruin = 0; // shares of the sessions that end so
    double meanResult = 0, sdResult = 0;
    double meanLow = 0, meanHigh = 0; // 95 % interval of the mean result
    double median = 0, p5 = 0, p95 = 0;
    double meanSpins = 0;
    double meanStaked = 0;
    double expected = 0; // -meanStaked/37: the house's share of what was staked
    // result + staked/37 per session: 0 on average on a fair wheel whatever
    // the system; its mean and the 95 % range of that mean, from its own
    // spread (the amount staked is random and goes with the result).
    double meanExcess = 0, excessLow = 0, excessHigh = 0;
    double largestStake = 0;
};

struct Simulation
{
    bool cancelled = false;
    Summary summary;
    std::vector<double> results; // every session's result, in no particular order
};

Simulation simulate(const SimulationRequest &request, SimulationControl *control = nullptr);

// The q-quantile of results (the smallest value with at least q of them at or
// below it); reorders them.
double quantile(std::vector<double> &results, double q);

} // namespace vintaro
