#pragma once
// One session of a system: the bankroll it starts with, the table's limits,
// a stop-win target and a number of spins. Each spin the system's stake, in
// whole units, is raised to the table minimum, capped at the table maximum
// and reduced to what is left. The session ends ruined once what is left is
// below the table minimum, at the target, or after its spins.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "systems/betchoice.h"
#include "systems/system.h"

namespace vintaro {

struct SessionRules
{
    double unit = 1;
    double bankroll = 100;
    double tableMin = 1;
    double tableMax = 0; // 0: no maximum
    double target = 0;   // profit that ends the session; 0: none
    std::int64_t maxSpins = 1000;
};

// Why the rules cannot be played (UTF-8), or empty.
std::string rulesProblem(const SessionRules &rules);

enum class Ending { Spins, Target, Ruin };

struct SessionOutcome
{
    double result = 0;  // what is left less the bankroll
    double staked = 0;  // all stakes together
    double largest = 0; // largest stake
    std::int64_t spins = 0;
    Ending ending = Ending::Spins;
};

// A little slack for amounts that are not whole (a bet of 17 numbers pays
// 36/17 times the stake).
inline constexpr double kMoneySlack = 1e-9;

// The stake of a spin in money for a system's stake in units.
inline double tableStake(const SessionRules &rules, std::int64_t units, double left)
{
    double stake = double(units) * rules.unit;
    if (stake < rules.tableMin)
        stake = rules.tableMin;
    if (rules.tableMax > 0 && stake > rules.tableMax)
        stake = rules.tableMax;
    return stake > left ? left : stake;
}

// Plays one session. `draw()` gives the pocket of the next spin (or -1 when
// there are no more spins); `seen(left, stake)` hears of every spin played.
template <typename Sys, typename Draw, typename Seen>
SessionOutcome playSession(Sys &system, std::uint64_t mask, double winPerUnit, const SessionRules &rules,
                           Draw &&draw, Seen &&seen)
{
    SessionOutcome out;
    system.reset(winPerUnit);
    double left = rules.bankroll;
    const double goal =
        rules.target > 0 ? rules.bankroll + rules.target - kMoneySlack : std::numeric_limits<double>::infinity();
    const double floor = rules.tableMin - kMoneySlack;
    const double gain[2] = {-1.0, winPerUnit}; // per unit staked: a miss, a hit
    if (left < floor) {
        out.ending = Ending::Ruin;
        return out;
    }
    while (out.spins < rules.maxSpins) {
        const double stake = tableStake(rules, system.stake(), left);
        const int pocket = draw();
        if (pocket < 0)
            break;
        ++out.spins;
        out.staked += stake;
        out.largest = stake > out.largest ? stake : out.largest;
        const bool hit = (mask >> pocket) & 1;
        left += stake * gain[hit];
        system.record(hit);
        seen(left, stake);
        if (left >= goal) {
            out.ending = Ending::Target;
            break;
        }
        if (left < floor) {
            out.ending = Ending::Ruin;
            break;
        }
    }
    out.result = left - rules.bankroll;
    return out;
}

// A system played over recorded spins, oldest first, as one session that
// lasts as long as they do (or until ruin or the target).
struct Backtest
{
    SessionOutcome outcome;
    std::vector<double> bankroll; // what is left: at the start, then after every spin
    double deepestFall = 0;       // largest fall of what is left from an earlier peak
    double expected = 0;          // -staked/37
    // Spins whose stake was less than the system asked for: capped at the
    // table maximum, or cut to what was left; and the largest stake asked for
    // (raised to the table minimum).
    std::int64_t cutToMaximum = 0, cutToLeft = 0;
    double largestAsked = 0;
};

Backtest backtest(SystemKind kind, const Bet &bet, SessionRules rules, const std::vector<std::int16_t> &spins);

} // namespace vintaro
