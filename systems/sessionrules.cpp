#include "systems/sessionrules.h"

#include <cmath>

#include "core/numbermodel.h"

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

Backtest backtest(SystemKind kind, const Bet &bet, SessionRules rules, const std::vector<std::int16_t> &spins)
{
    return backtest(*makeSystem(kind), bet, rules, spins);
}

Backtest backtest(System &system, const Bet &bet, SessionRules rules, const std::vector<std::int16_t> &spins)
{
    rules.maxSpins = std::int64_t(spins.size());
    size_t next = 0;
    // A value outside 0..36 is no spin; the list holds none.
    return backtest(
        system, bet, rules, [&] { return next < spins.size() ? int(spins[next++]) : -1; }, true);
}

Backtest backtest(System &system, const Bet &bet, const SessionRules &rules, const std::function<int()> &next,
                  bool keepBankroll)
{
    Backtest out;
    if (keepBankroll)
        out.bankroll.push_back(rules.bankroll);
    double peak = rules.bankroll;
    out.outcome = playSession(system, betMask(bet), winPerUnit(bet), rules, next, [&](double left, double) {
        if (keepBankroll)
            out.bankroll.push_back(left);
        peak = std::max(peak, left);
        out.deepestFall = std::max(out.deepestFall, peak - left);
    });
    out.expected = -out.outcome.staked / kNumberCount;
    return out;
}

} // namespace vintaro
