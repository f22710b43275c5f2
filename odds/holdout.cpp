#include "odds/holdout.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <vector>

#include "odds/doublemath.h"

namespace vintaro {

namespace {

// A cut prior whose tail beyond p is below this is left out of the average
// at p: which priors count depends on p alone, never on the spins.
constexpr double kTailFloor = 1e-250;

// log M+ (upper = false) or log M- (upper = true) of k hits in n spins of a
// set of `width` pockets, as a function of the rate p: what does not depend
// on p is worked out once.
class MixtureRatio
{
public:
    MixtureRatio(std::int64_t hits, std::int64_t spins, int width, bool upper)
        : m_k(double(hits)), m_m(double(spins - hits)), m_upper(upper)
    {
        const double p0 = double(width) / kNumberCount, q0 = 1 - p0;
        const std::vector<double> concentrations = EvidencePrior::concentrations(width);
        m_count = concentrations.size();
        for (size_t i = 0; i < m_count && i < m_priors.size(); ++i) {
            Prior &prior = m_priors[i];
            prior.a = concentrations[i] * p0;
            prior.b = concentrations[i] * q0;
            prior.logBetas = doublemath::logBeta(prior.a + m_k, prior.b + m_m) - doublemath::logBeta(prior.a, prior.b);
        }
    }

    double operator()(double p) const
    {
        const double fair = m_k * std::log(p) + m_m * std::log1p(-p);
        std::array<double, 4> parts{};
        size_t used = 0;
        for (size_t i = 0; i < m_count && i < m_priors.size(); ++i) {
            const Prior &prior = m_priors[i];
            const double priorTail =
                m_upper ? doublemath::ibeta(prior.a, prior.b, p) : doublemath::ibetac(prior.a, prior.b, p);
            if (!(priorTail > kTailFloor))
                continue;
            const double tail = m_upper ? doublemath::ibeta(prior.a + m_k, prior.b + m_m, p)
                                        : doublemath::ibetac(prior.a + m_k, prior.b + m_m, p);
            if (!(tail > 0))
                continue;
            parts[used++] = prior.logBetas + std::log(tail) - std::log(priorTail) - fair;
        }
        if (used == 0)
            return -INFINITY;
        const double top = *std::max_element(parts.begin(), parts.begin() + std::ptrdiff_t(used));
        double sum = 0;
        for (size_t i = 0; i < used; ++i)
            sum += std::exp(parts[i] - top);
        return top + std::log(sum / double(m_count));
    }

private:
    struct Prior
    {
        double a = 0, b = 0;
        double logBetas = 0; // log B(a + k, b + m) - log B(a, b)
    };
    double m_k, m_m;
    bool m_upper;
    size_t m_count = 0;
    std::array<Prior, 4> m_priors{};
};

// The end of the range: the rate where the test at it stops rejecting,
// between `inside` (not rejected) and `outside` (rejected), to a part in
// 10^10 of the rate: far finer than the tenth of a percent shown. Regula
// falsi with the Illinois step once both ends have a finite excess over the
// threshold, halving before that and whenever a step lands outside.
double rangeEnd(double inside, double outside, double threshold, const MixtureRatio &logRatio)
{
    const double tolerance = 1e-10 * std::fabs(inside - outside);
    double excessIn = logRatio(inside) - threshold; // below 0 by the choice of `inside`
    double excessOut = INFINITY;
    int kept = 0; // +1: `inside` stayed put last time, -1: `outside` did
    for (int i = 0; i < 200 && std::fabs(inside - outside) > tolerance; ++i) {
        double mid = 0.5 * (inside + outside);
        if (std::isfinite(excessIn) && std::isfinite(excessOut) && excessIn < 0 && excessOut >= 0) {
            const double falsi = inside - excessIn * (outside - inside) / (excessOut - excessIn);
            if (falsi > std::min(inside, outside) && falsi < std::max(inside, outside))
                mid = falsi;
        }
        const double excess = logRatio(mid) - threshold;
        if (excess >= 0) {
            outside = mid;
            excessOut = excess;
            if (kept > 0)
                excessIn /= 2;
            kept = 1;
        } else {
            inside = mid;
            excessIn = excess;
            if (kept < 0)
                excessOut /= 2;
            kept = -1;
        }
    }
    return inside;
}

EdgeEstimate estimate(const SetEvidence &chosen, std::int64_t chosenOn, const NumberCounts &whole,
                      std::int64_t total)
{
    EdgeEstimate e;
    e.arc = chosen.arc;
    e.chosenOn = chosenOn;
    e.spins = total - chosenOn;
    for (int x = 0; x < kNumberCount; ++x)
        if (chosen.arc.contains(x))
            e.hits += whole[static_cast<size_t>(x)];
    e.hits -= chosen.hits;
    const std::int64_t k = e.hits, n = e.spins;
    const int w = chosen.arc.width;
    const double scale = 36.0 / w, rate = double(k) / double(n);
    const double threshold = std::log(2 / sequenceAlpha(chosenOn));
    const double low = k == 0 ? 0.0 : rangeEnd(rate, 0.0, threshold, MixtureRatio(k, n, w, false));
    const double high = k == n ? 1.0 : rangeEnd(rate, 1.0, threshold, MixtureRatio(k, n, w, true));
    e.edge = scale * rate - 1;
    e.low = scale * low - 1;
    e.high = scale * high - 1;
    return e;
}

} // namespace

std::int64_t choiceSpins(std::int64_t total)
{
    if (total / 2 < kEstimateMinimum)
        return 0;
    return std::int64_t(std::bit_floor(std::uint64_t(total / 2)));
}

double sequenceAlpha(std::int64_t chosenOn)
{
    const double j = double(std::bit_width(std::uint64_t(chosenOn)) - std::bit_width(std::uint64_t(kEstimateMinimum)) + 1);
    return kSequenceAlpha / (j * (j + 1));
}

double logMixtureRatio(std::int64_t hits, std::int64_t spins, double p, int width, bool upper)
{
    return MixtureRatio(hits, spins, width, upper)(p);
}

bool beatsTheBank(std::int64_t k, std::int64_t n, int width, double alpha)
{
    const double even = double(width) / 36; // the rate at which the bet breaks even
    if (n <= 0 || double(k) <= even * double(n))
        return false;
    // The likelihood ratio at the best rate bounds every mixture of it.
    const double rate = double(k) / double(n), threshold = std::log(2 / alpha);
    const double best = double(k) * std::log(rate / even) +
                        (k < n ? double(n - k) * std::log((1 - rate) / (1 - even)) : 0.0);
    if (best < threshold)
        return false;
    return logMixtureRatio(k, n, even, width, false) >= threshold;
}

namespace {

std::int64_t spinsOf(const NumberCounts &counts)
{
    std::int64_t total = 0;
    for (std::int64_t c : counts)
        total += c;
    return total;
}

void choose(const NumberCounts &chosen, HoldOutChoice &kept)
{
    const std::vector<SetEvidence> sets = setEvidence(chosen);
    kept.chosen = chosen;
    kept.number = *strongestSet(sets, chosen, [](const SetEvidence &s) { return s.arc.width == 1; });
    kept.arc = *strongestSet(sets, chosen, [](const SetEvidence &s) { return s.arc.width > 1; });
    kept.valid = true;
}

EdgeEstimates estimates(HoldOutChoice &kept, const NumberCounts &chosen, const NumberCounts &whole)
{
    const std::int64_t chosenOn = spinsOf(chosen), total = spinsOf(whole);
    EdgeEstimates out;
    if (chosenOn < kEstimateMinimum || total - chosenOn < kEstimateMinimum)
        return out;
    if (!kept.valid || kept.chosen != chosen)
        choose(chosen, kept);
    out.number = estimate(kept.number, chosenOn, whole, total);
    out.arc = estimate(kept.arc, chosenOn, whole, total);
    return out;
}

} // namespace

EdgeEstimates holdOutEstimates(const NumberCounts &chosen, const NumberCounts &whole)
{
    HoldOutChoice kept;
    return estimates(kept, chosen, whole);
}

EdgeEstimates holdOutEstimates(const SpinTally &tally)
{
    return holdOutEstimates(tally.firstHalf().counts, tally.counts());
}

EdgeEstimates holdOutEstimates(const SpinTally &tally, HoldOutChoice &kept)
{
    return estimates(kept, tally.firstHalf().counts, tally.counts());
}

} // namespace vintaro
