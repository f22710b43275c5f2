#include "odds/evidence.h"

#include <algorithm>
#include <cmath>

#include <boost/math/special_functions/gamma.hpp>

#include "core/textmark.h"

namespace vintaro {

namespace {

double logBeta(double x, double y)
{
    return boost::math::lgamma(x) + boost::math::lgamma(y) - boost::math::lgamma(x + y);
}

// log(sum exp(v)) without overflow.
double logSumExp(const std::vector<double> &v)
{
    const double top = *std::max_element(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += std::exp(x - top);
    return top + std::log(sum);
}

} // namespace

bool PocketArc::contains(int number) const
{
    return (wheelIndex(number) - start + kNumberCount) % kNumberCount < width;
}

int PocketArc::centre() const { return kWheelOrder[static_cast<size_t>((start + width / 2) % kNumberCount)]; }

NumberSet PocketArc::numbers() const { return arcSet(start, width); }

double EvidencePrior::weight(int width) { return (width == 1 ? 0.5 : 0.1) / kNumberCount; }

std::vector<double> EvidencePrior::concentrations(int width)
{
    // Priors whose spread of p is the fair chance times 1, 0.3, 0.1 and 0.03:
    // a dead pocket, a strong bias and ever finer ones.
    const double p0 = double(width) / kNumberCount, q0 = 1 - p0;
    std::vector<double> out;
    for (double spread : {1.0, 0.3, 0.1, 0.03})
        out.push_back(std::max(2.0, q0 / (p0 * spread * spread) - 1));
    return out;
}

double Evidence::value() const { return std::exp(logE); }

std::vector<SetEvidence> setEvidence(const NumberCounts &counts)
{
    std::int64_t n = 0;
    for (std::int64_t c : counts)
        n += c;
    std::vector<SetEvidence> out;
    out.reserve(kEvidenceSets);
    for (int width : kEvidenceWidths) {
        const double p0 = double(width) / kNumberCount, q0 = 1 - p0;
        const std::vector<double> concentrations = EvidencePrior::concentrations(width);
        const double share = std::log(EvidencePrior::weight(width));
        for (int start = 0; start < kNumberCount; ++start) {
            SetEvidence set;
            set.arc = {width, start};
            for (int i = 0; i < width; ++i)
                set.hits += counts[static_cast<size_t>(kWheelOrder[static_cast<size_t>((start + i) % kNumberCount)])];
            set.expected = double(n) * p0;
            const double k = double(set.hits), m = double(n - set.hits);
            std::vector<double> parts;
            for (double c : concentrations) {
                const double a = c * p0, b = c * q0;
                parts.push_back(logBeta(a + k, b + m) - logBeta(a, b) - k * std::log(p0) - m * std::log(q0) -
                                std::log(double(concentrations.size())));
            }
            set.logFactor = logSumExp(parts);
            set.logShare = share + set.logFactor;
            out.push_back(set);
        }
    }
    return out;
}

Evidence evidence(const NumberCounts &counts)
{
    Evidence out;
    for (std::int64_t c : counts)
        out.spins += c;
    const std::vector<SetEvidence> sets = setEvidence(counts);
    std::vector<double> shares;
    for (const SetEvidence &s : sets)
        shares.push_back(s.logShare);
    out.logE = logSumExp(shares);
    out.strongest = *strongestSet(sets, counts, [](const SetEvidence &) { return true; });
    return out;
}

std::string_view evidenceVerdict(double e)
{
    static constexpr const char *verdicts[] = {QT_TRANSLATE_NOOP("Evidence", "torzítás nem mutatható ki"),
                                               QT_TRANSLATE_NOOP("Evidence", "gyanús"),
                                               QT_TRANSLATE_NOOP("Evidence", "erős jel")};
    return verdicts[int(e >= kSuspiciousEvidence) + int(e >= kStrongEvidence)];
}

} // namespace vintaro
