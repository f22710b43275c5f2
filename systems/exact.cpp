#include "systems/exact.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vintaro {

namespace {

// The amount in whole units, or -1 when it is not whole.
std::int64_t wholeUnits(double amount, double unit)
{
    const double u = amount / unit;
    const double r = std::round(u);
    return std::fabs(u - r) < 1e-9 && r >= 0 && r < 1e12 ? std::int64_t(r) : -1;
}

// Probabilities over what is left, for one state, nonzero within [lo, hi].
struct Row
{
    std::vector<double> p;
    std::int64_t lo = std::numeric_limits<std::int64_t>::max(), hi = -1;
    void add(std::int64_t b, double x)
    {
        if (size_t(b) >= p.size())
            p.resize(std::max(size_t(b) + 1, p.size() * 2), 0.0);
        p[size_t(b)] += x;
        lo = std::min(lo, b);
        hi = std::max(hi, b);
    }
    void clear()
    {
        if (hi >= lo)
            std::fill(p.begin() + lo, p.begin() + hi + 1, 0.0);
        lo = std::numeric_limits<std::int64_t>::max();
        hi = -1;
    }
};

} // namespace

ExactRisk exactRisk(SystemKind kind, const Bet &bet, const SessionRules &rules, std::int64_t cellBudget,
                    const std::atomic<bool> *cancel)
{
    ExactRisk out;
    const std::optional<CounterRules> chain = makeSystem(kind)->counterRules();
    const int numbers = int(bet.numbers.count());
    if (!chain) {
        out.why = "Ennél a rendszernél nincs pontos számítás, csak szimuláció.";
        return out;
    }
    if (numbers == 0 || 36 % numbers != 0) {
        out.why = "Pontos számítás csak olyan tétre van, amelynek a nyereménye egész számú egység.";
        return out;
    }
    const std::int64_t start = wholeUnits(rules.bankroll, rules.unit);
    const std::int64_t minimum = wholeUnits(rules.tableMin, rules.unit);
    const std::int64_t maximum = rules.tableMax > 0 ? wholeUnits(rules.tableMax, rules.unit) : 0;
    const std::int64_t target = rules.target > 0 ? wholeUnits(rules.target, rules.unit) : 0;
    if (start < 0 || minimum < 0 || maximum < 0 || target < 0 || !rulesProblem(rules).empty()) {
        out.why = "Pontos számítás csak akkor van, ha minden összeg az egység egész számú többszöröse.";
        return out;
    }
    const std::int64_t win = 36 / numbers - 1;
    const double pWin = numbers / 37.0, pLoss = 1 - pWin;
    const std::int64_t goal = target > 0 ? start + target : std::numeric_limits<std::int64_t>::max();
    const std::int64_t cap = maximum > 0 ? maximum : std::numeric_limits<std::int64_t>::max() / 64;

    Row finals;
    double spinSum = 0, stakedSum = 0;
    std::vector<Row> now(1), next(1);
    if (start < minimum) {
        finals.add(start, 1);
        out.ruin = 1;
    } else {
        now[0].add(start, 1);
    }
    std::int64_t work = 0;
    for (std::int64_t t = 0; t < rules.maxSpins; ++t) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            out.why = "A pontos számítás megszakítva.";
            return out;
        }
        for (size_t c = 0; c < now.size(); ++c) {
            Row &row = now[c];
            if (row.hi < row.lo)
                continue;
            work += row.hi - row.lo + 1;
            if (work > cellBudget) {
                out.why = "A pontos számítás ezekkel a beállításokkal túl hosszú volna; csak a szimuláció fut.";
                return out;
            }
            const int state = int(c);
            const std::int64_t stake = std::min(std::max(chain->stakeAt(state), minimum), cap);
            const int onWin = chain->afterWin(state), onLoss = chain->afterLoss(state);
            if (size_t(std::max(onWin, onLoss)) >= next.size())
                next.resize(size_t(std::max(onWin, onLoss)) + 1);
            Row &winRow = next[size_t(onWin)], &lossRow = next[size_t(onLoss)];
            const std::int64_t top = row.hi + std::min(stake, row.hi) * win;
            if (size_t(top) >= winRow.p.size())
                winRow.p.resize(size_t(top) + 1 + size_t(top) / 2, 0.0);
            if (size_t(row.hi) >= lossRow.p.size())
                lossRow.p.resize(size_t(row.hi) + 1 + size_t(row.hi) / 2, 0.0);
            std::int64_t winLo = winRow.lo, winHi = winRow.hi, lossLo = lossRow.lo, lossHi = lossRow.hi;
            const double spins = double(t + 1);
            for (std::int64_t b = row.lo; b <= row.hi; ++b) {
                const double x = row.p[size_t(b)];
                if (x == 0)
                    continue;
                const std::int64_t s = std::min(stake, b);
                stakedSum += x * double(s);
                const std::int64_t up = b + s * win, down = b - s;
                if (up >= goal) {
                    finals.add(up, x * pWin);
                    out.target += x * pWin;
                    spinSum += x * pWin * spins;
                } else {
                    winRow.p[size_t(up)] += x * pWin;
                    winLo = std::min(winLo, up);
                    winHi = std::max(winHi, up);
                }
                if (down < minimum) {
                    finals.add(down, x * pLoss);
                    out.ruin += x * pLoss;
                    spinSum += x * pLoss * spins;
                } else {
                    lossRow.p[size_t(down)] += x * pLoss;
                    lossLo = std::min(lossLo, down);
                    lossHi = std::max(lossHi, down);
                }
            }
            winRow.lo = winLo, winRow.hi = winHi;
            if (&lossRow == &winRow) {
                winRow.lo = std::min(winLo, lossLo);
                winRow.hi = std::max(winHi, lossHi);
            } else {
                lossRow.lo = lossLo, lossRow.hi = lossHi;
            }
            row.clear();
        }
        std::swap(now, next);
        if (next.size() < now.size())
            next.resize(now.size());
    }
    for (Row &row : now)
        for (std::int64_t b = row.lo; b <= row.hi; ++b)
            if (row.p[size_t(b)] != 0) {
                finals.add(b, row.p[size_t(b)]);
                spinSum += row.p[size_t(b)] * double(rules.maxSpins);
            }

    out.finalBankroll.assign(finals.p.begin(), finals.p.begin() + std::max<std::int64_t>(finals.hi + 1, 0));
    double mean = 0, squares = 0, cumulative = 0;
    bool have5 = false, have50 = false, have95 = false;
    for (size_t b = 0; b < out.finalBankroll.size(); ++b) {
        const double x = out.finalBankroll[b];
        const double result = double(std::int64_t(b) - start) * rules.unit;
        mean += x * result;
        squares += x * result * result;
        if (std::int64_t(b) > start)
            out.ahead += x;
        cumulative += x;
        // The smallest result with at least q of the sessions at or below it.
        if (!have5 && cumulative >= 0.05 - 1e-12)
            out.p5 = result, have5 = true;
        if (!have50 && cumulative >= 0.5 - 1e-12)
            out.median = result, have50 = true;
        if (!have95 && cumulative >= 0.95 - 1e-12)
            out.p95 = result, have95 = true;
    }
    out.meanResult = mean;
    out.sdResult = std::sqrt(std::max(0.0, squares - mean * mean));
    out.meanSpins = spinSum;
    out.meanStaked = stakedSum * rules.unit;
    out.available = true;
    return out;
}

} // namespace vintaro
