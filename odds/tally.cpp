#include "odds/tally.h"

#include <algorithm>
#include <cstring>

namespace vintaro {

namespace {

// Eight 32-bit lanes (one AVX2 register, two SSE2 ones).
typedef std::int32_t Lanes8 __attribute__((vector_size(32)));
constexpr int kVectors = SpinTally::kLanes / 8;

struct KeepTable
{
    // keep[x][v] lane b: all ones when a spin of x misses group bet b (its
    // absence goes on), zero when it hits (the absence restarts).
    Lanes8 keep[kNumberCount][kVectors];
    KeepTable()
    {
        std::memset(keep, 0, sizeof keep);
        for (int x = 0; x < kNumberCount; ++x)
            for (int b = 0; b < SpinTally::kLanes; ++b) {
                const bool hit = b < kGroupBets && oddsBets()[static_cast<size_t>(b)].numbers.test(static_cast<size_t>(x));
                keep[x][b / 8][b % 8] = hit ? 0 : -1;
            }
    }
};

const KeepTable &keepTable()
{
    static const KeepTable table;
    return table;
}

} // namespace

struct TallyKernel
{
    template <typename Spin>
    static inline __attribute__((always_inline)) void run(SpinTally &t, const Spin *spins, std::size_t count)
    {
        const KeepTable &table = keepTable();
        Lanes8 current[kVectors], longest[kVectors];
        std::memcpy(current, t.m_current.data(), sizeof current);
        std::memcpy(longest, t.m_longest.data(), sizeof longest);
        const Lanes8 one = Lanes8{} + 1;
        std::int64_t position = t.m_total;
        for (std::size_t i = 0; i < count; ++i) {
            const int x = spins[i];
            if (x < 0 || x >= kNumberCount)
                continue;
            ++position;
            ++t.m_counts[static_cast<size_t>(x)];
            const std::int64_t gap = position - t.m_lastHit[static_cast<size_t>(x)] - 1;
            t.m_longestGap[static_cast<size_t>(x)] = std::max(t.m_longestGap[static_cast<size_t>(x)], gap);
            t.m_lastHit[static_cast<size_t>(x)] = position;
            for (int v = 0; v < kVectors; ++v) {
                current[v] = (current[v] + one) & table.keep[x][v];
                longest[v] = longest[v] > current[v] ? longest[v] : current[v];
            }
        }
        t.m_total = position;
        std::memcpy(t.m_current.data(), current, sizeof current);
        std::memcpy(t.m_longest.data(), longest, sizeof longest);
    }
};

namespace {

__attribute__((target_clones("avx2", "default"))) void addBytes(SpinTally &t, const std::uint8_t *spins, std::size_t n)
{
    TallyKernel::run(t, spins, n);
}

__attribute__((target_clones("avx2", "default"))) void addShorts(SpinTally &t, const std::int16_t *spins, std::size_t n)
{
    TallyKernel::run(t, spins, n);
}

} // namespace

SpinTally::SpinTally() { keepTable(); }

void SpinTally::add(std::span<const std::uint8_t> spins) { addBytes(*this, spins.data(), spins.size()); }
void SpinTally::add(std::span<const std::int16_t> spins) { addShorts(*this, spins.data(), spins.size()); }

std::int64_t SpinTally::hits(int bet) const
{
    const NumberSet &numbers = oddsBets()[static_cast<size_t>(bet)].numbers;
    std::int64_t out = 0;
    for (int x = 0; x < kNumberCount; ++x)
        if (numbers.test(static_cast<size_t>(x)))
            out += m_counts[static_cast<size_t>(x)];
    return out;
}

std::int64_t SpinTally::currentAbsence(int bet) const
{
    if (bet < kGroupBets)
        return m_current[static_cast<size_t>(bet)];
    return m_total - m_lastHit[static_cast<size_t>(bet - kGroupBets)];
}

std::int64_t SpinTally::longestAbsence(int bet) const
{
    if (bet < kGroupBets)
        return m_longest[static_cast<size_t>(bet)];
    return std::max(m_longestGap[static_cast<size_t>(bet - kGroupBets)], currentAbsence(bet));
}

} // namespace vintaro
