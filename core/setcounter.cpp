#include "core/setcounter.h"

#include <algorithm>
#include <cstring>

namespace vintaro {

SetCounter::SetCounter(std::span<const NumberSet> sets, Outside outside)
    : m_size(static_cast<int>(std::min<size_t>(sets.size(), kMaxSets))), m_outside(outside)
{
    std::memset(m_keep, 0, sizeof m_keep);
    for (int x = 0; x <= kNumberCount; ++x)
        for (int s = 0; s < kMaxSets; ++s) {
            const bool hit = s < m_size && x < kNumberCount && sets[static_cast<size_t>(s)].test(static_cast<size_t>(x));
            m_keep[x][s / 8][s % 8] = hit ? 0 : -1;
        }
}

Figures SetCounter::figures(int set) const
{
    return {static_cast<int>(hits(set)), static_cast<int>(current(set)), static_cast<int>(longest(set))};
}

struct SetCounterKernel
{
    template <typename Spin>
    static inline __attribute__((always_inline)) void run(SetCounter &t, const Spin *spins, std::size_t count)
    {
        using Lanes8 = SetCounter::Lanes8;
        constexpr int kVectors = SetCounter::kVectors;
        Lanes8 hits[kVectors], current[kVectors], longest[kVectors];
        std::memcpy(hits, t.m_hits.data(), sizeof hits);
        std::memcpy(current, t.m_current.data(), sizeof current);
        std::memcpy(longest, t.m_longest.data(), sizeof longest);
        const Lanes8 one = Lanes8{} + 1;
        const bool skip = t.m_outside == SetCounter::Outside::Skip;
        std::int64_t position = t.m_total;
        for (std::size_t i = 0; i < count; ++i) {
            int x = spins[i];
            if (x < 0 || x >= kNumberCount) {
                if (skip)
                    continue;
                x = kNumberCount;
            }
            ++position;
            for (int v = 0; v < kVectors; ++v) {
                const Lanes8 keep = t.m_keep[x][v];
                hits[v] += keep + one;
                current[v] = (current[v] + one) & keep;
                longest[v] = longest[v] > current[v] ? longest[v] : current[v];
            }
        }
        t.m_total = position;
        std::memcpy(t.m_hits.data(), hits, sizeof hits);
        std::memcpy(t.m_current.data(), current, sizeof current);
        std::memcpy(t.m_longest.data(), longest, sizeof longest);
    }
};

namespace {

__attribute__((target_clones("avx2", "default"))) void addBytes(SetCounter &t, const std::uint8_t *spins, std::size_t n)
{
    SetCounterKernel::run(t, spins, n);
}

__attribute__((target_clones("avx2", "default"))) void addShorts(SetCounter &t, const std::int16_t *spins, std::size_t n)
{
    SetCounterKernel::run(t, spins, n);
}

} // namespace

void SetCounter::add(std::span<const std::uint8_t> spins) { addBytes(*this, spins.data(), spins.size()); }
void SetCounter::add(std::span<const std::int16_t> spins) { addShorts(*this, spins.data(), spins.size()); }

} // namespace vintaro
