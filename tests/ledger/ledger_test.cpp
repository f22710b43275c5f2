// The ledger: settling by payouts written out by hand, Undo, the sessions,
// and the honest line computed again here from first principles.
#include <gtest/gtest.h>

#include <pcg_random.hpp>

#include <cmath>
#include <random>
#include <vector>

#include "ledger/honest.h"
#include "ledger/ledger.h"
#include "ledger/playalong.h"

using namespace vintaro;

namespace {

BetKey outside(int row) { return {BetKind::Outside, row, {}}; }
BetKey sector(int s) { return {BetKind::Sector, s, {}}; }
BetKey single(int n) { return {BetKind::Number, n, {}}; }
BetKey selection(std::initializer_list<int> numbers)
{
    BetKey key{BetKind::Selection, 0, {}};
    for (int n : numbers)
        key.numbers.set(static_cast<size_t>(n));
    return key;
}

struct PayoutCase
{
    const char *what;
    BetKey bet;
    Money stake;
    int number;
    Money cost; // what the bet takes from the bankroll
    Money back; // what the table pays back, stake included
};

// Every bet kind on winning and losing numbers, paid as the table pays.
const std::vector<PayoutCase> kPayouts = {
    {"black wins on 2", outside(0), 10, 2, 10, 20},
    {"black loses on 1", outside(0), 10, 1, 10, 0},
    {"black loses on 0", outside(0), 10, 0, 10, 0},
    {"red wins on 36", outside(1), 7, 36, 7, 14},
    {"red loses on 35", outside(1), 7, 35, 7, 0},
    {"low wins on 18", outside(2), 5, 18, 5, 10},
    {"low loses on 19", outside(2), 5, 19, 5, 0},
    {"low loses on 0", outside(2), 5, 0, 5, 0},
    {"high wins on 19", outside(3), 5, 19, 5, 10},
    {"first dozen on 12", outside(4), 10, 12, 10, 30},
    {"first dozen on 13", outside(4), 10, 13, 10, 0},
    {"second dozen on 13", outside(5), 10, 13, 10, 30},
    {"second dozen on 25", outside(5), 10, 25, 10, 0},
    {"third dozen on 25", outside(6), 10, 25, 10, 30},
    {"column 1-34 on 34", outside(7), 4, 34, 4, 12},
    {"column 1-34 on 35", outside(7), 4, 35, 4, 0},
    {"column 2-35 on 35", outside(8), 4, 35, 4, 12},
    {"column 3-36 on 36", outside(9), 4, 36, 4, 12},
    {"column 3-36 on 0", outside(9), 4, 0, 4, 0},
    {"even on 36", outside(10), 3, 36, 3, 6},
    {"even loses on 0", outside(10), 3, 0, 3, 0},
    {"odd on 1", outside(11), 3, 1, 3, 6},
    {"two columns 1+2 on 2", outside(12), 10, 2, 10, 15},
    {"two columns 1+2 on 3", outside(12), 10, 3, 10, 0},
    {"two columns 2+3 on 3", outside(13), 10, 3, 10, 15},
    {"two columns 2+3 on 1", outside(13), 10, 1, 10, 0},
    {"two columns odd stake: half a unit unpaid", outside(13), 3, 5, 3, 4},
    // Voisins du zéro, 9 chips: trio 0-2-3 with 2, splits 4-7 12-15 18-21
    // 19-22 32-35, corner 25-29 with 2.
    {"voisins on 0 (trio, 2 chips)", sector(0), 1, 0, 9, 24},
    {"voisins on 3", sector(0), 2, 3, 18, 48},
    {"voisins on 7 (split)", sector(0), 1, 7, 9, 18},
    {"voisins on 22 (split)", sector(0), 1, 22, 9, 18},
    {"voisins on 29 (corner, 2 chips)", sector(0), 1, 29, 9, 18},
    {"voisins misses 27", sector(0), 1, 27, 9, 0},
    // Jeu zéro, 4 chips: splits 0-3 12-15 32-35, the number 26.
    {"jeu zero on 26", sector(1), 1, 26, 4, 36},
    {"jeu zero on 0", sector(1), 5, 0, 20, 90},
    {"jeu zero on 15", sector(1), 1, 15, 4, 18},
    {"jeu zero misses 2", sector(1), 1, 2, 4, 0},
    // Tiers, 6 chips: splits 5-8 10-11 13-16 23-24 27-30 33-36.
    {"tiers on 33", sector(2), 1, 33, 6, 18},
    {"tiers on 10", sector(2), 10, 10, 60, 180},
    {"tiers misses 0", sector(2), 1, 0, 6, 0},
    // Orphelins, 5 chips: the number 1, splits 6-9 14-17 17-20 31-34.
    {"orphelins on 1", sector(3), 1, 1, 5, 36},
    {"orphelins on 17 (two splits)", sector(3), 1, 17, 5, 36},
    {"orphelins on 20", sector(3), 1, 20, 5, 18},
    {"orphelins misses 0", sector(3), 1, 0, 5, 0},
    {"number 0 on 0", single(0), 2, 0, 2, 72},
    {"number 17 on 17", single(17), 1, 17, 1, 36},
    {"number 17 on 18", single(17), 1, 18, 1, 0},
    {"selection of three, hit", selection({5, 17, 32}), 2, 17, 6, 72},
    {"selection of three, miss", selection({5, 17, 32}), 2, 18, 6, 0},
    {"selection of one", selection({0}), 1, 0, 1, 36},
};

} // namespace

TEST(LedgerTest, EveryBetKindIsSettledByItsPayout)
{
    for (const PayoutCase &c : kPayouts) {
        SCOPED_TRACE(c.what);
        Ledger ledger;
        ASSERT_TRUE(ledger.startSession("2026-12-07 20:00", "3", "", 1000));
        ASSERT_TRUE(ledger.record(c.bet, c.stake));
        EXPECT_EQ(ledger.waiting().size(), 1u);
        EXPECT_EQ(ledger.bankroll(1), 1000); // a waiting bet has not cost anything yet
        EXPECT_EQ(ledger.settle(4, c.number), 1);
        EXPECT_EQ(ledger.waiting().size(), 0u);
        const LedgerBet &bet = ledger.bets().front();
        EXPECT_EQ(bet.cost(), c.cost);
        EXPECT_EQ(bet.back(), c.back);
        EXPECT_EQ(ledger.bankroll(1), 1000 - c.cost + c.back);
        // Undo of the spin: the bet waits again, the money is as before.
        EXPECT_EQ(ledger.unsettle(4, c.number), 1);
        EXPECT_EQ(ledger.waiting().size(), 1u);
        EXPECT_EQ(ledger.bankroll(1), 1000);
    }
}

TEST(LedgerTest, SectorsCoverTheWheelsSectors)
{
    // The layouts cover exactly the sectors' pockets on the wheel, and every
    // layout pays 36 for each chip over its numbers (the house edge is 1/37).
    const std::vector<std::vector<int>> pockets = {
        {22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25},
        {12, 35, 3, 26, 0, 32, 15},
        {27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33},
        {1, 20, 14, 31, 9, 17, 34, 6}};
    for (int s = 0; s < 4; ++s) {
        NumberSet expected;
        for (int n : pockets[static_cast<size_t>(s)])
            expected.set(static_cast<size_t>(n));
        EXPECT_EQ(coveredNumbers(sector(s)), expected) << s;
        EXPECT_EQ(coveredNumbers(sector(s)), sectorSet(kSectors[static_cast<size_t>(s)])) << s;
        Money total = 0;
        for (Money r : betReturns(sector(s), 1))
            total += r;
        EXPECT_EQ(total, 36 * betCost(sector(s), 1)) << s;
    }
}

TEST(LedgerTest, SessionsRecordingAndUndo)
{
    Ledger ledger;
    EXPECT_FALSE(ledger.record(outside(1), 10)) << "no bet without a session";
    ASSERT_TRUE(ledger.startSession("2026-12-07 20:00", "3", "Asztal 2", 500));
    EXPECT_FALSE(ledger.startSession("2026-12-07 20:01", "3", "", 1)) << "one session open at a time";
    EXPECT_FALSE(ledger.record(outside(14), 10));
    EXPECT_FALSE(ledger.record(single(37), 10));
    EXPECT_FALSE(ledger.record(outside(1), 0));
    EXPECT_FALSE(ledger.record(selection({}), 10));

    // Spin 1: red 10 and number 7 on 5 -> red wins 20 back, 7 loses.
    ASSERT_TRUE(ledger.record(outside(1), 10));
    ASSERT_TRUE(ledger.record(single(7), 5));
    EXPECT_EQ(ledger.settle(1, 5), 2);
    EXPECT_EQ(ledger.bankroll(1), 505);
    // Spin 2 without bets; spin 3: Tiers one chip on 0 loses 6.
    EXPECT_EQ(ledger.settle(2, 0), 0);
    ASSERT_TRUE(ledger.record(sector(2), 1));
    EXPECT_EQ(ledger.settle(3, 0), 1);
    EXPECT_EQ(ledger.bankroll(1), 499);
    // Undo of spin 3 puts the Tiers back; the next spin settles it anew.
    EXPECT_EQ(ledger.unsettle(3, 0), 1);
    EXPECT_EQ(ledger.bankroll(1), 505);
    EXPECT_EQ(ledger.settle(3, 27), 1);
    EXPECT_EQ(ledger.bankroll(1), 505 - 6 + 18);
    // Undo of a spin without bets, and of a spin whose number differs, changes nothing.
    EXPECT_EQ(ledger.unsettle(4, 1), 0);
    EXPECT_EQ(ledger.unsettle(3, 28), 0);
    EXPECT_EQ(ledger.bankroll(1), 517);
    // Taking back a waiting bet.
    ASSERT_TRUE(ledger.record(outside(0), 10));
    ASSERT_TRUE(ledger.record(outside(1), 20));
    EXPECT_TRUE(ledger.takeBackLast());
    ASSERT_EQ(ledger.waiting().size(), 1u);
    EXPECT_EQ(ledger.waiting().front()->bet, outside(0));
    // Ending drops the waiting bets and closes the session.
    EXPECT_TRUE(ledger.endSession("2026-12-07 22:00", 517, "jó este"));
    EXPECT_EQ(ledger.openSession(), nullptr);
    EXPECT_EQ(ledger.bets().size(), 3u);
    EXPECT_EQ(ledger.sessions().front().bankrollOut, 517);
    // Undo after the session ended: its bets stay settled.
    EXPECT_EQ(ledger.unsettle(3, 27), 0);
    EXPECT_EQ(ledger.bankroll(1), 517);
    // A second session counts on its own.
    ASSERT_TRUE(ledger.startSession("2026-12-08 20:00", "3", "", 100));
    EXPECT_EQ(ledger.sessions().back().id, 2);
    ASSERT_TRUE(ledger.record(outside(4), 10));
    EXPECT_EQ(ledger.settle(4, 1), 1);
    EXPECT_EQ(ledger.bankroll(2), 120);
    EXPECT_EQ(ledger.bankroll(1), 517);
    // The lines kept at every settling and Undo agree with the bets.
    for (int session : {1, 2}) {
        const HonestLine kept = ledger.line(session), counted = honestLine(ledger.bets(), session);
        EXPECT_EQ(kept.staked, counted.staked);
        EXPECT_EQ(kept.result, counted.result);
        EXPECT_EQ(kept.spins, counted.spins);
        EXPECT_EQ(kept.bets, counted.bets);
        EXPECT_NEAR(kept.expected, counted.expected, 1e-9);
        EXPECT_NEAR(kept.variance, counted.variance, 1e-6);
    }
    EXPECT_EQ(ledger.total().result, 17 + 20);
    EXPECT_EQ(ledger.total().staked, 10 + 5 + 6 + 10);
}

TEST(LedgerTest, ANarrowedHistoryFixesTheBetsItNoLongerHolds)
{
    Ledger ledger;
    ledger.startSession("t", "1", "", 100);
    ledger.record(outside(1), 10);
    ledger.settle(5, 3);
    ledger.record(outside(1), 10);
    ledger.settle(6, 4);
    // The history was narrowed to its last two spins: 3 and 4 now stand at 1 and 2.
    const std::vector<std::int16_t> spins = {3, 4};
    EXPECT_EQ(ledger.reconcile(spins), 2);
    EXPECT_EQ(ledger.reconcile(spins), 0) << "fixed once";
    EXPECT_TRUE(ledger.bets()[0].fixed);
    EXPECT_TRUE(ledger.bets()[1].fixed);
    EXPECT_EQ(ledger.unsettle(6, 4), 0);
    EXPECT_EQ(ledger.bankroll(1), 100); // red won on 3, lost on 4
    // A history that still holds the spin keeps it undoable.
    Ledger kept;
    kept.startSession("t", "1", "", 100);
    kept.record(outside(1), 10);
    kept.settle(2, 3);
    EXPECT_EQ(kept.reconcile(std::vector<std::int16_t>{9, 3}), 0);
    EXPECT_FALSE(kept.bets()[0].fixed);
    EXPECT_EQ(kept.unsettle(2, 3), 1);
}

namespace {

// Mean and variance of one spin's result for bets given as (numbers covered,
// amount paid on each of them, cost), computed the long way: the result on
// each of the 37 equally likely numbers.
struct Moments
{
    double mean = 0;
    double variance = 0;
};
Moments spinMoments(const std::vector<std::pair<std::vector<int>, Money>> &wins, Money cost)
{
    double results[37];
    for (int n = 0; n < 37; ++n) {
        Money back = 0;
        for (const auto &[numbers, paid] : wins)
            for (int m : numbers)
                if (m == n)
                    back += paid;
        results[n] = double(back - cost);
    }
    Moments out;
    for (double r : results)
        out.mean += r / 37;
    for (double r : results)
        out.variance += (r - out.mean) * (r - out.mean) / 37;
    return out;
}

} // namespace

TEST(LedgerTest, TheHonestLineComputedAnotherWay)
{
    // Even money, stake s: +s with p = 18/37, -s otherwise: mean -s/37,
    // variance s^2 (1 - 1/37^2).
    // A single number, stake s: 36s back with p = 1/37: mean -s/37,
    // variance (36s)^2/37 - (36s/37)^2.
    // The dozen and the Jeu zero on one spin: the long way, spinMoments.
    Ledger ledger;
    ledger.startSession("t", "1", "", 1000);
    ledger.record(outside(1), 10); // red
    ledger.settle(1, 1);          // wins: +10
    ledger.record(single(17), 2);
    ledger.settle(2, 17);         // wins: +70
    ledger.record(outside(4), 10); // first dozen
    ledger.record(sector(1), 1);   // jeu zero, 4 chips
    ledger.settle(3, 0);           // 14 staked, 18 back: +4
    const HonestLine line = honestLine(ledger.bets(), 1);

    const double evenVar = 100.0 * (1.0 - 1.0 / (37.0 * 37.0));
    const double numberVar = 72.0 * 72.0 / 37.0 - (72.0 / 37.0) * (72.0 / 37.0);
    const Moments mixed = spinMoments({{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 30},
                                       {{0, 3, 12, 15, 32, 35}, 18},
                                       {{26}, 36}},
                                      14);
    EXPECT_EQ(line.staked, 10 + 2 + 14);
    EXPECT_EQ(line.result, 10 + 70 + (18 - 14));
    EXPECT_EQ(line.spins, 3);
    EXPECT_EQ(line.bets, 4);
    EXPECT_NEAR(line.expected, -26.0 / 37.0, 1e-12);
    EXPECT_NEAR(mixed.mean, -14.0 / 37.0, 1e-12);
    EXPECT_NEAR(line.variance, evenVar + numberVar + mixed.variance, 1e-9);
    const double sd = std::sqrt(evenVar + numberVar + mixed.variance);
    EXPECT_NEAR(line.low(), -26.0 / 37.0 - 2 * sd, 1e-9);
    EXPECT_EQ(line.inside(), 84.0 <= -26.0 / 37.0 + 2 * sd);
    EXPECT_FALSE(line.inside()); // a number hit within three spins: 84 against a band of about ±44

    // Red and black on one spin hedge each other: one draw, not two.
    Ledger hedge;
    hedge.startSession("t", "1", "", 0);
    hedge.record(outside(0), 10);
    hedge.record(outside(1), 10);
    hedge.settle(1, 0);
    const HonestLine both = honestLine(hedge.bets());
    const Moments together = spinMoments({{{2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35}, 20},
                                          {{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}, 20}},
                                         20);
    EXPECT_EQ(both.result, -20);
    EXPECT_NEAR(both.variance, together.variance, 1e-9);
    EXPECT_NEAR(both.variance, 36 * 20.0 * 20.0 / 37 * 1 / 37, 1e-9); // 0 with p 36/37, -20 with 1/37
    EXPECT_FALSE(both.inside()); // a zero on a hedge is far outside a band this narrow

    // The bankroll path: one point a spin, beside the expected bankroll.
    const std::vector<BankrollPoint> path = bankrollPath(ledger, 1);
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path[0].bankroll, 1010);
    EXPECT_EQ(path[1].bankroll, 1080);
    EXPECT_EQ(path[2].bankroll, 1084);
    EXPECT_NEAR(path[2].expected, 1000 - 26.0 / 37.0, 1e-9);
    // Nothing settled: an empty line, inside.
    EXPECT_TRUE(HonestLine{}.inside());
}

TEST(LedgerTest, AFairWheelPutsAboutOneSessionInTwentyOutsideTheBand)
{
    // 10 000 sessions of 200 spins on a fair wheel, each spin with a mix of
    // the bets a player makes (drawn, so that the sessions differ): the
    // share of results outside the band of two standard deviations.
    pcg32 random(20261207u, 30u);
    std::uniform_int_distribution<int> pocket(0, 36);
    std::uniform_int_distribution<int> kind(0, 5);
    std::uniform_int_distribution<int> stake(1, 10);
    const std::vector<BetKey> keys = {outside(1), outside(5), outside(13), sector(0), single(17),
                                      selection({1, 2, 3, 4, 5, 6})};
    int outsideBand = 0;
    constexpr int kSessions = 10000;
    for (int s = 0; s < kSessions; ++s) {
        Ledger ledger;
        ledger.startSession("t", "1", "", 0);
        for (int spin = 1; spin <= 200; ++spin) {
            ledger.record(keys[static_cast<size_t>(kind(random))], 2 * stake(random));
            if (spin % 3 == 0)
                ledger.record(keys[static_cast<size_t>(kind(random))], 2 * stake(random));
            ledger.settle(spin, pocket(random));
        }
        const HonestLine line = ledger.line(1);
        if (s < 20) { // the line kept spin by spin is the line of the bets
            EXPECT_EQ(line.result, honestLine(ledger.bets(), 1).result);
            EXPECT_NEAR(line.variance, honestLine(ledger.bets(), 1).variance, 1e-6);
        }
        if (!line.inside())
            ++outsideBand;
    }
    const double share = double(outsideBand) / kSessions;
    RecordProperty("outside_share", std::to_string(share));
    std::printf("outside the band: %d of %d sessions (%.2f %%)\n", outsideBand, kSessions, 100.0 * share);
    EXPECT_GT(share, 0.035);
    EXPECT_LT(share, 0.065);
}

namespace {

TEST(LedgerTest, ASystemsStakeAsTheLedgerRecordsIt)
{
    auto bet = [](std::initializer_list<int> numbers) {
        Bet b;
        for (int n : numbers)
            b.numbers.set(size_t(n));
        return b;
    };
    const Bet red = bet({1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36});
    const Bet firstDozen = bet({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    const Bet voisins = bet({0, 2, 3, 4, 7, 12, 15, 18, 19, 21, 22, 25, 26, 28, 29, 32, 35});
    struct Case
    {
        const char *what;
        Bet bet;
        double money;
        std::optional<PlayAlongBet> recorded;
    };
    const Case cases[] = {
        {"red", red, 40, PlayAlongBet{{BetKind::Outside, 1, {}}, 40}},
        {"first dozen", firstDozen, 15, PlayAlongBet{{BetKind::Outside, 4, {}}, 15}},
        {"17", bet({17}), 5, PlayAlongBet{{BetKind::Number, 17, {}}, 5}},
        {"Voisins spread evenly", voisins, 34, PlayAlongBet{{BetKind::Selection, 0, voisins.numbers}, 2}},
        {"Voisins, no even share", voisins, 35, std::nullopt},
        {"half a unit", red, 10.5, std::nullopt},
        {"nothing", red, 0, std::nullopt},
        {"beyond the largest stake", red, 2e9, std::nullopt},
        {"no numbers", Bet{}, 10, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<PlayAlongBet> got = playAlongBet(c.bet, c.money);
        ASSERT_EQ(got.has_value(), c.recorded.has_value());
        if (got) {
            EXPECT_EQ(got->bet, c.recorded->bet);
            EXPECT_EQ(got->stake, c.recorded->stake);
        }
    }
}

} // namespace
