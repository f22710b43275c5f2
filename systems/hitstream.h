#pragma once
// The spins of a block of simulated sessions, seen as hits and misses of
// one bet: drawn into a window of 64 bits (the oldest in the
// lowest bit), so that the session loop takes a spin with a shift and a
// doubling system can see a whole run of misses at once. The pockets are
// pcg32's, in the order drawn: the window only draws ahead, a session takes
// exactly the spins it plays and the next session goes on from there.
#include <pcg_random.hpp>

#include <atomic>
#include <cstdint>

#include "systems/pocketdraw.h"


namespace vintaro {

class HitStream
{
public:
    HitStream(std::uint64_t seed, std::uint64_t stream, std::uint64_t mask, const std::atomic<bool> *cancel)
        : m_random(seed, stream), m_mask(mask), m_cancel(cancel)
    {
    }

    // More than 32 spins in the window: when it held 32 or fewer, it is
    // filled to 64; false, with nothing drawn, once a request to stop has
    // been seen. It looks for one every 2^16 spins drawn.
    bool topUp()
    {
        if (m_count > 32)
            return true;
        if (m_stopped || ((++m_refills & 0x7FFu) == 0 && !stillWanted()))
            return false;
        m_bits |= drawHits(64 - m_count) << m_count;
        m_count = 64;
        return true;
    }

    // The spins in the window: bit i is 1 when the i-th spin from now hits.
    std::uint64_t bits() const { return m_bits; }
    int count() const { return m_count; }

    // Takes the next n spins (n at most count()).
    void take(int n)
    {
        m_bits = n < 64 ? m_bits >> n : 0;
        m_count -= n;
    }

    // The pocket of the next spin, or -1 once a request to stop has been
    // seen: for the spins of the window, `inBet` for a hit and `outOfBet`
    // for a miss; then pockets drawn one at a time (for a loop that plays
    // spin by spin, the drawing then overlaps the playing).
    int nextPocket(int inBet, int outOfBet)
    {
        if (m_count > 0) [[unlikely]] {
            const bool hit = m_bits & 1;
            m_bits >>= 1;
            --m_count;
            return hit ? inBet : outOfBet;
        }
        if ((++m_single & 0xFFFFu) == 0 && !stillWanted()) [[unlikely]]
            return -1;
        return pocketOf(m_random);
    }

private:
    // The next n spins (n from 32 to 64), the first in the lowest bit.
    std::uint64_t drawHits(int n);

    bool stillWanted()
    {
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            m_stopped = true;
        return !m_stopped;
    }

    pcg32 m_random;
    std::uint64_t m_mask;
    const std::atomic<bool> *m_cancel;
    std::uint64_t m_bits = 0;
    int m_count = 0;
    std::uint32_t m_refills = 0, m_single = 0;
    bool m_stopped = false;
};

} // namespace vintaro
