#pragma once
// The spin history: positions 1 (oldest) to count (newest).
#include <cstdint>
#include <span>
#include <vector>

namespace vintaro {

class SpinHistory
{
public:
    static constexpr int kCapacity = 32736;

    SpinHistory();

    int count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    bool full() const { return m_count >= kCapacity; }

    // Number at a 1-based position; 0 outside 1..count.
    int at(int position) const
    {
        return position >= 1 && position <= m_count ? m_spins[position] : 0;
    }

    // Appends one spin; false (and nothing changes) when the history is full.
    bool push(int number);
    // Removes the newest spin; false when empty.
    bool popBack();
    void clear();
    // Replaces the whole history; a longer list keeps its newest kCapacity spins.
    void assign(const std::vector<std::int16_t> &spins);

    // The spins, oldest first.
    std::span<const std::int16_t> spins() const { return {m_spins.data() + 1, static_cast<size_t>(m_count)}; }

private:
    std::vector<std::int16_t> m_spins; // kCapacity + 1 elements
    int m_count = 0;
};

} // namespace vintaro
