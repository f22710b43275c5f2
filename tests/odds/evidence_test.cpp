// The e-value against a fair wheel: its closed form against a direct
// integration over each prior, the running form against both, the verdicts,
// the set it names, and a seeded simulation of its calibration and power at a
// reduced size (the full figures come from bench/evidence_bench.cpp).
#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <random>
#include <tuple>
#include <vector>

#include "odds/evidence.h"
#include "tests/support/evidenceprocess.h"
#include "tests/support/wheelsimulation.h"

namespace vintaro {
namespace {

NumberCounts countsOf(const std::vector<int> &spins)
{
    NumberCounts c{};
    for (int x : spins)
        ++c[size_t(x)];
    return c;
}

// E written out from its definition: for every set and prior, the chance of
// the spins with p drawn from Beta(c p0, c q0), the pockets inside and outside
// the set sharing p and 1 - p evenly, integrated numerically and divided by
// the fair chance (1/37)^n; weighted a half for single numbers, a tenth for
// each width of arc, spread over the 37 sets and the priors.
double directE(const std::vector<int> &spins)
{
    boost::math::quadrature::tanh_sinh<double> integrate;
    std::map<std::tuple<int, double, int>, double> memo;
    double e = 0;
    for (int width : {1, 3, 5, 9, 13, 18}) {
        const double p0 = width / 37.0;
        const double setWeight = (width == 1 ? 0.5 : 0.1) / 37;
        for (int start = 0; start < 37; ++start) {
            int k = 0;
            for (int x : spins)
                k += (wheelIndex(x) - start + 37) % 37 < width;
            const int n = int(spins.size());
            // Priors whose spread of p is p0 times 1, 0.3, 0.1 and 0.03: Beta(c p0, c q0) has
            // variance p0 q0 / (c + 1), so c = q0 / (p0 s^2) - 1 (at least 2).
            std::vector<double> cs;
            for (double s : {1.0, 0.3, 0.1, 0.03})
                cs.push_back(std::max(2.0, (1 - p0) / (p0 * s * s) - 1));
            for (double c : cs) {
                // Sets of one width with as many hits have the same integral.
                const auto key = std::make_tuple(width, c, k);
                if (const auto known = memo.find(key); known != memo.end()) {
                    e += setWeight / double(cs.size()) * known->second;
                    continue;
                }
                const boost::math::beta_distribution<double> prior(c * p0, c * (1 - p0));
                const auto f = [&](double p) {
                    return boost::math::pdf(prior, p) * std::pow(p / p0, k) * std::pow((1 - p) / (1 - p0), n - k);
                };
                // In three pieces, so that a narrow prior's peak is not missed.
                const double spread = 10 * boost::math::standard_deviation(prior);
                const double lo = std::max(1e-9, p0 - spread), hi = std::min(1 - 1e-9, p0 + spread);
                const double likelihood =
                    integrate.integrate(f, 0.0, lo) + integrate.integrate(f, lo, hi) + integrate.integrate(f, hi, 1.0);
                memo[key] = likelihood;
                e += setWeight / double(cs.size()) * likelihood;
            }
        }
    }
    return e;
}

TEST(Evidence, ClosedFormAndRunningFormAgreeWithTheDefinition)
{
    const std::vector<std::vector<int>> histories = {
        {}, {17}, {17, 17}, {0, 32, 15, 19, 4, 21}, {5, 5, 5, 5, 5, 5, 5, 5, 12, 5}, {3, 26, 0, 32, 15, 19, 4, 21, 2, 25,
        17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35}};
    for (const auto &spins : histories) {
        const double direct = directE(spins);
        const Evidence closed = evidence(countsOf(spins));
        EXPECT_NEAR(closed.value(), direct, 1e-7 * direct) << spins.size() << " spins";
        EvidenceProcess running;
        for (int x : spins)
            running.add(x);
        EXPECT_NEAR(running.value(), direct, 1e-9 * direct) << spins.size() << " spins";
        EXPECT_EQ(closed.spins, std::int64_t(spins.size()));
    }
    EXPECT_NEAR(evidence(NumberCounts{}).value(), 1.0, 1e-12); // no spins, no evidence either way
}

TEST(Evidence, VerdictsAndTheSetThatCarriesThem)
{
    EXPECT_EQ(evidenceVerdict(0.5), "torzítás nem mutatható ki");
    EXPECT_EQ(evidenceVerdict(19.99), "torzítás nem mutatható ki");
    EXPECT_EQ(evidenceVerdict(20), "gyanús");
    EXPECT_EQ(evidenceVerdict(99.9), "gyanús");
    EXPECT_EQ(evidenceVerdict(100), "erős jel");

    // A history of 20s alone: the number 20 carries it, and of the arcs the
    // one centred on 20, though every arc holding 20 has as many hits.
    NumberCounts only20{};
    only20[20] = 40;
    const Evidence e = evidence(only20);
    EXPECT_GE(e.value(), kStrongEvidence);
    EXPECT_EQ(e.strongest.arc.width, 1);
    EXPECT_EQ(e.strongest.arc.centre(), 20);
    EXPECT_EQ(e.strongest.hits, 40);
    const std::vector<SetEvidence> sets = setEvidence(only20);
    for (int width : {3, 5, 9, 13, 18}) {
        const SetEvidence *arc = strongestSet(sets, only20, [width](const SetEvidence &s) { return s.arc.width == width; });
        ASSERT_NE(arc, nullptr);
        EXPECT_EQ(arc->arc.centre(), 20) << width;
        EXPECT_TRUE(arc->arc.contains(20));
    }

    // One spin: every single number's factor is exactly 1, whether it came
    // or not; the number that came carries the (absent) evidence, whichever
    // spin it was.
    for (int spun : {0, 5, 17, 36}) {
        NumberCounts one{};
        one[size_t(spun)] = 1;
        const Evidence first = evidence(one);
        EXPECT_NEAR(first.value(), 1.0, 1e-9) << spun;
        EXPECT_EQ(first.strongest.arc.width, 1) << spun;
        EXPECT_EQ(first.strongest.arc.centre(), spun);
        EXPECT_EQ(first.strongest.hits, 1) << spun;
    }

    // A wheel that looks fair has no evidence.
    NumberCounts even{};
    even.fill(100);
    EXPECT_LT(evidence(even).value(), 1.0);
}

TEST(Evidence, SeededSimulationAtReducedSize)
{
    using namespace simulation;
    // A fair wheel, looked at after every spin: Ville's bound says at most
    // 5 % of sessions ever reach 20, and 1 % reach 100.
    const Shares fair = runSessions(fairWheel(), 150, 2000, 151);
    EXPECT_LE(fair.suspicious, 0.05);
    EXPECT_LE(fair.strong, 0.02);
    // A dead pocket is flagged within 1 000 spins.
    const Shares dead = runSessions(biasedArc(PocketArc{1, wheelIndex(7)}, -1.0), 40, 1000, 152, kSuspiciousEvidence);
    EXPECT_GE(dead.suspicious, 0.8);
}

} // namespace
} // namespace vintaro

// Kept from one look to the next, the sets' terms give the same figures to
// the last bit as a look afresh, through spins, undos and a new history.
TEST(Evidence, AMemoGivesTheSameFiguresToTheLastBit)
{
    std::mt19937 random(41);
    vintaro::EvidenceMemo memo;
    vintaro::NumberCounts counts{};
    std::vector<int> spins;
    for (int step = 0; step < 600; ++step) {
        const unsigned roll = random() % 10;
        if (roll == 0 && !spins.empty()) { // undo
            --counts[size_t(spins.back())];
            spins.pop_back();
        } else if (roll == 1) { // another history
            counts = {};
            spins.clear();
            for (int i = 0; i < int(random() % 3000); ++i) {
                spins.push_back(int(random() % 37));
                ++counts[size_t(spins.back())];
            }
        } else {
            spins.push_back(random() % 4 == 0 ? 0 : int(random() % 37)); // zero comes too often
            ++counts[size_t(spins.back())];
        }
        const std::vector<vintaro::SetEvidence> kept = vintaro::setEvidence(counts, &memo), afresh = vintaro::setEvidence(counts);
        ASSERT_EQ(kept.size(), afresh.size());
        for (size_t s = 0; s < kept.size(); ++s) {
            ASSERT_EQ(kept[s].hits, afresh[s].hits) << step;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(kept[s].logFactor), std::bit_cast<std::uint64_t>(afresh[s].logFactor))
                << step << " set " << s;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(kept[s].logShare), std::bit_cast<std::uint64_t>(afresh[s].logShare));
        }
        const vintaro::Evidence a = vintaro::evidence(counts, &memo), b = vintaro::evidence(counts);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(a.logE), std::bit_cast<std::uint64_t>(b.logE)) << step;
        ASSERT_EQ(a.strongest.arc.start, b.strongest.arc.start);
        ASSERT_EQ(a.strongest.arc.width, b.strongest.arc.width);
    }
}
