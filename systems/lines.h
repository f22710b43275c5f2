#pragma once
// The systems that keep more than a counter: Labouchère's line and Oscar's
// Grind with its cycle profit.
#include <vector>

#include "systems/system.h"

namespace vintaro {

// Stakes the first plus the last number of the line (the one number when one
// is left); a win crosses both off, a loss appends the stake; a finished line
// starts again.
class LabouchereSystem final : public System
{
public:
    explicit LabouchereSystem(std::vector<std::int64_t> line = {1, 2, 3, 4});
    void reset(double) override;
    std::int64_t stake() const override
    {
        const size_t n = m_line.size() - m_first;
        return n == 1 ? m_line[m_first] : m_line[m_first] + m_line.back();
    }
    void won() override;
    void lost() override { m_line.push_back(stake()); }

private:
    std::vector<std::int64_t> m_start;
    std::vector<std::int64_t> m_line;
    size_t m_first = 0; // numbers before it are crossed off
};

// One unit more after a win, never more than what brings the cycle to one
// unit ahead; the same after a loss; a new cycle once one unit ahead.
class OscarSystem final : public System
{
public:
    void reset(double winPerUnit) override
    {
        m_win = winPerUnit;
        m_stake = 1;
        m_profit = 0;
    }
    std::int64_t stake() const override { return m_stake; }
    void won() override;
    void lost() override { m_profit -= double(m_stake); }

private:
    double m_win = 1;
    std::int64_t m_stake = 1;
    double m_profit = 0; // of the cycle, in units
};

} // namespace vintaro
