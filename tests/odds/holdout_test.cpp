// The estimate on the later spins of a candidate chosen on the first ones,
// its range against the mixture written out from its definition, and what
// the range says in words.
#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>

#include <cmath>

#include "odds/evidencetext.h"
#include "odds/holdout.h"

namespace vintaro {
namespace {

// M+(p) (or M-(p)) from its definition: for each prior of the evidence, the
// chance of k hits and m misses in a given order with the rate drawn from the
// prior cut at p (above p, or below it for M-), integrated numerically, over
// the chance at rate p itself; averaged over the priors.
double directRatio(std::int64_t k, std::int64_t n, double p, int width, bool upper)
{
    boost::math::quadrature::tanh_sinh<double> integrate;
    const double p0 = width / 37.0;
    const std::vector<double> cs = EvidencePrior::concentrations(width);
    double sum = 0;
    for (double c : cs) {
        const boost::math::beta_distribution<double> prior(c * p0, c * (1 - p0));
        const auto f = [&](double x) {
            return boost::math::pdf(prior, x) *
                   std::exp(double(k) * std::log(x / p) + double(n - k) * std::log((1 - x) / (1 - p)));
        };
        const double lo = upper ? 0.0 : p, hi = upper ? p : 1.0;
        const double mass = upper ? boost::math::cdf(prior, p) : boost::math::cdf(complement(prior, p));
        // In pieces round the data's rate, so that a sharp peak is not missed.
        const double rate = double(k) / double(n), spread = 10 * std::sqrt(rate * (1 - rate) / double(n)) + 1e-6;
        std::vector<double> cuts = {lo, hi};
        for (double cut : {rate - spread, rate, rate + spread})
            if (cut > lo && cut < hi)
                cuts.push_back(cut);
        std::sort(cuts.begin(), cuts.end());
        double integral = 0;
        for (size_t i = 0; i + 1 < cuts.size(); ++i)
            integral += integrate.integrate(f, cuts[i], cuts[i + 1]);
        sum += integral / mass;
    }
    return sum / double(cs.size());
}

TEST(HoldOut, ChoosesOnTheFirstSpinsAndEstimatesOnTheRestInARangeTrueAtEveryLook)
{
    NumberCounts first{}, second{}, whole{};
    first.fill(10);
    first[5] = 20; // the hot number of the first spins
    second.fill(10);
    second[5] = 10; // cools down
    second[9] = 30; // a hot number of the later spins is never chosen
    for (size_t x = 0; x < 37; ++x)
        whole[x] = first[x] + second[x];
    const EdgeEstimates e = holdOutEstimates(first, whole);
    ASSERT_TRUE(e.number && e.arc);
    EXPECT_EQ(e.number->arc.width, 1);
    EXPECT_EQ(e.number->arc.centre(), 5);
    EXPECT_EQ(e.number->chosenOn, 380);
    EXPECT_EQ(e.number->spins, 390);
    EXPECT_EQ(e.number->hits, 10);
    EXPECT_NEAR(e.number->edge, 36.0 * 10 / 390 - 1, 1e-12);
    // The ends are where the one-sided mixtures reach 2 / alpha: alpha is
    // 0.05 / (5 * 6) for a candidate chosen on 380 spins (the fifth power
    // of two from 16 on is 256).
    const double alpha = 0.05 / 30;
    EXPECT_NEAR(sequenceAlpha(380), alpha, 1e-15);
    const double low = (e.number->low + 1) / 36, high = (e.number->high + 1) / 36;
    EXPECT_NEAR(directRatio(10, 390, low, 1, false), 2 / alpha, 1e-6 * 2 / alpha);
    EXPECT_NEAR(directRatio(10, 390, high, 1, true), 2 / alpha, 1e-6 * 2 / alpha);
    // Wider than the one-look Clopper–Pearson interval of 95 %.
    EXPECT_LT(low, boost::math::quantile(boost::math::beta_distribution<double>(10, 381), 0.025));
    EXPECT_GT(high, boost::math::quantile(boost::math::beta_distribution<double>(11, 380), 0.975));
    EXPECT_TRUE(e.arc->arc.contains(5));
    std::int64_t arcHits = 0;
    for (int x = 0; x < 37; ++x)
        arcHits += e.arc->arc.contains(x) ? second[size_t(x)] : 0;
    EXPECT_EQ(e.arc->hits, arcHits);
    EXPECT_NEAR(e.arc->edge, 36.0 / e.arc->arc.width * double(arcHits) / 390 - 1, 1e-12);
    const double arcLow = (e.arc->low + 1) * e.arc->arc.width / 36;
    EXPECT_NEAR(directRatio(arcHits, 390, arcLow, e.arc->arc.width, false), 2 / alpha, 1e-6 * 2 / alpha);

    // Too few spins to choose on: no estimate.
    NumberCounts few{};
    few[3] = 15;
    EXPECT_FALSE(holdOutEstimates(few, whole).number);
    EXPECT_EQ(choiceSpins(31), 0);
    EXPECT_EQ(choiceSpins(32), 16);
    EXPECT_EQ(choiceSpins(32735), 16384 / 2);
    EXPECT_EQ(choiceSpins(32768), 16384);
    // The shares of the 5 % add up to it: 1/(1*2) + ... + 1/(J(J+1)) = 1 - 1/(J+1).
    double total = 0;
    int shares = 0;
    for (std::int64_t s = 16; s < (std::int64_t(1) << 62); s *= 2, ++shares)
        total += sequenceAlpha(s);
    EXPECT_NEAR(total, kSequenceAlpha * (1 - 1.0 / (shares + 1)), 1e-12);
}

// The quick test of a claim says what the range says, hit count by hit count.
TEST(HoldOut, TheClaimIsTheLowerEndAboveBreakEven)
{
    int compared = 0, claims = 0;
    for (int width : {1, 3, 9, 18})
        for (std::int64_t n : {40, 300, 4000}) {
            const double alpha = sequenceAlpha(n);
            const double even = width / 36.0;
            for (std::int64_t k = std::int64_t(even * double(n)); k <= n; k += std::max<std::int64_t>(1, n / 150)) {
                NumberCounts chosen{}, whole{};
                // A candidate chosen on n spins of `width` pockets, then k
                // hits of it in n more.
                chosen.fill(0);
                for (int i = 0; i < width; ++i)
                    chosen[size_t(kWheelOrder[size_t(i)])] = n / width + (i < n % width ? 1 : 0);
                whole = chosen;
                whole[size_t(kWheelOrder[0])] += k;
                whole[size_t(kWheelOrder[36])] += n - k;
                const EdgeEstimates e = holdOutEstimates(chosen, whole);
                const EdgeEstimate &est = width == 1 ? *e.number : *e.arc;
                if (est.arc.width != width || !est.arc.contains(kWheelOrder[0]) || est.arc.contains(kWheelOrder[36]))
                    continue; // another set was chosen
                EXPECT_EQ(beatsTheBank(k, n, width, alpha), est.low > 0) << width << " " << n << " " << k;
                ++compared;
                claims += est.low > 0;
            }
        }
    EXPECT_GT(compared, 600);
    EXPECT_GT(claims, 300);
    EXPECT_LT(claims, compared - 100);
}

TEST(HoldOut, WordsOfTheRange)
{
    EdgeEstimate beats;
    beats.arc = {1, 0};
    beats.low = 0.01;
    beats.high = 0.3;
    EXPECT_NE(estimateLine(beats, true).find("megverné a bankot"), std::string::npos);
    EdgeEstimate worse = beats;
    worse.low = -0.5;
    worse.high = -0.1;
    EXPECT_NE(estimateLine(worse, true).find("rosszabb"), std::string::npos);
    EdgeEstimate between = beats;
    between.low = -0.01;
    EXPECT_NE(estimateLine(between, false).find("nem biztos"), std::string::npos);
}

} // namespace
} // namespace vintaro
