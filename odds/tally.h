#pragma once
// Everything the odds window needs from a run of spins, gathered in one pass
// that keeps no spin: how often each number came, the current and longest
// absence of every bet of the odds table, and the counts of the first spins
// (for an estimate on the spins after them). Feeds in batches, so that a file
// of any length streams through it.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/setcounter.h"
#include "core/bets.h"

namespace vintaro {

using NumberCounts = std::array<std::int64_t, kNumberCount>;

class SpinTally
{
public:
    SpinTally();

    // Spins oldest first; a value outside 0..36 is no spin and is skipped.
    void add(std::span<const std::uint8_t> spins);
    void add(std::span<const std::int16_t> spins);

    std::int64_t total() const { return m_total; }
    const NumberCounts &counts() const { return m_counts; }

    // Figures of bet i of oddsBets().
    std::int64_t hits(int bet) const;
    // Spins since the latest hit (all of them when it never hit).
    std::int64_t currentAbsence(int bet) const;
    // The greatest current absence reached.
    std::int64_t longestAbsence(int bet) const;

    // The counts of the first choiceSpins(total()) spins (odds/holdout.h):
    // the largest power of two at most half the run, none below 32 spins.
    struct Split
    {
        std::int64_t spins = 0;
        NumberCounts counts{};
    };
    Split firstHalf() const;

private:
    template <typename Spin> void addSpins(std::span<const Spin> spins);
    template <typename Spin> void addNumbers(std::span<const Spin> spins);

    std::int64_t m_total = 0;
    NumberCounts m_counts{};
    // Single numbers: the position of the latest hit (0 for none) and the
    // longest absence that a hit has ended.
    NumberCounts m_lastHit{};
    NumberCounts m_longestGap{};
    SetCounter m_groups; // the bets of several numbers
    // The counts after 1, 2, 4, 8, ... spins.
    std::vector<Split> m_checkpoints;
};

} // namespace vintaro
