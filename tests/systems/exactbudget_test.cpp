// Every bankroll the systems window and --simulate accept: the exact figures
// are computed or refused, and what they may take is known before they run.
#include <gtest/gtest.h>

#include "systems/exact.h"
#include "systems/ownsystem.h"

namespace vintaro {
namespace {

TEST(ExactBudget, EveryAcceptedBankrollIsComputedOrRefusedWithinItsMemory)
{
    const ExactBudget budget;
    // What the exact part may take, and the most the simulation keeps: one
    // result per session, 20 000 000 sessions on the command line.
    const std::int64_t simulation = 20000000 * std::int64_t(sizeof(double));
    EXPECT_LT(budget.bytes, 200ll << 20);
    EXPECT_LT(budget.bytes + simulation, 240ll << 20);
    int computed = 0, refused = 0;
    for (double bankroll : {0.01, 1.0, 100.0, 10000.0, 1e6, 1e9}) {
        for (std::int64_t spins : {std::int64_t(1), std::int64_t(1000), std::int64_t(1000000)}) {
            for (SystemKind kind : {SystemKind::Flat, SystemKind::Martingale, SystemKind::DAlembert}) {
                for (const char *bet : {"piros", "7"}) {
                    for (double tableMax : {0.0, 1e9}) {
                        SessionRules rules;
                        rules.bankroll = bankroll;
                        rules.tableMax = tableMax;
                        rules.maxSpins = spins;
                        const ExactCost cost = exactCost(counterChain(kind), *betFromKey(bet), rules);
                        const std::string what = std::string(systemKey(kind)) + " " + bet + " " +
                                                 std::to_string(bankroll) + " " + std::to_string(spins);
                        if (!cost.fits) {
                            ++refused;
                            EXPECT_FALSE(cost.why.empty()) << what;
                            continue;
                        }
                        ++computed;
                        EXPECT_LE(cost.bytes, budget.bytes) << what;
                        EXPECT_LE(cost.cells, budget.cells) << what;
                        // Small enough to run here: the figures add up.
                        if (cost.cells < 2000000) {
                            const ExactRisk e = exactRisk(counterChain(kind), *betFromKey(bet), rules);
                            ASSERT_TRUE(e.available) << what << e.why;
                            double total = 0;
                            for (double x : e.finalBankroll)
                                total += x;
                            EXPECT_NEAR(total, 1, 1e-9) << what;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(computed, 0);
    EXPECT_GT(refused, 0);
    // The largest bankroll of the window with a short session: computed over
    // the few amounts a session can reach, not over the whole bankroll.
    SessionRules huge;
    huge.bankroll = 1e9;
    huge.maxSpins = 5;
    const ExactRisk e = exactRisk(SystemKind::Flat, *betFromKey("piros"), huge);
    ASSERT_TRUE(e.available);
    EXPECT_EQ(e.finalLow, 1000000000 - 5);
    EXPECT_EQ(e.finalBankroll.size(), 11u);
    EXPECT_NEAR(e.meanResult, -5.0 / 37, 1e-9);
    // Own systems with the most states the editor allows: figures or a reason.
    for (int pause : {0, kMostSitOut}) {
        OwnSystem own;
        own.stakes = generatedStakes(1, kMostOwnSteps, 1, 1);
        own.onWin = WinMove::Back;
        own.sitOutAfter = own.sitOutSpins = pause;
        ASSERT_EQ(ownProblem(own), "");
        SessionRules rules;
        rules.tableMax = 50;
        rules.maxSpins = 300;
        const ExactRisk r = exactRisk(tableChain(ownTable(own)), *betFromKey("piros"), rules);
        EXPECT_TRUE(r.available || !r.why.empty());
        if (r.available) {
            EXPECT_NEAR(r.meanResult, -r.meanStaked / 37, 1e-9);
        }
    }
    // Refused: a cancelled run, and a budget that does not hold the rows.
    std::atomic<bool> cancel{true};
    EXPECT_EQ(exactRisk(SystemKind::Flat, *betFromKey("piros"), huge, {}, &cancel).why,
              "A pontos számítás megszakítva.");
    ExactBudget tiny;
    tiny.bytes = 1000;
    huge.maxSpins = 1000;
    const ExactRisk small = exactRisk(SystemKind::Martingale, *betFromKey("piros"), huge, tiny);
    EXPECT_FALSE(small.available);
    EXPECT_NE(small.why.find("memória"), std::string::npos);
}

} // namespace
} // namespace vintaro
