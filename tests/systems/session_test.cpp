// The session rules on recorded spins: the table maximum, what is left, the
// target and ruin; and the backtest's figures.
#include <gtest/gtest.h>

#include "systems/sessionrules.h"

namespace vintaro {
namespace {

SessionRules rules(double bankroll, double tableMax = 0, double target = 0, double tableMin = 1)
{
    SessionRules r;
    r.bankroll = bankroll;
    r.tableMax = tableMax;
    r.target = target;
    r.tableMin = tableMin;
    return r;
}

TEST(Session, CapWhatIsLeftTargetAndRuin)
{
    const Bet red = *betFromKey("piros");
    struct Case
    {
        const char *what;
        SystemKind system;
        Bet bet;
        SessionRules rules;
        std::vector<std::int16_t> spins; // 2 and 4 are black, 1 and 3 red
        std::vector<double> bankroll;    // written out by hand
        Ending ending;
        double largest;
        std::int64_t cutToMaximum = 0, cutToLeft = 0;
        double largestAsked = 0; // in money, raised to the table minimum
    };
    const std::vector<Case> cases = {
        {"capped at the table maximum", SystemKind::Martingale, red, rules(100, 5), {2, 4, 2, 2, 2, 1},
         {100, 99, 97, 93, 88, 83, 88}, Ending::Spins, 5, 3, 0, 32},
        {"a zero misses red", SystemKind::Martingale, red, rules(100), {0, 0, 3}, {100, 99, 97, 101}, Ending::Spins,
         4, 0, 0, 4},
        {"reduced to what is left, then ruined", SystemKind::Martingale, red, rules(10), {2, 2, 2, 2, 1},
         {10, 9, 7, 3, 0}, Ending::Ruin, 4, 0, 1, 8},
        {"at the target", SystemKind::Flat, red, rules(100, 0, 3), {1, 2, 1, 3, 1, 1}, {100, 101, 100, 101, 102, 103},
         Ending::Target, 1, 0, 0, 1},
        {"raised to the minimum; ruined below it", SystemKind::Flat, red, rules(12, 0, 0, 5), {2, 1, 2, 4, 1},
         {12, 7, 12, 7, 2}, Ending::Ruin, 5, 0, 0, 5},
        {"a single number pays 35", SystemKind::Flat, *betFromKey("17"), rules(10), {17, 5}, {10, 45, 44},
         Ending::Spins, 1, 0, 0, 1},
        {"the one-in-three bet pays 2", SystemKind::DAlembert, *betFromKey("harmad1"), rules(20), {20, 30, 12, 1},
         {20, 19, 17, 23, 27}, Ending::Spins, 3, 0, 0, 3},
        {"no bankroll at the minimum", SystemKind::Flat, red, rules(0.5), {1, 1}, {0.5}, Ending::Ruin, 0},
    };
    for (const Case &c : cases) {
        const Backtest b = backtest(c.system, c.bet, c.rules, c.spins);
        EXPECT_EQ(b.bankroll, c.bankroll) << c.what;
        EXPECT_EQ(b.outcome.ending, c.ending) << c.what;
        EXPECT_EQ(b.outcome.spins, std::int64_t(c.bankroll.size() - 1)) << c.what;
        EXPECT_DOUBLE_EQ(b.outcome.result, c.bankroll.back() - c.bankroll.front()) << c.what;
        EXPECT_DOUBLE_EQ(b.outcome.largest, c.largest) << c.what;
        EXPECT_EQ(b.cutToMaximum, c.cutToMaximum) << c.what;
        EXPECT_EQ(b.cutToLeft, c.cutToLeft) << c.what;
        EXPECT_DOUBLE_EQ(b.largestAsked, c.largestAsked) << c.what;
    }

    // The figures: staked 1+2+4+5+5+5, deepest fall from 100 to 83.
    const Backtest capped = backtest(SystemKind::Martingale, red, rules(100, 5), {2, 4, 2, 2, 2, 1});
    EXPECT_DOUBLE_EQ(capped.outcome.staked, 22);
    EXPECT_DOUBLE_EQ(capped.expected, -22.0 / 37);
    EXPECT_DOUBLE_EQ(capped.deepestFall, 17);
    // A sector of 17 numbers returns 36/17 of the stake.
    const Backtest voisins = backtest(SystemKind::Flat, *betFromKey("voisins"), rules(10), {0});
    EXPECT_NEAR(voisins.outcome.result, 19.0 / 17, 1e-12);
}

TEST(Session, RulesThatCannotBePlayed)
{
    EXPECT_EQ(rulesProblem(SessionRules{}), "");
    SessionRules r;
    r.unit = 0;
    EXPECT_NE(rulesProblem(r), "");
    r = {};
    r.tableMax = 0.5; // below the minimum
    EXPECT_NE(rulesProblem(r), "");
    r = {};
    r.target = -1;
    EXPECT_NE(rulesProblem(r), "");
    r = {};
    r.maxSpins = 0;
    EXPECT_NE(rulesProblem(r), "");
}

} // namespace
} // namespace vintaro
