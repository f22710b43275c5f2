// The systems' stakes on a fixed run of wins and losses, written out by hand,
// and the bets they can play.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "systems/betchoice.h"
#include "systems/system.h"

namespace vintaro {
namespace {

TEST(Systems, StakesOnAFixedRunOfWinsAndLosses)
{
    const std::string run = "LLLWLWWWLW";
    struct Case
    {
        std::string key;
        std::vector<std::int64_t> stakes; // before each spin of the run
    };
    const std::vector<Case> cases = {
        {"flat", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"martingale", {1, 2, 4, 8, 1, 2, 1, 1, 1, 2}},
        {"paroli", {1, 1, 1, 1, 2, 1, 2, 4, 1, 1}},
        {"dalembert", {1, 2, 3, 4, 3, 4, 3, 2, 1, 2}},
        {"fibonacci", {1, 1, 2, 3, 1, 2, 1, 1, 1, 1}},
        {"labouchere", {5, 6, 7, 8, 8, 10, 9, 9, 5, 6}},
        {"oscar", {1, 1, 1, 1, 2, 2, 3, 1, 1, 1}},
    };
    ASSERT_EQ(cases.size(), size_t(kSystemCount));
    for (const Case &c : cases) {
        const std::optional<SystemKind> kind = systemFromKey(c.key);
        ASSERT_TRUE(kind) << c.key;
        EXPECT_EQ(systemKey(*kind), c.key);
        const auto system = makeSystem(*kind);
        // Twice: a reset starts the same sequence again.
        for (int round = 0; round < 2; ++round) {
            system->reset(1);
            std::vector<std::int64_t> stakes;
            for (char outcome : run) {
                stakes.push_back(system->stake());
                outcome == 'W' ? system->won() : system->lost();
            }
            EXPECT_EQ(stakes, c.stakes) << c.key;
        }
    }
    EXPECT_FALSE(systemFromKey("Martingale"));
    // Oscar's Grind after a loss, a win and a loss: the win put the cycle one
    // unit short of its goal again, so the stake stays one unit.
    const auto grind = makeSystem(SystemKind::Oscar);
    grind->reset(1);
    std::vector<std::int64_t> grindStakes;
    for (char outcome : std::string("LWL")) {
        grindStakes.push_back(grind->stake());
        outcome == 'W' ? grind->won() : grind->lost();
    }
    EXPECT_EQ(grindStakes, (std::vector<std::int64_t>{1, 1, 1}));

    // Oscar's Grind on a number that pays 35: one win ends any cycle of
    // fewer than 35 lost units, and the stake never grows past what it needs.
    const auto oscar = makeSystem(SystemKind::Oscar);
    oscar->reset(35);
    for (int i = 0; i < 10; ++i)
        oscar->lost();
    EXPECT_EQ(oscar->stake(), 1);
    oscar->won(); // 25 units ahead: a new cycle
    EXPECT_EQ(oscar->stake(), 1);
    // Martingale stops doubling where 63 bits end.
    const auto martingale = makeSystem(SystemKind::Martingale);
    martingale->reset(1);
    for (int i = 0; i < 200; ++i)
        martingale->lost();
    EXPECT_EQ(martingale->stake(), std::int64_t{1} << 62);
}

TEST(Systems, BetsByNameAndTheirPayouts)
{
    struct Case
    {
        std::string key, english; // the command line takes either
        int count;
        std::vector<int> in, out;
    };
    const std::vector<Case> cases = {
        {"piros", "red", 18, {1, 3, 36}, {0, 2, 35}},
        {"fekete", "black", 18, {2, 35}, {0, 1}},
        {"magas", "high", 18, {19, 36}, {0, 18}},
        {"harmad2", "dozen2", 12, {13, 24}, {12, 25}},
        {"oszlopM", "column2", 12, {2, 35}, {1, 36}},
        {"oszlopPM", "columns12", 24, {1, 2, 35}, {0, 3, 36}},
        {"oszlopMD", "columns23", 24, {2, 3, 36}, {0, 1, 34}},
        {"paratlan", "odd", 18, {1, 35}, {0, 2}},
        {"voisins", "voisins", 17, {0, 22, 25}, {1, 5}},
        {"jeuzero", "jeuzero", 7, {12, 0, 32}, {1, 22}},
        {"orphelins", "orphelins", 8, {1, 17, 34}, {0, 2}},
        {"0", "0", 1, {0}, {1}},
        {"36", "36", 1, {36}, {35}},
    };
    for (const Case &c : cases) {
        const std::optional<Bet> bet = betFromKey(c.key);
        ASSERT_TRUE(bet) << c.key;
        EXPECT_EQ(int(bet->numbers.count()), c.count) << c.key;
        for (int n : c.in)
            EXPECT_TRUE(bet->numbers.test(size_t(n))) << c.key << " " << n;
        for (int n : c.out)
            EXPECT_FALSE(bet->numbers.test(size_t(n))) << c.key << " " << n;
        // A hit returns 36/n times the stake; on average a bet keeps 36/37.
        EXPECT_NEAR((winPerUnit(*bet) + 1) * c.count / 37.0, 36.0 / 37, 1e-12) << c.key;
        EXPECT_EQ(betKeyFor(c.english), c.key);
        EXPECT_EQ(betKeyFor(c.key), c.key);
    }
    EXPECT_EQ(betKeys().size(), 18u);
    EXPECT_EQ(englishBetKeys().size(), 18u);
    // The systems file keeps its own keys: an English one is the command line's.
    for (const char *bad : {"37", "-1", "", "01x", "Piros", "100", "red", "RED"})
        EXPECT_FALSE(betFromKey(bad)) << bad;
    EXPECT_EQ(betKeyFor("RED"), "RED");
    EXPECT_DOUBLE_EQ(winPerUnit(*betFromKey("17")), 35);
    EXPECT_EQ(selectedNumbersBet({4, 9, 40}).numbers.count(), 2u);
}

} // namespace
} // namespace vintaro
