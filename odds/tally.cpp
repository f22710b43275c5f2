#include "odds/tally.h"

#include <algorithm>
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
        // Up to the next checkpoint: never more spins than values.
        const std::int64_t next = (m_total / m_stride + 1) * m_stride;
        const auto take = static_cast<size_t>(std::min<std::int64_t>(next - m_total, std::int64_t(spins.size())));
        m_groups.add(spins.first(take));
        addNumbers(spins.first(take));
        spins = spins.subspan(take);
        if (m_total != next)
            continue;
        m_checkpoints.push_back({m_total, m_counts});
        if (m_checkpoints.size() == kCheckpoints) { // keep every other one
            m_stride *= 2;
            std::erase_if(m_checkpoints, [this](const Split &s) { return s.spins % m_stride != 0; });
        }
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
    // A power of two at least a quarter of the run is a multiple of the
    // stride, which is at most 1/256 of it: its checkpoint is kept.
    const std::int64_t spins = choiceSpins(m_total);
    for (const Split &s : m_checkpoints)
        if (s.spins == spins)
            return s;
    return {};
}

} // namespace vintaro
