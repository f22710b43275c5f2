// Chances of long absences: the fast method against counting every history
// and against the plain dynamic program.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "odds/runchances.h"
#include "odds/runs.h"

namespace vintaro {
namespace {

// The bet sizes of the odds table: single number, the sectors, the outside bets.
const std::vector<int> kSizes = {1, 7, 8, 12, 17, 18, 24};

TEST(Runs, SmallHistoriesMatchCountingEveryHitMissPattern)
{
    for (int size : {1, 12, 18, 24}) {
        const double p = size / 37.0, q = 1 - p;
        for (int n = 0; n <= 12; ++n) {
            std::vector<double> atLeast(size_t(n) + 2, 0.0); // P(longest >= m)
            for (unsigned mask = 0; mask < (1u << n); ++mask) { // bit set: a hit
                double chance = 1;
                int run = 0, longest = 0;
                for (int i = 0; i < n; ++i) {
                    const bool hit = (mask >> i) & 1;
                    chance *= hit ? p : q;
                    run = hit ? 0 : run + 1;
                    longest = std::max(longest, run);
                }
                for (int m = 0; m <= longest; ++m)
                    atLeast[size_t(m)] += chance;
            }
            double expected = 0;
            for (int m = 0; m <= n + 1; ++m) {
                EXPECT_NEAR(longestRunChance(n, m, p), atLeast[size_t(m)], 1e-12) << size << " " << n << " " << m;
                if (m >= 1)
                    expected += atLeast[size_t(m)];
            }
            EXPECT_NEAR(expectedLongestRun(n, p), expected, 1e-6) << size << " " << n;
        }
    }
}

// Where longestRunChance uses the pole (n >= 10 (len + 1)), it agrees with the
// exact program for history lengths up to the full 32 736 spins and every
// absence whose chance is not negligible; below that it is the program. (Over
// every n the largest difference is 1.8e-12.)
TEST(Runs, PoleAgreesWithTheExactProgramForEveryLengthUpToFullHistory)
{
    constexpr int kFull = 32736;
    std::vector<double> a(kFull + 1);
    for (int size : kSizes) {
        const double p = size / 37.0, q = 1 - p;
        double worst = 0;
        for (int len = 1; len <= kFull; ++len) {
            if ((kFull * p + 1) * std::pow(q, len) < 1e-13)
                break;
            const double jump = p * std::pow(q, len);
            for (int n = 0; n <= kFull; ++n)
                a[size_t(n)] = n < len ? 1 : n == len ? 1 - std::pow(q, len) : a[size_t(n - 1)] - jump * a[size_t(n - len - 1)];
            const RunPole pole = dominantPole(p, len);
            // Every length near where the pole takes over, every seventh beyond.
            for (int n = 10 * (len + 1); n <= kFull; n += n < 10 * (len + 1) + 300 ? 1 : 7)
                worst = std::max(worst, std::fabs(poleChance(pole, n) - (1 - a[size_t(n)])));
            EXPECT_NEAR(longestRunChance(kFull, len, p), 1 - a[kFull], 1e-9) << size << " " << len;
        }
        EXPECT_LT(worst, 1e-9) << "bet of " << size;
    }
}

TEST(Runs, ExpectedLongestMatchesTheExactSumAtFullHistory)
{
    for (int size : {1, 8, 18}) {
        const double p = size / 37.0;
        for (int n : {50, 1000, 32736}) {
            double exact = 0;
            for (int m = 1; m <= n; ++m) {
                const double term = 1 - runFreeChanceExact(n, m, p);
                exact += term;
                if (term < 1e-12 && m > 10)
                    break;
            }
            EXPECT_NEAR(expectedLongestRun(n, p), exact, 1e-5) << size << " " << n;
        }
    }
    // A long file: about log(N p) / -log(q) plus a little.
    EXPECT_NEAR(expectedLongestRun(10'000'000, 1 / 37.0), std::log(10'000'000 / 37.0) / -std::log(36 / 37.0), 25);
}

// The kept poles give the very figures of the functions that work each out
// again, whatever order the lengths and histories come in, one cache for
// every bet size.
TEST(Runs, KeptPolesGiveTheSameFigures)
{
    RunChances kept;
    for (int pass = 0; pass < 2; ++pass)
        for (int size : kSizes) {
            const double p = size / 37.0;
            for (std::int64_t n : {0, 1, 50, 999, 4000, 32736, 10'000'000}) {
                for (std::int64_t len : {0, 1, 2, 7, 30, 99, 100, 101, 400, 3000, 5000}) {
                    const std::int64_t l = pass == 0 ? len : 5000 - len; // the other order on the second pass
                    EXPECT_EQ(kept.longest(n, l, p), longestRunChance(n, l, p)) << size << " " << n << " " << l;
                }
                EXPECT_EQ(kept.expectedLongest(n, p), expectedLongestRun(n, p)) << size << " " << n;
            }
        }
}

TEST(Runs, EdgesOfTheRange)
{
    EXPECT_EQ(longestRunChance(100, 0, 0.5), 1);
    EXPECT_EQ(longestRunChance(100, 101, 0.5), 0);
    EXPECT_NEAR(longestRunChance(100, 100, 0.5), std::pow(0.5, 100), 1e-13); // negligible: 0
    EXPECT_EQ(longestRunChance(32736, 5000, 1 / 37.0), 0); // beyond the union bound
    // A ten-million-spin file, where only the pole is quick enough.
    for (int len : {300, 500, 700})
        EXPECT_NEAR(longestRunChance(10'000'000, len, 1 / 37.0), 1 - runFreeChanceExact(10'000'000, len, 1 / 37.0), 1e-9);
}

} // namespace
} // namespace vintaro
