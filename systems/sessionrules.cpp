#include "systems/sessionrules.h"

#include <algorithm>
#include <cmath>

#include "core/numbermodel.h"
#include "systems/problems.h"

namespace vintaro {

std::string rulesProblem(const SessionRules &rules)
{
    auto finite = [](double x) { return std::isfinite(x) && std::fabs(x) < 1e15; };
    if (!finite(rules.unit) || rules.unit <= 0)
        return QT_TRANSLATE_NOOP("SystemProblems", "Az egység legyen nullánál nagyobb.");
    if (!finite(rules.bankroll) || rules.bankroll <= 0)
        return QT_TRANSLATE_NOOP("SystemProblems", "A kezdőtőke legyen nullánál nagyobb.");
    if (!finite(rules.tableMin) || rules.tableMin <= 0)
        return QT_TRANSLATE_NOOP("SystemProblems", "Az asztali minimum legyen nullánál nagyobb.");
    if (!finite(rules.tableMax) || rules.tableMax < 0 || (rules.tableMax > 0 && rules.tableMax < rules.tableMin))
        return QT_TRANSLATE_NOOP("SystemProblems", "Az asztali maximum legyen legalább akkora, mint a minimum (0: "
                                                   "nincs maximum).");
    if (!finite(rules.target) || rules.target < 0)
        return QT_TRANSLATE_NOOP("SystemProblems", "A cél nem lehet negatív (0: nincs cél).");
    if (rules.maxSpins < 1)
        return QT_TRANSLATE_NOOP("SystemProblems", "Menetenként legalább egy pörgetés kell.");
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
    AskingSystem asking{system};
    out.outcome = playSession(asking, betMask(bet), winPerUnit(bet), rules, next, [&](double left, double stake) {
        noteSpin(out, peak, rules, asking.asked, left, stake, keepBankroll);
    });
    out.expected = -out.outcome.staked / kNumberCount;
    return out;
}

void noteSpin(Backtest &out, double &peak, const SessionRules &rules, std::int64_t askedUnits, double left,
              double stake, bool keepBankroll)
{
    if (askedUnits > 0) { // a spin sat out stakes nothing and cuts nothing
        const double asked = std::max(double(askedUnits) * rules.unit, rules.tableMin);
        out.largestAsked = std::max(out.largestAsked, asked);
        const bool capped = rules.tableMax > 0 && asked > rules.tableMax;
        if (stake < (capped ? rules.tableMax : asked) - kMoneySlack)
            ++out.cutToLeft;
        else if (capped)
            ++out.cutToMaximum;
    }
    if (keepBankroll)
        out.bankroll.push_back(left);
    peak = std::max(peak, left);
    out.deepestFall = std::max(out.deepestFall, peak - left);
}

std::optional<WholeRules> wholeRules(const SessionRules &rules, double winPerUnit)
{
    auto whole = [](double x) { return x >= 0 && x < double(kWholeLimit) && x == std::floor(x); };
    if (!whole(rules.unit) || rules.unit < 1 || !whole(rules.bankroll) || !whole(rules.tableMin) ||
        !whole(rules.tableMax) || !whole(rules.target) || !whole(winPerUnit) || rules.maxSpins < 0)
        return std::nullopt;
    WholeRules w;
    w.unit = std::int64_t(rules.unit);
    w.bankroll = std::int64_t(rules.bankroll);
    w.tableMin = std::int64_t(rules.tableMin);
    w.tableMax = std::int64_t(rules.tableMax);
    w.goal = rules.target > 0 ? w.bankroll + std::int64_t(rules.target) : std::numeric_limits<std::int64_t>::max();
    w.win = std::int64_t(winPerUnit);
    w.maxSpins = rules.maxSpins;
    w.ceiling = w.tableMax > 0 ? w.tableMax : std::numeric_limits<std::int64_t>::max();
    return w;
}

} // namespace vintaro
