#include "odds/holdout.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/gamma.hpp>

namespace vintaro {

namespace {

double logBeta(double x, double y)
{
    return boost::math::lgamma(x) + boost::math::lgamma(y) - boost::math::lgamma(x + y);
}

// A cut prior whose tail beyond p is below this is left out of the average
// at p: which priors count depends on p alone, never on the spins.
constexpr double kTailFloor = 1e-250;

// The end of the range: the rate where the test at it stops rejecting,
// between `inside` (not rejected) and `outside` (rejected), to a part in
// 10^10 of the rate: far finer than the tenth of a percent shown.
double rangeEnd(double inside, double outside, double threshold, const auto &logRatio)
{
    const double tolerance = 1e-10 * std::fabs(inside - outside);
    for (int i = 0; i < 200 && std::fabs(inside - outside) > tolerance; ++i) {
        const double mid = 0.5 * (inside + outside);
        (logRatio(mid) >= threshold ? outside : inside) = mid;
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
    const double low = k == 0 ? 0.0 : rangeEnd(rate, 0.0, threshold, [&](double p) {
        return logMixtureRatio(k, n, p, w, false);
    });
    const double high = k == n ? 1.0 : rangeEnd(rate, 1.0, threshold, [&](double p) {
        return logMixtureRatio(k, n, p, w, true);
    });
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
    const double p0 = double(width) / kNumberCount, q0 = 1 - p0;
    const double k = double(hits), m = double(spins - hits);
    const double fair = k * std::log(p) + m * std::log1p(-p);
    std::vector<double> parts;
    const std::vector<double> concentrations = EvidencePrior::concentrations(width);
    for (double c : concentrations) {
        const double a = c * p0, b = c * q0;
        const double priorTail = upper ? boost::math::ibeta(a, b, p) : boost::math::ibetac(a, b, p);
        if (!(priorTail > kTailFloor))
            continue;
        const double tail = upper ? boost::math::ibeta(a + k, b + m, p) : boost::math::ibetac(a + k, b + m, p);
        if (!(tail > 0))
            continue;
        parts.push_back(logBeta(a + k, b + m) - logBeta(a, b) + std::log(tail) - std::log(priorTail) - fair);
    }
    if (parts.empty())
        return -INFINITY;
    const double top = *std::max_element(parts.begin(), parts.end());
    double sum = 0;
    for (double x : parts)
        sum += std::exp(x - top);
    return top + std::log(sum / double(concentrations.size()));
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

EdgeEstimates holdOutEstimates(const NumberCounts &chosen, const NumberCounts &whole)
{
    std::int64_t chosenOn = 0, total = 0;
    for (int x = 0; x < kNumberCount; ++x) {
        chosenOn += chosen[static_cast<size_t>(x)];
        total += whole[static_cast<size_t>(x)];
    }
    EdgeEstimates out;
    if (chosenOn < kEstimateMinimum || total - chosenOn < kEstimateMinimum)
        return out;
    const std::vector<SetEvidence> sets = setEvidence(chosen);
    const auto number = strongestSet(sets, chosen, [](const SetEvidence &s) { return s.arc.width == 1; });
    const auto arc = strongestSet(sets, chosen, [](const SetEvidence &s) { return s.arc.width > 1; });
    out.number = estimate(*number, chosenOn, whole, total);
    out.arc = estimate(*arc, chosenOn, whole, total);
    return out;
}

EdgeEstimates holdOutEstimates(const SpinTally &tally)
{
    return holdOutEstimates(tally.firstHalf().counts, tally.counts());
}

} // namespace vintaro
