// Systems of the player's own: their stakes on a fixed run, the same figures
// as the built-in system they copy, the published figures of Martingale and
// the gambler's ruin, and the bankroll for a chosen risk against a search of
// the test's own.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "systems/bankroll.h"
#include "systems/ownsystem.h"

namespace vintaro {
namespace {

OwnSystem own(std::vector<std::int64_t> stakes, const char *onWin, const char *onLoss, const char *afterLast,
              int sitOutAfter = 0, int sitOutSpins = 0)
{
    OwnSystem s;
    s.stakes = std::move(stakes);
    EXPECT_TRUE(readWinMove(onWin, s.onWin, s.winSteps)) << onWin;
    EXPECT_TRUE(readLossMove(onLoss, s.onLoss, s.lossSteps)) << onLoss;
    EXPECT_TRUE(readAfterLast(afterLast, s.afterLast)) << afterLast;
    s.sitOutAfter = sitOutAfter;
    s.sitOutSpins = sitOutSpins;
    return s;
}

TEST(OwnSystems, StakesOnAFixedRunOfWinsAndLosses)
{
    // 0: the spin is sat out; -1: the system has ended the session.
    const std::string run = "LLLWLWWWLLLL";
    struct Case
    {
        OwnSystem system;
        std::vector<std::int64_t> stakes;
    };
    const std::vector<Case> cases = {
        {own({1, 2, 4, 8}, "first", "next", "stay"), {1, 2, 4, 8, 1, 2, 1, 1, 1, 2, 4, 8}},
        {own({1, 2, 4}, "first", "next", "first"), {1, 2, 4, 1, 1, 2, 1, 1, 1, 2, 4, 1}},
        {own({1, 2, 4}, "first", "next", "stop"), {1, 2, 4, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {own({1, 2, 3, 5, 8}, "back:2", "next", "stay"), {1, 2, 3, 5, 2, 3, 1, 1, 1, 2, 3, 5}},
        {own({1, 2, 4}, "next", "first", "first"), {1, 1, 1, 1, 2, 1, 2, 4, 1, 1, 1, 1}},
        {own({1, 3, 5, 7, 9}, "stay", "skip:2", "stay"), {1, 5, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}},
        // After two losses in a row, sit out three spins.
        {own({1, 2, 4, 8}, "first", "next", "stay", 2, 3), {1, 2, 0, 0, 0, 4, 1, 1, 1, 2, 0, 0}},
        {own({5}, "first", "next", "stay", 1, 1), {5, 0, 5, 0, 5, 0, 5, 5, 5, 0, 5, 0}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ownProblem(c.system), "");
        TableSystem system(ownTable(c.system));
        for (int round = 0; round < 2; ++round) {
            system.reset(1);
            std::vector<std::int64_t> stakes;
            for (char outcome : run) {
                stakes.push_back(system.stake());
                system.record(outcome == 'W');
            }
            EXPECT_EQ(stakes, c.stakes) << stakesText(c.system.stakes) << " " << winMoveKey(c.system.onWin, 2);
        }
    }
    EXPECT_EQ(generatedStakes(1, 6, 2, 0), (std::vector<std::int64_t>{1, 2, 4, 8, 16, 32}));
    EXPECT_EQ(generatedStakes(2, 4, 1, 3), (std::vector<std::int64_t>{2, 5, 8, 11}));
    EXPECT_EQ(generatedStakes(1, 100, 10, 0).size(), 13u); // 10^12 is the largest stake
    std::vector<std::int64_t> stakes;
    EXPECT_TRUE(readStakes("1, 1 ,2;3 5", stakes));
    EXPECT_EQ(stakes, (std::vector<std::int64_t>{1, 1, 2, 3, 5}));
    for (const char *wrong : {"", "1,0", "1,-2", "1,x", "1.5", "1,2000000000000"})
        EXPECT_FALSE(readStakes(wrong, stakes)) << wrong;
    WinMove win;
    LossMove loss;
    int steps = 0;
    for (const char *wrong : {"back", "back:0", "back:1001", "back:2x", "skip:1", "First"})
        EXPECT_FALSE(readWinMove(wrong, win, steps)) << wrong;
    EXPECT_FALSE(readLossMove("back:2", loss, steps));
    OwnSystem pause = own({1}, "first", "next", "stay", 3, 0);
    EXPECT_NE(ownProblem(pause), "");
}

// Sessions small enough that the own copies reach no further than their steps.
TEST(OwnSystems, GiveTheSameExactAndSimulatedFiguresAsTheBuiltInSystemTheyCopy)
{
    std::vector<std::int64_t> upTo200, fibonacci = {1, 1};
    for (int i = 1; i <= 200; ++i)
        upTo200.push_back(i);
    while (fibonacci.size() < 40)
        fibonacci.push_back(fibonacci[fibonacci.size() - 1] + fibonacci[fibonacci.size() - 2]);
    const std::vector<std::pair<SystemKind, OwnSystem>> copies = {
        {SystemKind::Martingale, own({1, 2, 4, 8, 16, 32, 64, 128, 256, 512}, "first", "next", "stay")},
        {SystemKind::Flat, own({1}, "stay", "next", "stay")},
        {SystemKind::Paroli, own({1, 2, 4}, "next", "first", "first")},
        {SystemKind::DAlembert, own(upTo200, "back:1", "next", "stay")},
        {SystemKind::Fibonacci, own(fibonacci, "back:2", "next", "stay")},
    };
    for (const auto &[kind, copy] : copies) {
        for (double bankroll : {7.0, 50.0, 300.0}) {
            for (const char *bet : {"piros", "harmad2"}) {
                SimulationRequest request;
                request.system = kind;
                request.bet = *betFromKey(bet);
                request.rules.bankroll = bankroll;
                request.rules.tableMax = 512;
                request.rules.target = 40;
                request.rules.maxSpins = 150;
                request.sessions = 5000;
                request.seed = 28;
                const std::string what = std::string(systemKey(kind)) + " " + bet + " " + std::to_string(bankroll);
                const ExactRisk a = exactRisk(kind, request.bet, request.rules);
                const ExactRisk b = exactRisk(tableChain(ownTable(copy)), request.bet, request.rules);
                ASSERT_TRUE(a.available && b.available) << what << a.why << b.why;
                for (auto [x, y] : {std::pair{a.ruin, b.ruin}, {a.target, b.target}, {a.ahead, b.ahead},
                                    {a.meanResult, b.meanResult}, {a.meanStaked, b.meanStaked},
                                    {a.meanSpins, b.meanSpins}, {a.median, b.median}, {a.p5, b.p5}})
                    EXPECT_NEAR(x, y, 1e-9 * (1 + std::fabs(x))) << what;
                const Summary builtIn = simulate(request).summary;
                request.own = ownTable(copy);
                const Summary mine = simulate(request).summary;
                EXPECT_EQ(builtIn.meanResult, mine.meanResult) << what;
                EXPECT_EQ(builtIn.ruin, mine.ruin) << what;
                EXPECT_EQ(builtIn.meanStaked, mine.meanStaked) << what;
                EXPECT_EQ(builtIn.p95, mine.p95) << what;
            }
        }
    }
}

TEST(OwnSystems, ReproduceThePublishedFigures)
{
    const double q = 19.0 / 37;
    const Bet red = *betFromKey("piros");
    // A Martingale round of n doublings on even money loses with q^n and
    // stakes ((2q)^n - 1)/(2q - 1) on average: one round is a session that
    // ends at a one-unit win or when the last stake is lost.
    for (int n = 1; n <= 10; ++n) {
        OwnSystem round = own(generatedStakes(1, n, 2, 0), "first", "next", "stop");
        round.rules.bankroll = double((std::int64_t(1) << n) - 1);
        round.rules.target = 1;
        round.rules.maxSpins = 100;
        const ExactRisk e = exactRisk(tableChain(ownTable(round)), red, round.rules);
        ASSERT_TRUE(e.available) << e.why;
        EXPECT_NEAR(e.ruin, std::pow(q, n), 1e-12) << n;
        EXPECT_NEAR(e.target, 1 - std::pow(q, n), 1e-12) << n;
        EXPECT_NEAR(e.meanStaked, (std::pow(2 * q, n) - 1) / (2 * q - 1), 1e-9) << n;
        EXPECT_NEAR(e.meanResult, -e.meanStaked / 37, 1e-12) << n;
        // The same round stopped by the built-in Martingale's bankroll.
        const ExactRisk builtIn = exactRisk(SystemKind::Martingale, red, round.rules);
        EXPECT_NEAR(builtIn.ruin, e.ruin, 1e-12);
        if (n == 6) {
            EXPECT_NEAR(e.ruin, 0.0183363, 5e-8); // to six significant digits
            // Stopping at the last step instead: the round ends "stopped", not ruined.
            round.rules.bankroll = 1000;
            const ExactRisk stopped = exactRisk(tableChain(ownTable(round)), red, round.rules);
            EXPECT_NEAR(stopped.ruin, 0, 1e-15);
            EXPECT_NEAR(stopped.target, 1 - 0.0183363, 5e-8);
        }
    }
    // Doubling a bankroll of k units with flat even-money bets: 1/(1 + (19/18)^k).
    const std::map<int, double> printed = {{1, 0.486486}, {2, 0.472993}};
    for (int k = 1; k <= 12; ++k) {
        OwnSystem flat = own({1}, "stay", "next", "stay");
        flat.rules.bankroll = k;
        flat.rules.target = k;
        flat.rules.maxSpins = 40000;
        const ExactRisk e = exactRisk(tableChain(ownTable(flat)), red, flat.rules);
        ASSERT_TRUE(e.available) << e.why;
        EXPECT_NEAR(e.target, 1 / (1 + std::pow(19.0 / 18, k)), 1e-10) << k;
        if (printed.count(k)) {
            EXPECT_NEAR(e.target, printed.at(k), 5e-7) << k;
        }
    }
    // Every system, built-in or own, loses 1/37 of what it stakes, pauses
    // and stops included.
    const std::vector<OwnSystem> systems = {own({1, 3, 7, 15}, "back:1", "skip:2", "first", 2, 2),
                                            own({2, 1, 5}, "next", "first", "stop", 1, 3),
                                            own({1, 2, 3, 4, 5, 6}, "stay", "next", "first")};
    for (const OwnSystem &s : systems)
        for (const char *bet : {"piros", "harmad1", "0"}) {
            SessionRules rules;
            rules.bankroll = 40;
            rules.tableMax = 6;
            rules.target = 25;
            rules.maxSpins = 200;
            const ExactRisk e = exactRisk(tableChain(ownTable(s)), *betFromKey(bet), rules);
            ASSERT_TRUE(e.available);
            EXPECT_GT(e.meanStaked, 0);
            EXPECT_NEAR(e.meanResult, -e.meanStaked / 37, 1e-9) << stakesText(s.stakes) << " " << bet;
        }
}

// Ruin of Martingale on red, table maximum 512, 100 spins, by the test's own
// dynamic program over (losses in a row, units left).
double martingaleRuin(int bankroll)
{
    const int spins = 100, top = bankroll + spins + 1;
    std::vector<std::vector<double>> p(10, std::vector<double>(size_t(top), 0.0)), next = p;
    p[0][size_t(bankroll)] = 1;
    double ruin = 0;
    for (int t = 0; t < spins; ++t) {
        for (auto &row : next)
            std::fill(row.begin(), row.end(), 0.0);
        for (int k = 0; k < 10; ++k)
            for (int b = 1; b < top; ++b) {
                const double x = p[size_t(k)][size_t(b)];
                if (x == 0)
                    continue;
                const int stake = std::min({1 << k, 512, b});
                next[0][size_t(b + stake)] += x * 18 / 37;
                (b - stake == 0 ? ruin : next[size_t(std::min(k + 1, 9))][size_t(b - stake)]) += x * 19 / 37;
            }
        p.swap(next);
    }
    return ruin;
}

TEST(OwnSystems, FindTheBankrollForAChosenRiskAndTheLargestTarget)
{
    SessionRules rules;
    rules.tableMax = 512;
    rules.maxSpins = 100;
    const Bet red = *betFromKey("piros");
    // The test's own search: the ruin falls as the bankroll grows.
    int bad = 0, good = 1 << 13;
    ASSERT_LE(martingaleRuin(good), 0.05);
    while (good - bad > 1) {
        const int middle = (bad + good) / 2;
        (martingaleRuin(middle) <= 0.05 ? good : bad) = middle;
    }
    const BankrollAnswer answer = bankrollForRisk(counterChain(SystemKind::Martingale), red, rules, 0.05);
    ASSERT_TRUE(answer.found) << answer.why;
    EXPECT_EQ(answer.amount, good);
    EXPECT_NEAR(answer.share, martingaleRuin(good), 1e-12);
    EXPECT_GT(martingaleRuin(good - 1), 0.05);
    // The same with an own copy of the system.
    const OwnSystem copy = own(generatedStakes(1, 10, 2, 0), "first", "next", "stay");
    EXPECT_EQ(bankrollForRisk(tableChain(ownTable(copy)), red, rules, 0.05).amount, good);

    // The largest target reached with at least half a chance, from 100 units.
    rules.bankroll = 100;
    const BankrollAnswer target = largestTarget(counterChain(SystemKind::Martingale), red, rules, 0.5);
    ASSERT_TRUE(target.found) << target.why;
    EXPECT_GE(target.share, 0.5);
    rules.target = target.amount;
    EXPECT_NEAR(exactRisk(SystemKind::Martingale, red, rules).target, target.share, 1e-15);
    rules.target = target.amount + 1;
    EXPECT_LT(exactRisk(SystemKind::Martingale, red, rules).target, 0.5);
    // One unit on a single number, 10 spins: a target of T >= 26 needs the
    // first hit within 36 - T spins, 1 - (36/37)^(36 - T): 21.8 % for 27,
    // 19.7 % for 28; no target at all is reached with 30 % (at most 23.9 %).
    SessionRules single;
    single.maxSpins = 10;
    EXPECT_EQ(largestTarget(counterChain(SystemKind::Flat), *betFromKey("7"), single, 0.2).amount, 27);
    EXPECT_FALSE(largestTarget(counterChain(SystemKind::Flat), *betFromKey("7"), single, 0.3).found);
}

} // namespace
} // namespace vintaro
