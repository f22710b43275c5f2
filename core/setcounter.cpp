#include "core/setcounter.h"

#include "core/clones.h"

#include <algorithm>
#include <cstring>

namespace vintaro {

SetCounter::SetCounter(std::span<const NumberSet> sets, Outside outside)
    : m_size(static_cast<int>(std::min<size_t>(sets.size(), kMaxSets))), m_vectors((m_size + 7) / 8),
      m_outside(outside)
{
    std::memset(m_keep, 0, sizeof m_keep);
    for (int s = 0; s < m_size; ++s)
        m_sets[static_cast<size_t>(s)] = sets[static_cast<size_t>(s)];
    for (int x = 0; x <= kNumberCount; ++x)
        for (int s = 0; s < kMaxSets; ++s) {
            const bool hit = s < m_size && x < kNumberCount && sets[static_cast<size_t>(s)].test(static_cast<size_t>(x));
            m_keep[x][s / 8][s % 8] = hit ? 0 : -1;
        }
}

std::int64_t SetCounter::hits(int set) const
{
    std::int64_t total = 0;
    const NumberSet &numbers = m_sets[static_cast<size_t>(set)];
    for (int x = 0; x < kNumberCount; ++x)
        if (numbers.test(static_cast<size_t>(x)))
            total += m_values[static_cast<size_t>(x)];
    return total;
}

Figures SetCounter::figures(int set) const
{
    return {static_cast<int>(hits(set)), static_cast<int>(current(set)), static_cast<int>(longest(set))};
}

struct SetCounterKernel
{
    // Absences of the sets in `Vectors` vectors of eight; the hits are counted
    // per number.
    template <int Vectors, typename Spin>
    static inline __attribute__((always_inline)) void run(SetCounter &t, const Spin *spins, std::size_t count)
    {
        using Lanes8 = SetCounter::Lanes8;
        Lanes8 current[Vectors > 0 ? Vectors : 1], longest[Vectors > 0 ? Vectors : 1];
        std::memcpy(current, t.m_current.data(), sizeof current);
        std::memcpy(longest, t.m_longest.data(), sizeof longest);
        const Lanes8 one = Lanes8{} + 1;
        const bool skip = t.m_outside == SetCounter::Outside::Skip;
        std::int64_t position = t.m_total;
        std::int64_t *values = t.m_values.data();
        for (std::size_t i = 0; i < count; ++i) {
            int x = spins[i];
            if (x < 0 || x >= kNumberCount) {
                if (skip)
                    continue;
                x = kNumberCount;
            }
            ++position;
            ++values[x];
            for (int v = 0; v < Vectors; ++v) {
                const Lanes8 keep = t.m_keep[x][v];
                current[v] = (current[v] + one) & keep;
                longest[v] = longest[v] > current[v] ? longest[v] : current[v];
            }
        }
        t.m_total = position;
        std::memcpy(t.m_current.data(), current, sizeof current);
        std::memcpy(t.m_longest.data(), longest, sizeof longest);
    }

    template <typename Spin> static inline __attribute__((always_inline)) void any(SetCounter &t, const Spin *spins, std::size_t n)
    {
        switch (t.m_vectors) {
        case 0: return run<0>(t, spins, n);
        case 1: return run<1>(t, spins, n);
        case 2: return run<2>(t, spins, n);
        case 3: return run<3>(t, spins, n);
        default: return run<SetCounter::kVectors>(t, spins, n);
        }
    }
};

namespace {

VINTARO_CLONES("arch=x86-64-v3", "default") void addBytes(SetCounter &t, const std::uint8_t *spins,
                                                                         std::size_t n)
{
    SetCounterKernel::any(t, spins, n);
}

VINTARO_CLONES("arch=x86-64-v3", "default") void addShorts(SetCounter &t, const std::int16_t *spins,
                                                                          std::size_t n)
{
    SetCounterKernel::any(t, spins, n);
}

} // namespace

void SetCounter::add(std::span<const std::uint8_t> spins) { addBytes(*this, spins.data(), spins.size()); }
void SetCounter::add(std::span<const std::int16_t> spins) { addShorts(*this, spins.data(), spins.size()); }

} // namespace vintaro
