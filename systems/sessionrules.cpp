#include "systems/sessionrules.h"

#include <algorithm>
#include <cmath>

namespace vintaro {

std::string rulesProblem(const SessionRules &rules)
{
    auto finite = [](double x) { return std::isfinite(x) && std::fabs(x) < 1e15; };
    if (!finite(rules.unit) || rules.unit <= 0)
        return "Az egység legyen nullánál nagyobb.";
    if (!finite(rules.bankroll) || rules.bankroll <= 0)
        return "A kezdőtőke legyen nullánál nagyobb.";
    if (!finite(rules.tableMin) || rules.tableMin <= 0)
        return "Az asztali minimum legyen nullánál nagyobb.";
    if (!finite(rules.tableMax) || rules.tableMax < 0 || (rules.tableMax > 0 && rules.tableMax < rules.tableMin))
        return "Az asztali maximum legyen legalább akkora, mint a minimum (0: nincs maximum).";
    if (!finite(rules.target) || rules.target < 0)
        return "A cél nem lehet negatív (0: nincs cél).";
    if (rules.maxSpins < 1)
        return "Menetenként legalább egy pörgetés kell.";
    return {};
}

namespace {

// A system that remembers the stake it last asked for.
struct Asking
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

} // namespace

Backtest backtest(SystemKind kind, const Bet &bet, SessionRules rules, const std::vector<std::int16_t> &spins)
{
    Backtest out;
    rules.maxSpins = std::int64_t(spins.size());
    const std::unique_ptr<System> system = makeSystem(kind);
    Asking asking{*system};
    out.bankroll.push_back(rules.bankroll);
    double peak = rules.bankroll;
    size_t next = 0;
    out.outcome = playSession(
        asking, betMask(bet), winPerUnit(bet), rules,
        [&] {
            // A value outside 0..36 is no spin; the list holds none.
            return next < spins.size() ? int(spins[next++]) : -1;
        },
        [&](double left, double stake) {
            const double asked = std::max(double(asking.asked) * rules.unit, rules.tableMin);
            out.largestAsked = std::max(out.largestAsked, asked);
            const bool capped = rules.tableMax > 0 && asked > rules.tableMax;
            if (stake < (capped ? rules.tableMax : asked) - kMoneySlack)
                ++out.cutToLeft;
            else if (capped)
                ++out.cutToMaximum;
            out.bankroll.push_back(left);
            peak = std::max(peak, left);
            out.deepestFall = std::max(out.deepestFall, peak - left);
        });
    out.expected = -out.outcome.staked / 37;
    return out;
}

} // namespace vintaro
