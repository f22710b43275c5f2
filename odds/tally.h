#pragma once
// Everything the odds window needs from a run of spins, gathered in one pass
// that keeps no spin: how often each number came, and the current and longest
// absence of every bet of the odds table. Feeds in batches, so that a file of
// any length streams through it.
#include <array>
#include <cstdint>
#include <span>

#include "odds/bets.h"

namespace vintaro {

class SpinTally
{
public:
    SpinTally();

    // Spins oldest first; a value outside 0..36 is no spin and is skipped.
    void add(std::span<const std::uint8_t> spins);
    void add(std::span<const std::int16_t> spins);

    std::int64_t total() const { return m_total; }
    const std::array<std::int64_t, kNumberCount> &counts() const { return m_counts; }

    // Figures of bet i of oddsBets().
    std::int64_t hits(int bet) const;
    // Spins since the latest hit (all of them when it never hit).
    std::int64_t currentAbsence(int bet) const;
    // The greatest current absence reached.
    std::int64_t longestAbsence(int bet) const;

    static constexpr int kLanes = 24; // the group bets, 8 to a vector

private:
    template <typename Spin> void addSpins(const Spin *spins, std::size_t count);

    std::int64_t m_total = 0;
    std::array<std::int64_t, kNumberCount> m_counts{};
    // Single numbers: the position of the latest hit (0 for none) and the
    // longest absence that a hit has ended.
    std::array<std::int64_t, kNumberCount> m_lastHit{};
    std::array<std::int64_t, kNumberCount> m_longestGap{};
    // Group bets, one lane each: current and longest absence (32-bit lanes:
    // absences up to two thousand million spins).
    alignas(32) std::array<std::int32_t, kLanes> m_current{};
    alignas(32) std::array<std::int32_t, kLanes> m_longest{};

    friend struct TallyKernel;
};

} // namespace vintaro
