#pragma once
// The e-value of odds/evidence.h, kept spin by spin by multiplying each Bayes
// factor by the ratio of its predictive chance to the fair one: for the
// simulations of the tests and benchmarks, which look after every spin.
#include <cstdint>
#include <vector>

#include "odds/evidence.h"

namespace vintaro {

class EvidenceProcess
{
public:
    EvidenceProcess()
    {
        for (int width : kEvidenceWidths) {
            const double p0 = double(width) / kNumberCount, q0 = 1 - p0;
            const std::vector<double> concentrations = EvidencePrior::concentrations(width);
            for (int start = 0; start < kNumberCount; ++start)
                for (double c : concentrations) {
                    m_parts.push_back({c * p0, c * q0, c, p0, q0});
                    m_weight.push_back(EvidencePrior::weight(width) / double(concentrations.size()));
                }
        }
        const size_t parts = m_parts.size();
        m_factor.assign(parts, 1.0);
        m_hits.assign(parts, 0.0);
        m_hitOf.assign(parts * kNumberCount, 0);
        size_t j = 0;
        for (int width : kEvidenceWidths)
            for (int start = 0; start < kNumberCount; ++start)
                for (size_t c = 0; c < EvidencePrior::concentrations(width).size(); ++c, ++j)
                    for (int x = 0; x < kNumberCount; ++x)
                        m_hitOf[static_cast<size_t>(x) * parts + j] = PocketArc{width, start}.contains(x);
    }

    void add(int number)
    {
        if (number < 0 || number >= kNumberCount)
            return;
        const size_t parts = m_parts.size();
        const std::uint8_t *hit = m_hitOf.data() + static_cast<size_t>(number) * parts;
        const double n = double(m_spins);
        for (size_t j = 0; j < parts; ++j) {
            const Part &p = m_parts[j];
            const double k = m_hits[j];
            const bool h = hit[j] != 0;
            // The predictive chance of this spin under the part's posterior,
            // against the fair one.
            m_factor[j] *= (h ? p.a + k : p.b + n - k) / ((p.c + n) * (h ? p.p0 : p.q0));
            m_hits[j] = k + (h ? 1.0 : 0.0);
        }
        ++m_spins;
    }

    double value() const
    {
        double e = 0;
        for (size_t j = 0; j < m_factor.size(); ++j)
            e += m_weight[j] * m_factor[j];
        return e;
    }

    std::int64_t spins() const { return m_spins; }

private:
    struct Part
    {
        double a, b, c, p0, q0;
    };
    std::vector<Part> m_parts;
    std::vector<double> m_weight, m_factor, m_hits; // per part
    std::vector<std::uint8_t> m_hitOf;             // [number * parts + part]
    std::int64_t m_spins = 0;
};

} // namespace vintaro
