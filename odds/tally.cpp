#include "odds/tally.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "odds/holdout.h"

namespace vintaro {

namespace {

std::array<NumberSet, kGroupBets> groupSets()
{
    std::array<NumberSet, kGroupBets> sets;
    for (int b = 0; b < kGroupBets; ++b)
        sets[static_cast<size_t>(b)] = oddsBets()[static_cast<size_t>(b)].numbers;
    return sets;
}

} // namespace

SpinTally::SpinTally() : m_groups(groupSets()) {}

template <typename Spin> void SpinTally::addNumbers(std::span<const Spin> spins)
{
    // The counts themselves come from the group counter, which counts every number.
    std::int64_t total = m_total;
    for (const Spin spin : spins) {
        const int x = spin;
        if (x < 0 || x >= kNumberCount)
            continue;
        const auto i = static_cast<size_t>(x);
        ++total;
        const std::int64_t gap = total - m_lastHit[i] - 1;
        m_longestGap[i] = gap > m_longestGap[i] ? gap : m_longestGap[i];
        m_lastHit[i] = total;
    }
    m_total = total;
    std::copy_n(m_groups.valueCounts().begin(), kNumberCount, m_counts.begin());
}

template <typename Spin> void SpinTally::addSpins(std::span<const Spin> spins)
{
    while (!spins.empty()) {
        // Up to the next power of two, where the counts are kept.
        const auto next = static_cast<std::int64_t>(std::bit_ceil(static_cast<std::uint64_t>(m_total + 1)));
        const auto take = static_cast<size_t>(std::min<std::int64_t>(next - m_total, std::int64_t(spins.size())));
        m_groups.add(spins.first(take));
        addNumbers(spins.first(take));
        spins = spins.subspan(take);
        if (m_total == next)
            m_checkpoints.push_back({m_total, m_counts});
    }
}

void SpinTally::add(std::span<const std::uint8_t> spins) { addSpins(spins); }
void SpinTally::add(std::span<const std::int16_t> spins) { addSpins(spins); }

std::int64_t SpinTally::hits(int bet) const
{
    if (bet < kGroupBets)
        return m_groups.hits(bet);
    return m_counts[static_cast<size_t>(bet - kGroupBets)];
}

std::int64_t SpinTally::currentAbsence(int bet) const
{
    if (bet < kGroupBets)
        return m_groups.current(bet);
    return m_total - m_lastHit[static_cast<size_t>(bet - kGroupBets)];
}

std::int64_t SpinTally::longestAbsence(int bet) const
{
    if (bet < kGroupBets)
        return m_groups.longest(bet);
    return std::max(m_longestGap[static_cast<size_t>(bet - kGroupBets)], currentAbsence(bet));
}

SpinTally::Split SpinTally::firstHalf() const
{
    // The counts are kept at every power of two.
    const std::int64_t spins = choiceSpins(m_total);
    for (const Split &s : m_checkpoints)
        if (s.spins == spins)
            return s;
    return {};
}

} // namespace vintaro
