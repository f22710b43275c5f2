#pragma once
// Hits, current absence and longest absence of any sets of numbers, counted
// in one pass over spins that may come in batches of any size: the one count
// behind the wheel's sector table and the odds window's bet table.
#include <array>
#include <cstdint>
#include <span>

#include "core/statistics.h"
#include "core/wheel.h"

namespace vintaro {

class SetCounter
{
public:
    static constexpr int kMaxSets = 32;

    // What a value outside 0..36 is: no spin at all, or a spin that misses
    // every set.
    enum class Outside { Skip, Miss };

    // At most kMaxSets sets; the rest are not counted.
    explicit SetCounter(std::span<const NumberSet> sets = {}, Outside outside = Outside::Skip);

    // Spins oldest first.
    void add(std::span<const std::uint8_t> spins);
    void add(std::span<const std::int16_t> spins);

    int size() const { return m_size; }
    std::int64_t spins() const { return m_total; }
    std::int64_t hits(int set) const;
    // How often each number came (index 0..36).
    const std::array<std::int64_t, kNumberCount + 1> &valueCounts() const { return m_values; }
    // Spins since the latest hit (all of them when it never hit).
    std::int64_t current(int set) const { return m_current[static_cast<size_t>(set)]; }
    // The greatest current absence reached.
    std::int64_t longest(int set) const { return m_longest[static_cast<size_t>(set)]; }
    Figures figures(int set) const;

private:
    typedef std::int32_t Lanes8 __attribute__((vector_size(32))); // eight sets to a vector
    static constexpr int kVectors = kMaxSets / 8;

    // keep[x][v] lane s: all ones when a spin of x misses set s (its absence
    // goes on), zero when it hits; row kNumberCount for a value off the wheel.
    Lanes8 m_keep[kNumberCount + 1][kVectors];
    int m_size = 0;
    int m_vectors = 0; // only as many as the sets fill
    Outside m_outside;
    std::int64_t m_total = 0;
    std::array<NumberSet, kMaxSets> m_sets{};
    // Hits come from these: each set's hits are the counts of its numbers.
    std::array<std::int64_t, kNumberCount + 1> m_values{}; // [kNumberCount]: off the wheel
    // 32-bit lanes: absences up to two thousand million spins.
    alignas(32) std::array<std::int32_t, kMaxSets> m_current{};
    alignas(32) std::array<std::int32_t, kMaxSets> m_longest{};

    friend struct SetCounterKernel;
};

} // namespace vintaro
