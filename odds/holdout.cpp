#include "odds/holdout.h"

#include <boost/math/distributions/binomial.hpp>

namespace vintaro {

namespace {

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
    using Binomial = boost::math::binomial_distribution<double>;
    const double n = double(e.spins), k = double(e.hits), scale = 36.0 / chosen.arc.width;
    e.edge = scale * k / n - 1;
    e.low = scale * Binomial::find_lower_bound_on_p(n, k, 0.025, Binomial::clopper_pearson_exact_interval) - 1;
    e.high = scale * Binomial::find_upper_bound_on_p(n, k, 0.025, Binomial::clopper_pearson_exact_interval) - 1;
    return e;
}

} // namespace

EdgeEstimates holdOutEstimates(const NumberCounts &firstHalf, const NumberCounts &whole)
{
    std::int64_t chosenOn = 0, total = 0;
    for (int x = 0; x < kNumberCount; ++x) {
        chosenOn += firstHalf[static_cast<size_t>(x)];
        total += whole[static_cast<size_t>(x)];
    }
    EdgeEstimates out;
    if (chosenOn < kEstimateMinimum || total - chosenOn < kEstimateMinimum)
        return out;
    const std::vector<SetEvidence> sets = setEvidence(firstHalf);
    const auto number = strongestSet(sets, firstHalf, [](const SetEvidence &s) { return s.arc.width == 1; });
    const auto arc = strongestSet(sets, firstHalf, [](const SetEvidence &s) { return s.arc.width > 1; });
    out.number = estimate(*number, chosenOn, whole, total);
    out.arc = estimate(*arc, chosenOn, whole, total);
    return out;
}

EdgeEstimates holdOutEstimates(const SpinTally &tally)
{
    return holdOutEstimates(tally.firstHalf().counts, tally.counts());
}

} // namespace vintaro
