#pragma once
// One session of a system: the bankroll it starts with, the table's limits,
// a stop-win target and a number of spins. Each spin the system's stake, in
// whole units, is raised to the table minimum, capped at the table maximum
// and reduced to what is left. The session ends ruined once what is left is
// below the table minimum, at the target, or after its spins.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
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
    bool operator==(const SessionRules &) const = default;
};

// Why the rules cannot be played (UTF-8), or empty.
std::string rulesProblem(const SessionRules &rules);

// Stopped: the system itself ended the session (a system of the player's
// own that ends after its last step).
enum class Ending { Spins, Target, Ruin, Stopped };

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
    // A branch, not a minimum: the stake seldom meets what is left, and the
    // next spin's money then need not wait for this comparison (the empty
    // asm keeps the compiler from making it a minimum again).
    if (stake > left) [[unlikely]] {
        stake = left;
        asm("" : "+r"(stake));
    }
    return stake;
}

// The loop of a session: plays on from what is left (`left`) and `out` so
// far until the session ends, its spins are played or `draw()` gives -1.
// `seen(left, stake)` hears of every spin played.
template <typename Sys, typename Draw, typename Seen>
void continueSession(Sys &system, std::uint64_t mask, double winPerUnit, const SessionRules &rules, double &left,
                     SessionOutcome &out, Draw &&draw, Seen &&seen)
{
    const double goal =
        rules.target > 0 ? rules.bankroll + rules.target - kMoneySlack : std::numeric_limits<double>::infinity();
    const double floor = rules.tableMin - kMoneySlack;
    const double gain[2] = {-1.0, winPerUnit}; // per unit staked: a miss, a hit
    while (out.spins < rules.maxSpins) {
        const std::int64_t units = system.stake();
        if (units <= 0) [[unlikely]] {
            // A system of the player's own ends the session, or sits a spin out.
            if (units < 0) {
                out.ending = Ending::Stopped;
                break;
            }
            const int pocket = draw();
            if (pocket < 0)
                break;
            ++out.spins;
            system.record((mask >> pocket) & 1);
            seen(left, 0.0);
            continue;
        }
        const double stake = tableStake(rules, units, left);
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
    if (left < rules.tableMin - kMoneySlack) {
        out.ending = Ending::Ruin;
        return out;
    }
    continueSession(system, mask, winPerUnit, rules, left, out, draw, seen);
    out.result = left - rules.bankroll;
    return out;
}

// The same rules in whole money: every amount whole and a hit that wins whole
// units (every bet whose numbers divide 36, so every even-money bet, dozen and
// column). Whole amounts are exact in a double too, so a session played in
// whole money ends with the very figures the double loop gives.
struct WholeRules
{
    std::int64_t unit = 1, bankroll = 0, tableMin = 1, tableMax = 0;
    std::int64_t goal = 0; // bankroll + target; the largest int64 when there is no target
    std::int64_t win = 1;
    std::int64_t maxSpins = 0;
    std::int64_t ceiling = 0;  // the table maximum, or the largest int64 when there is none
};

// Far above any bankroll the rules accept: what is left stays below it, or
// the session is played again in double.
inline constexpr std::int64_t kWholeLimit = std::int64_t{1} << 50;
// All stakes together stay below it (a double counts them exactly).
inline constexpr std::int64_t kWholeStakedLimit = std::int64_t{1} << 53;

// The rules in whole money, or nothing when an amount has a fraction.
std::optional<WholeRules> wholeRules(const SessionRules &rules, double winPerUnit);

inline std::int64_t tableStake(const WholeRules &rules, std::int64_t units, std::int64_t left)
{
    // Without a branch: a doubling system crosses the maximum and what is left often.
    std::int64_t money = 0;
    if (__builtin_mul_overflow(units, rules.unit, &money))
        money = std::numeric_limits<std::int64_t>::max();
    return std::min(std::min(std::max(money, rules.tableMin), rules.ceiling), left);
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

// A system that remembers the stake it last asked for, so that a backtest can
// tell a stake cut to the table maximum or to what was left.
struct AskingSystem
{
    System &system;
    std::int64_t asked = 0;
    void reset(double winPerUnit) { system.reset(winPerUnit); }
    std::int64_t stake()
    {
        asked = system.stake();
        return asked;
    }
    void record(bool hit) { system.record(hit); }
};

// One spin of a backtest: the line of what is left (when kept), the deepest
// fall from `peak`, and a stake cut below the `askedUnits` the system asked for.
void noteSpin(Backtest &out, double &peak, const SessionRules &rules, std::int64_t askedUnits, double left,
              double stake, bool keepBankroll);

Backtest backtest(SystemKind kind, const Bet &bet, SessionRules rules, const std::vector<std::int16_t> &spins);
Backtest backtest(System &system, const Bet &bet, SessionRules rules, const std::vector<std::int16_t> &spins);
// The same over spins handed over one at a time by `next` (-1: there are no
// more), as long as they last and rules.maxSpins allows; `keepBankroll` false
// keeps no bankroll line, so that memory does not grow with the spins.
Backtest backtest(System &system, const Bet &bet, const SessionRules &rules, const std::function<int()> &next,
                  bool keepBankroll);

} // namespace vintaro
