// The one-pass tally against the definitions: the statistics pass of the main
// window for the outside bets, a plain recount for every bet.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/statistics.h"
#include "odds/tally.h"

namespace vintaro {
namespace {

struct Recount
{
    std::int64_t hits = 0, current = 0, longest = 0;
};

// Current absence: spins since the latest hit (all when none); longest: the
// greatest current absence reached.
Recount recount(const std::vector<std::int16_t> &spins, const NumberSet &bet)
{
    Recount r;
    for (std::int16_t x : spins) {
        if (bet.test(size_t(x))) {
            ++r.hits;
            r.current = 0;
        } else {
            ++r.current;
        }
        r.longest = std::max(r.longest, r.current);
    }
    return r;
}

TEST(Tally, EveryBetMatchesTheDefinitionsWhateverTheBatches)
{
    std::mt19937 random(11);
    for (int length : {0, 1, 5, 37, 400, 5000}) {
        std::vector<std::int16_t> spins;
        // Some runs of zeros, which miss every outside bet.
        for (int i = 0; i < length; ++i)
            spins.push_back(std::int16_t(random() % 5 == 0 ? 0 : random() % 37));
        SpinTally whole, pieces;
        whole.add(spins);
        std::vector<std::uint8_t> bytes(spins.begin(), spins.end());
        for (size_t at = 0; at < bytes.size();) {
            const size_t take = std::min<size_t>(bytes.size() - at, 1 + random() % 97);
            pieces.add(std::span<const std::uint8_t>(bytes.data() + at, take));
            at += take;
        }
        SpinHistory history;
        history.assign(spins);
        LastPositions last{};
        const RowFigures rows = statisticsPass(history, length, last);
        for (const SpinTally *t : {&whole, &pieces}) {
            EXPECT_EQ(t->total(), length);
            // The spins a candidate is chosen on: the largest power of two at
            // most half the run (none below 32 spins), and the counts of
            // exactly those spins.
            const SpinTally::Split half = t->firstHalf();
            std::int64_t power = 0;
            for (std::int64_t p = 16; 2 * p <= length; p *= 2)
                power = p;
            EXPECT_EQ(half.spins, power) << length;
            NumberCounts firstCounts{};
            for (std::int64_t i = 0; i < half.spins; ++i)
                ++firstCounts[size_t(spins[size_t(i)])];
            EXPECT_EQ(half.counts, firstCounts) << length;
            for (int b = 0; b < kBetCount; ++b) {
                const Recount r = recount(spins, oddsBets()[size_t(b)].numbers);
                EXPECT_EQ(t->hits(b), r.hits) << length << " bet " << b;
                EXPECT_EQ(t->currentAbsence(b), r.current) << length << " bet " << b;
                EXPECT_EQ(t->longestAbsence(b), r.longest) << length << " bet " << b;
                if (b < kRowCount) {
                    EXPECT_EQ(t->hits(b), rows[size_t(b)].hits);
                    EXPECT_EQ(t->currentAbsence(b), rows[size_t(b)].current);
                    EXPECT_EQ(t->longestAbsence(b), rows[size_t(b)].longest);
                }
            }
        }
    }
}

TEST(Tally, ValuesOutsideTheWheelAreNoSpins)
{
    SpinTally t;
    const std::vector<std::int16_t> spins = {5, 37, -1, 5, 200};
    t.add(spins);
    EXPECT_EQ(t.total(), 2);
    EXPECT_EQ(t.counts()[5], 2);
    EXPECT_EQ(oddsBets()[kGroupBets + 5].name, "5");
    EXPECT_EQ(oddsBets()[kOutsideBets].name, "Voisins du zéro");
    EXPECT_EQ(oddsBets()[kOutsideBets].numbers.count(), 17u);
}

} // namespace
} // namespace vintaro
