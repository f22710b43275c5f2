// The odds window watched after every spin, by seeded simulation at a reduced
// size (bench/live_bench.cpp runs the full size): a fair wheel rarely hears
// that a candidate would beat the bank or sees a highlight in a whole history,
// a number coming 50 % more often is still confirmed, and the simulation says
// what the window's own estimate and table say at the same spins.
#include <gtest/gtest.h>

#include "odds/bettable.h"
#include "odds/holdout.h"
#include "tests/support/livesimulation.h"

namespace vintaro {
namespace {

using namespace simulation;

bool claimsAfter(const std::vector<std::int16_t> &spins, std::int64_t n)
{
    SpinTally tally;
    tally.add(std::span<const std::int16_t>(spins.data(), size_t(n)));
    const EdgeEstimates e = holdOutEstimates(tally);
    return (e.number && e.number->low > 0) || (e.arc && e.arc->low > 0);
}

bool highlightsAfter(const std::vector<std::int16_t> &spins, std::int64_t n)
{
    SpinTally tally;
    tally.add(std::span<const std::int16_t>(spins.data(), size_t(n)));
    for (const BetLine &line : betTable(tally))
        if (rareForTheTable(line.currentAnyChance) || rareForTheTable(line.longestAnyChance))
            return true;
    return false;
}

TEST(LiveOdds, WatchedAfterEverySpinSeededAtReducedSize)
{
    // A fair wheel over a whole history of 32 736 spins.
    const LiveShares fair = runLiveSessions(fairWheel(), 60, 32736, 251);
    EXPECT_LE(fair.claim, 0.05);
    EXPECT_LE(fair.highlight, 0.05);

    // A number coming 50 % more often: confirmed within 20 000 spins in 80 %.
    pcg32 random(252);
    const Chances hot = biasedArc(PocketArc{1, wheelIndex(17)}, 0.5);
    int confirmed = 0;
    const int sessions = 30;
    for (int s = 0; s < sessions; ++s) {
        std::vector<std::int16_t> spins;
        const LiveSession one = runLiveSession(hot, 20000, random, {true, true, true, &spins});
        confirmed += one.claim > 0;
        // The window's own estimate and table at the spin of the first claim
        // and of the first highlight, and at the spin before.
        if (s < 3 && one.claim > 0) {
            EXPECT_TRUE(claimsAfter(spins, one.claim)) << s;
            EXPECT_FALSE(claimsAfter(spins, one.claim - 1)) << s;
        }
        if (s < 3 && one.highlight > 0) {
            EXPECT_TRUE(highlightsAfter(spins, one.highlight)) << s;
            EXPECT_FALSE(highlightsAfter(spins, one.highlight - 1)) << s;
        }
    }
    EXPECT_GE(confirmed, sessions * 8 / 10);

    // A dead pocket is highlighted long before a whole history: the table's
    // cells do not stay blind.
    std::vector<std::int16_t> spins;
    const LiveSession dead = runLiveSession(biasedArc(PocketArc{1, wheelIndex(7)}, -1.0), 32736, random,
                                            {false, true, false, &spins});
    ASSERT_GT(dead.highlight, 0);
    EXPECT_LT(dead.highlight, 1000);
    EXPECT_TRUE(highlightsAfter(spins, dead.highlight));
    EXPECT_FALSE(highlightsAfter(spins, dead.highlight - 1));
}

} // namespace
} // namespace vintaro
