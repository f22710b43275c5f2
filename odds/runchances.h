#pragma once
// The chances of runs of misses with the dominant poles kept: a pole depends
// on the bet's chance and the run's length alone, never on the spins, so a
// table that is looked at after every spin finds it computed at an earlier
// one. The figures are those of longestRunChance and expectedLongestRun.
#include <cstdint>
#include <span>
#include <vector>

#include "odds/runs.h"

namespace vintaro {

class RunChances
{
public:
    // P(longest run of misses >= len in n spins), as longestRunChance.
    double longest(std::int64_t n, std::int64_t len, double p);
    // The expected longest run of misses in n spins, as expectedLongestRun.
    double expectedLongest(std::int64_t n, double p);

    // Works out ahead the poles that the expected longest runs of histories
    // up to n spins long need, for bets of these chances: they depend on
    // neither the spins nor their count, and a window that shows them works
    // them out when it opens rather than when a long history arrives.
    void prepare(std::int64_t n, std::span<const double> chances);
    // How many poles are known.
    size_t known() const;

private:
    const RunPole &pole(double p, std::int64_t len);

    struct Poles
    {
        double p = 0;
        std::vector<RunPole> byLength; // index len; delta < 0 not computed yet
    };
    std::vector<Poles> m_poles; // one per chance: a handful of bet sizes
};

} // namespace vintaro
