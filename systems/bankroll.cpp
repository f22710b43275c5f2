#include "systems/bankroll.h"

#include <cmath>

#include "systems/problems.h"

namespace vintaro {

namespace {

constexpr double kShareSlack = 1e-12;
constexpr std::int64_t kLargestUnits = std::int64_t(1) << 40;

// The smallest n >= low with good(n), or -1 (with `why`) when the exact
// calculation gives up first. good() must turn true and stay true; `figure`
// is the share at the answer.
template <typename Figure>
std::int64_t smallestGood(std::int64_t low, Figure figure, std::string &why, double &share)
{
    // Double until good, then halve the gap.
    std::int64_t bad = low - 1, good = low;
    for (;;) {
        const auto [ok, yes, value] = figure(good);
        if (!ok)
            return -1;
        if (yes) {
            share = value;
            break;
        }
        bad = good;
        if (good > kLargestUnits) {
            why = QT_TRANSLATE_NOOP("SystemProblems", "Ilyen tőke nincs 2^40 egységig.");
            return -1;
        }
        good *= 2;
    }
    while (good - bad > 1) {
        const std::int64_t middle = bad + (good - bad) / 2;
        const auto [ok, yes, value] = figure(middle);
        if (!ok)
            return -1;
        if (yes)
            good = middle, share = value;
        else
            bad = middle;
    }
    return good;
}

struct Try
{
    bool ok, yes;
    double value;
};

} // namespace

BankrollAnswer bankrollForRisk(const CounterChain &chain, const Bet &bet, SessionRules rules, double risk,
                               ExactBudget budget, const std::atomic<bool> *cancel)
{
    BankrollAnswer out;
    const std::int64_t minimum = std::max<std::int64_t>(1, std::llround(rules.tableMin / rules.unit));
    auto figure = [&](std::int64_t units) {
        rules.bankroll = double(units) * rules.unit;
        const ExactRisk e = exactRisk(chain, bet, rules, budget, cancel);
        if (!e.available)
            out.why = e.why;
        return Try{e.available, e.available && e.ruin <= risk + kShareSlack, e.ruin};
    };
    const std::int64_t units = smallestGood(minimum, figure, out.why, out.share);
    if (units < 0)
        return out;
    out.found = true;
    out.amount = double(units) * rules.unit;
    out.why.clear();
    return out;
}

BankrollAnswer largestTarget(const CounterChain &chain, const Bet &bet, SessionRules rules, double chance,
                             ExactBudget budget, const std::atomic<bool> *cancel)
{
    BankrollAnswer out;
    // The smallest target that falls short of the chance, less one.
    auto figure = [&](std::int64_t units) {
        rules.target = double(units) * rules.unit;
        const ExactRisk e = exactRisk(chain, bet, rules, budget, cancel);
        if (!e.available)
            out.why = e.why;
        return Try{e.available, e.available && e.target < chance - kShareSlack, e.target};
    };
    auto first = figure(1);
    if (!first.ok)
        return out;
    if (first.yes) {
        out.why = QT_TRANSLATE_NOOP("SystemProblems", "Már egy egységnyi nyereséget sem ér el ekkora eséllyel.");
        return out;
    }
    double unused = 0;
    const std::int64_t units = smallestGood(2, figure, out.why, unused);
    if (units < 0)
        return out;
    // The search ends on a short target; the one below it reaches the chance.
    rules.target = double(units - 1) * rules.unit;
    const ExactRisk e = exactRisk(chain, bet, rules, budget, cancel);
    if (!e.available) {
        out.why = e.why;
        return out;
    }
    out.found = true;
    out.amount = rules.target;
    out.share = e.target;
    out.why.clear();
    return out;
}

} // namespace vintaro
