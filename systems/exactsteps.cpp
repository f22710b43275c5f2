#include "systems/exactsteps.h"

#include <array>
#include <cmath>
#include <map>

#include "core/numbermodel.h"
#include "systems/problems.h"

namespace vintaro::exactdetail {

namespace {

constexpr size_t kMerged = 1024;

// The amount in whole units, or -1 when it is not whole.
std::int64_t wholeUnits(double amount, double unit)
{
    const double u = amount / unit;
    const double r = std::round(u);
    return std::fabs(u - r) < 1e-9 && r >= 0 && r < 1e12 ? std::int64_t(r) : -1;
}

} // namespace

Setup setup(const CounterChain &chain, const Bet &bet, const SessionRules &rules)
{
    Setup s;
    const int numbers = int(bet.numbers.count());
    if (!chain) {
        s.why = QT_TRANSLATE_NOOP("SystemProblems", "Ennél a rendszernél nincs pontos számítás, csak szimuláció.");
        return s;
    }
    if (numbers == 0 || 36 % numbers != 0) {
        s.why = QT_TRANSLATE_NOOP("SystemProblems", "Pontos számítás csak olyan tétre van, amelynek a nyereménye "
                                                    "egész számú egység.");
        return s;
    }
    s.start = wholeUnits(rules.bankroll, rules.unit);
    s.minimum = wholeUnits(rules.tableMin, rules.unit);
    const std::int64_t maximum = rules.tableMax > 0 ? wholeUnits(rules.tableMax, rules.unit) : 0;
    const std::int64_t target = rules.target > 0 ? wholeUnits(rules.target, rules.unit) : 0;
    if (s.start < 0 || s.minimum < 1 || maximum < 0 || target < 0 || !rulesProblem(rules).empty()) {
        s.why = QT_TRANSLATE_NOOP("SystemProblems", "Pontos számítás csak akkor van, ha minden összeg az egység "
                                                    "egész számú többszöröse.");
        return s;
    }
    s.win = 36 / numbers - 1;
    s.pWin = numbers / double(kNumberCount);
    s.pLoss = 1 - s.pWin;
    s.goal = target > 0 ? s.start + target : kNoGoal;
    s.cap = maximum > 0 ? maximum : std::numeric_limits<std::int64_t>::max() / 64;
    return s;
}

CounterChain merged(const CounterChain &chain, const Setup &setup)
{
    Steps steps(chain, setup);
    std::vector<int> order{0}; // reachable states
    std::vector<int> index;    // state -> place in order, or -1
    auto place = [&index](int state) -> int & {
        if (size_t(state) >= index.size())
            index.resize(size_t(state) + 1, -1);
        return index[size_t(state)];
    };
    place(0) = 0;
    std::vector<ChainStep> table;
    for (size_t i = 0; i < order.size(); ++i) {
        ChainStep step;
        if (!steps.at(order[i], step))
            return chain;
        table.push_back(step);
        for (int next : {step.onWin, step.onLoss})
            if (place(next) < 0) {
                if (order.size() >= kMerged)
                    return chain;
                place(next) = int(order.size());
                order.push_back(next);
            }
    }
    const size_t n = order.size();
    // Moore's refinement: classes by stake, then by the classes they lead to.
    std::vector<int> cls(n), next(n);
    std::vector<std::int64_t> stakes;
    for (size_t i = 0; i < n; ++i) {
        auto it = std::find(stakes.begin(), stakes.end(), table[i].stake);
        cls[i] = int(it - stakes.begin());
        if (it == stakes.end())
            stakes.push_back(table[i].stake);
    }
    for (size_t classes = stakes.size();;) {
        std::map<std::array<int, 3>, int> keys;
        for (size_t i = 0; i < n; ++i) {
            const std::array<int, 3> key = {cls[i], cls[size_t(place(table[i].onWin))],
                                            cls[size_t(place(table[i].onLoss))]};
            next[i] = keys.emplace(key, int(keys.size())).first->second;
        }
        cls.swap(next);
        if (keys.size() == classes)
            break;
        classes = keys.size();
    }
    // State 0 keeps its number: it is where every session starts.
    std::vector<ChainStep> out;
    std::vector<int> byClass(n, -1);
    for (size_t i = 0; i < n; ++i)
        if (byClass[size_t(cls[i])] < 0)
            byClass[size_t(cls[i])] = int(out.size()), out.push_back(table[i]);
    for (ChainStep &step : out) {
        step.onWin = byClass[size_t(cls[size_t(place(step.onWin))])];
        step.onLoss = byClass[size_t(cls[size_t(place(step.onLoss))])];
    }
    return [out = std::move(out)](int state) { return out[size_t(state)]; };
}

} // namespace vintaro::exactdetail
