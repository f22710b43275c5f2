// The bet table highlights a chance only when it stays below 1 % for all 55
// bets together; on fair histories that is rare.
#include <gtest/gtest.h>

#include <pcg_random.hpp>

#include <cmath>
#include <random>

#include "odds/bettable.h"
#include "odds/evidencetext.h"
#include "odds/runchances.h"

namespace vintaro {
namespace {

TEST(BetTable, HighlightsAllowForEveryBet)
{
    for (double c : {0.0, 1e-6, 1.8e-4, 1.9e-4, 0.01, 0.5, 1.0})
        EXPECT_NEAR(anyBetChance(c), 1 - std::pow(1 - c, 55), 1e-12) << c;
    EXPECT_TRUE(rareForTheTable(anyBetChance(1.8e-4)));  // 0.98 %
    EXPECT_FALSE(rareForTheTable(anyBetChance(1.9e-4))); // 1.04 %

    // Fair histories: a highlighted cell in at most 5 % of them.
    pcg32 random(185);
    std::uniform_int_distribution<int> wheel(0, 36);
    for (int spins : {185, 1000}) {
        int highlighted = 0;
        const int histories = 300;
        for (int h = 0; h < histories; ++h) {
            std::vector<std::int16_t> history(static_cast<size_t>(spins));
            for (auto &x : history)
                x = std::int16_t(wheel(random));
            SpinTally tally;
            tally.add(history);
            bool any = false;
            for (const BetLine &line : betTable(tally))
                any = any || rareForTheTable(line.currentAnyChance) || rareForTheTable(line.longestAnyChance);
            highlighted += any;
        }
        EXPECT_LE(highlighted, histories / 20) << spins;
    }
    EXPECT_NE(betsCaption(32736).find("32\xE2\x80\xAF" "736 pörgetés."), std::string::npos);
    EXPECT_NE(betsCaption(0).find("mind az 55 tétet"), std::string::npos);
}

// Prepared for the program's longest history, the run chances hold the
// poles that tables up to that length need: the figures are the same.
TEST(BetTable, PreparedChancesServeEveryHistoryAsTheyAre)
{
    RunChances prepared;
    prepareBetTables(prepared, 32736);
    const size_t known = prepared.known();
    EXPECT_GT(known, 1000u);
    pcg32 random(29);
    std::uniform_int_distribution<int> wheel(0, 36);
    for (int spins : {0, 1, 185, 5000, 32736}) {
        std::vector<std::int16_t> history(static_cast<size_t>(spins));
        for (auto &x : history)
            x = std::int16_t(wheel(random));
        SpinTally tally;
        tally.add(history);
        const std::vector<BetLine> fresh = betTable(tally), kept = betTable(tally, prepared);
        ASSERT_EQ(fresh.size(), kept.size());
        for (size_t i = 0; i < fresh.size(); ++i)
            EXPECT_EQ(kept[i].expectedLongest, fresh[i].expectedLongest) << spins << " " << fresh[i].name;
    }
    // The absences of these fair histories all lie within the lengths
    // worked out ahead.
    EXPECT_EQ(prepared.known(), known);
}

} // namespace
} // namespace vintaro
