// The session rules on recorded spins: the table maximum, what is left, the
// target and ruin; and the backtest's figures.
#include <gtest/gtest.h>

#include <algorithm>

#include "systems/chartpoints.h"
#include "systems/livebacktest.h"
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

TEST(Session, TheLiveBacktestPlaysOnlyTheNewSpinAndReplaysAnyOtherChange)
{
    std::vector<std::int16_t> spins;
    std::uint32_t x = 12345;
    for (int i = 0; i < 400; ++i) {
        x = x * 1103515245u + 12345u;
        spins.push_back(std::int16_t((x >> 16) % 37));
    }
    const Bet red = *betFromKey("piros");
    for (SystemKind kind : kSystems) {
        for (const SessionRules &r : {rules(60, 16), rules(30, 0, 20), rules(25.5, 10, 0, 2)}) {
            LiveBacktest live;
            for (size_t n = 0; n <= spins.size(); ++n) {
                const std::vector<std::int16_t> head(spins.begin(), spins.begin() + std::ptrdiff_t(n));
                const Backtest &b = live.update(kind, red, r, head);
                // Against a backtest that plays them all from the start.
                const Backtest whole = backtest(kind, red, r, head);
                ASSERT_EQ(b.bankroll, whole.bankroll) << systemKey(kind) << " " << n;
                ASSERT_EQ(b.outcome.ending, whole.outcome.ending);
                ASSERT_EQ(b.outcome.result, whole.outcome.result);
                ASSERT_EQ(b.outcome.staked, whole.outcome.staked);
                ASSERT_EQ(b.outcome.largest, whole.outcome.largest);
                ASSERT_EQ(b.deepestFall, whole.deepestFall);
                ASSERT_EQ(b.expected, whole.expected);
            }
            EXPECT_EQ(live.replays(), 1);
            // An undone spin, a changed spin, other rules, another bet: from the start.
            std::vector<std::int16_t> changed = spins;
            live.update(kind, red, r, std::span(spins).first(spins.size() - 1));
            EXPECT_EQ(live.replays(), 2);
            changed[5] = std::int16_t((changed[5] + 1) % 37);
            live.update(kind, red, r, changed);
            EXPECT_EQ(live.replays(), 3);
            SessionRules other = r;
            other.tableMin = r.tableMin + 1;
            live.update(kind, red, other, changed);
            EXPECT_EQ(live.replays(), 4);
            EXPECT_EQ(live.update(kind, *betFromKey("fekete"), other, changed).bankroll,
                      backtest(kind, *betFromKey("fekete"), other, changed).bankroll);
            EXPECT_EQ(live.replays(), 5);
        }
    }
}

TEST(Session, AChartDrawsTheLowestAndHighestOfEachColumn)
{
    std::vector<double> values;
    std::uint32_t x = 99;
    for (int i = 0; i < 10007; ++i) {
        x = x * 1664525u + 1013904223u;
        values.push_back(double(x >> 20) - (i == 7777 ? 1e6 : 0));
    }
    for (int columns : {1, 7, 100, 640, 5003, 6000}) {
        const std::vector<std::size_t> shown = columnExtremes(values, columns);
        if (size_t(columns) * 2 >= values.size()) {
            EXPECT_EQ(shown.size(), values.size());
            continue;
        }
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown.front(), 0u);
        EXPECT_EQ(shown.back(), values.size() - 1);
        EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
        EXPECT_EQ(std::adjacent_find(shown.begin(), shown.end()), shown.end());
        EXPECT_LE(shown.size(), size_t(2 * columns + 2));
        // Every column's lowest and highest value is among the shown ones.
        const size_t n = values.size();
        for (size_t c = 0; c < size_t(columns); ++c) {
            const size_t b = c * n / size_t(columns), e = (c + 1) * n / size_t(columns);
            double lo = values[b], hi = values[b], shownLo = 1e300, shownHi = -1e300;
            for (size_t i = b; i < e; ++i)
                lo = std::min(lo, values[i]), hi = std::max(hi, values[i]);
            for (size_t i : shown)
                if (i >= b && i < e)
                    shownLo = std::min(shownLo, values[i]), shownHi = std::max(shownHi, values[i]);
            ASSERT_EQ(shownLo, lo) << columns << " " << c;
            ASSERT_EQ(shownHi, hi) << columns << " " << c;
        }
        EXPECT_NE(std::find(shown.begin(), shown.end(), 7777u), shown.end());
    }
    EXPECT_TRUE(columnExtremes({}, 10).empty());
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
