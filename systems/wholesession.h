#pragma once
// playSession in whole money for the simulation, the spins taken from a
// HitStream: false (the stream and `out` as the session left them) when what
// is left reaches kWholeLimit or the stakes kWholeStakedLimit; the caller
// then plays the same spins again with playSession.
#include <bit>
#include <limits>
#include <type_traits>

#include "systems/counters.h"
#include "systems/hitstream.h"
#include "systems/sessionrules.h"

namespace vintaro {

namespace wholedetail {

// The money of a session so far.
struct Money
{
    std::int64_t left = 0, staked = 0, largest = 0, spins = 0;
    Ending ending = Ending::Spins;
};

enum class Step { On, Over, Replay };

} // namespace wholedetail

template <typename Sys> bool playWholeSession(Sys &system, const WholeRules &rules, HitStream &hits, SessionOutcome &out)
{
    using namespace wholedetail;
    system.reset(double(rules.win));
    const WholeRules r = rules; // a copy in registers: the system's stores cannot touch them
    Money m;
    m.left = r.bankroll;
    const std::int64_t gain[2] = {-1, r.win};
    // One test for the target and for the limit; which it was is sorted out after.
    const std::int64_t stop = r.goal < kWholeLimit ? r.goal : kWholeLimit;
    // A stake is at most what is left, below kWholeLimit: fewer spins than
    // 2^63 / kWholeLimit cannot overflow the sum of the stakes.
    const bool longSession = r.maxSpins >= std::numeric_limits<std::int64_t>::max() / kWholeLimit;
    if (m.left < r.tableMin) {
        out = SessionOutcome{};
        out.ending = Ending::Ruin;
        return true;
    }
    // A run of misses is played at once only while its stakes cannot overflow.
    const bool runsAtOnce = r.win >= 1 && r.unit >= r.tableMin;
    // The longest run whose stakes stay within the table maximum (and far
    // from overflowing).
    int longestRun = std::min(49, std::countl_zero(std::uint64_t(r.unit)) - 2);
    while (longestRun >= 0 && (r.unit << longestRun) > r.ceiling)
        --longestRun;
    const std::int64_t winLessOne = r.win - 1;
    // Where the money stands after a spin played for `stake`.
    auto settle = [&](std::int64_t stake, bool hit) {
        ++m.spins;
        m.staked += stake;
        m.largest = stake > m.largest ? stake : m.largest;
        m.left += stake * gain[hit];
        if (m.left >= stop) {
            if (m.left < r.goal)
                return Step::Replay;
            m.ending = Ending::Target;
            return Step::Over;
        }
        if (m.left < r.tableMin) {
            m.ending = Ending::Ruin;
            return Step::Over;
        }
        // Long before an int64 could overflow; no need when every spin
        // staking the most what is left allows cannot reach it.
        if (longSession && m.staked >= kWholeStakedLimit)
            return Step::Replay;
        return Step::On;
    };
    // Plays the spins of the window one by one: all of them (less those
    // past the session's end), or up to and including the first hit when
    // `toHit`. Takes the spins played from the stream.
    auto spinByStep = [&](bool toHit) {
        std::uint64_t bits = hits.bits();
        const int n = int(std::min<std::int64_t>(hits.count(), r.maxSpins - m.spins));
        int used = 0;
        Step step = Step::On;
        while (used < n) {
            const std::int64_t units = system.stake();
            if (units < 0) [[unlikely]] { // a system of the player's own ends the session
                m.ending = Ending::Stopped;
                step = Step::Over;
                break;
            }
            const bool hit = bits & 1;
            bits >>= 1;
            ++used;
            system.record(hit);
            if (units == 0) [[unlikely]] { // ... or sits a spin out
                ++m.spins;
                continue;
            }
            step = settle(tableStake(r, units, m.left), hit);
            if (step != Step::On || (toHit && hit))
                break;
        }
        hits.take(used);
        return step;
    };
    Step step = Step::On;
    while (step == Step::On && m.spins < r.maxSpins) {
        if (!hits.topUp())
            break; // asked to stop
        if constexpr (std::is_same_v<Sys, MartingaleSystem>) {
            // Each run of misses and the hit that ends it at once, while
            // every stake in it is the doubled unit itself: no limit of the
            // table, nor what is left, touches it. k misses lose unit *
            // (2^k - 1), the hit stakes unit * 2^k, unit * (2^(k+1) - 1) in
            // all; what is left stays above every stake, so no spin of the
            // run can ruin, and only the hit can reach the target. The
            // system stands at its first step before and after.
            if (runsAtOnce && system.stake() == 1) {
                // The hits of the window within the session's spins; each
                // run ends at the lowest of them (no shifting: the loop waits
                // on nothing but clearing that bit).
                const std::int64_t inSession = r.maxSpins - m.spins;
                std::uint64_t ahead = hits.bits();
                if (inSession < 64)
                    ahead &= (std::uint64_t{1} << inSession) - 1;
                int next = 0; // the first spin of the window not yet played
                std::int64_t left = m.left, staked = 0;
                std::uint64_t tops = 0; // every run's last stake, or-ed: its highest bit is the largest
                auto playRuns = [&](auto evenMoney) {
                    while (ahead != 0) {
                        const int at = std::countr_zero(ahead);
                        const int k = at - next;
                        if (k > longestRun)
                            break;
                        const std::int64_t top = r.unit << k, all = 2 * top - r.unit;
                        if (all > left)
                            break;
                        // lost all - top, won r.win * top
                        if constexpr (decltype(evenMoney)::value)
                            left += r.unit;
                        else
                            left += winLessOne * top + r.unit;
                        staked += all;
                        tops |= std::uint64_t(top);
                        ahead &= ahead - 1;
                        next = at + 1;
                        if (left >= stop)
                            break;
                    }
                };
                if (winLessOne == 0)
                    playRuns(std::true_type{});
                else
                    playRuns(std::false_type{});
                hits.take(next);
                m.left = left;
                m.staked += staked;
                m.spins += next;
                if (tops != 0) {
                    const std::int64_t largest = r.unit << (std::bit_width(tops) - std::bit_width(std::uint64_t(r.unit)));
                    m.largest = largest > m.largest ? largest : m.largest;
                }
                if (m.left >= stop) {
                    step = m.left < r.goal ? Step::Replay : Step::Over;
                    m.ending = Ending::Target;
                } else if (longSession && m.staked >= kWholeStakedLimit) {
                    step = Step::Replay;
                }
                if (step != Step::On || m.spins >= r.maxSpins || (ahead == 0 && hits.count() <= 32))
                    continue; // over, or more spins to draw
            }
            step = spinByStep(true); // a run that meets a limit: spin by spin to its hit
            continue;
        }
        if constexpr (std::is_same_v<Sys, FlatSystem>) {
            // The same stake every spin: the spins of the window at once,
            // while even all of them lost leave the stake covered and above
            // the table minimum, and even all of them won stay short of the
            // target.
            const std::int64_t stake = std::min(std::max(r.unit, r.tableMin), r.ceiling);
            const int n = int(std::min<std::int64_t>(hits.count(), r.maxSpins - m.spins));
            if (stake <= m.left && m.left - n * stake >= std::max(stake, r.tableMin) &&
                m.left + n * stake * r.win < stop) {
                const std::uint64_t played = n < 64 ? hits.bits() & ((std::uint64_t{1} << n) - 1) : hits.bits();
                const int won = std::popcount(played);
                m.left += stake * (r.win * won - (n - won));
                m.staked += stake * n;
                m.largest = stake > m.largest ? stake : m.largest;
                m.spins += n;
                hits.take(n);
                if (longSession && m.staked >= kWholeStakedLimit)
                    step = Step::Replay;
                continue;
            }
        }
        step = spinByStep(false);
    }
    if (step == Step::Replay || m.staked >= kWholeStakedLimit)
        return false;
    out.result = double(m.left - r.bankroll);
    out.staked = double(m.staked);
    out.largest = double(m.largest);
    out.spins = m.spins;
    out.ending = m.ending;
    return true;
}

} // namespace vintaro
