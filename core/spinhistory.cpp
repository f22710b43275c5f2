#include "core/spinhistory.h"

#include <algorithm>

namespace vintaro {

SpinHistory::SpinHistory() : m_spins(kCapacity + 1, 0) {}

bool SpinHistory::push(int number)
{
    if (full())
        return false;
    m_spins[++m_count] = static_cast<std::int16_t>(number);
    return true;
}

bool SpinHistory::popBack()
{
    if (m_count == 0)
        return false;
    m_spins[m_count--] = 0;
    return true;
}

void SpinHistory::clear()
{
    std::fill(m_spins.begin(), m_spins.end(), std::int16_t{0});
    m_count = 0;
}

void SpinHistory::assign(const std::vector<std::int16_t> &spins)
{
    clear();
    const size_t keep = std::min(spins.size(), static_cast<size_t>(kCapacity));
    std::copy(spins.end() - static_cast<std::ptrdiff_t>(keep), spins.end(), m_spins.begin() + 1);
    m_count = static_cast<int>(keep);
}

} // namespace vintaro
