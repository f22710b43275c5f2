#include "systems/exact.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "systems/exactsteps.h"
#include "systems/problems.h"

namespace vintaro {

namespace {

using namespace exactdetail;

// What one state costs besides its rows: its step, two ranges, two rows.
constexpr std::int64_t kStateBytes = 160;

struct Range
{
    std::int64_t lo = 1, hi = 0;
    bool empty() const { return hi < lo; }
    std::int64_t width() const { return empty() ? 0 : hi - lo + 1; }
    void cover(std::int64_t a, std::int64_t b)
    {
        if (b < a)
            return;
        if (empty()) {
            lo = a, hi = b;
            return;
        }
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    }
};
// The ranges of what can be left after one more spin; the amounts that end
// the session widen `finals`. False for a chain that names a state it
// cannot have.
bool propagate(Steps &steps, const Setup &s, const std::vector<Range> &now, std::vector<Range> &next, Range &finals)
{
    for (Range &r : next)
        r = Range{};
    for (size_t c = 0; c < now.size(); ++c) {
        const Range r = now[c];
        if (r.empty())
            continue;
        ChainStep step;
        if (!steps.at(int(c), step))
            return false;
        if (step.stake < 0) {
            finals.cover(r.lo, r.hi);
            continue;
        }
        const size_t most = size_t(std::max(step.onWin, step.onLoss)) + 1;
        if (next.size() < most)
            next.resize(most);
        const std::int64_t upLo = r.lo + std::min(step.stake, r.lo) * s.win;
        const std::int64_t upHi = r.hi + std::min(step.stake, r.hi) * s.win;
        const std::int64_t downLo = r.lo - std::min(step.stake, r.lo);
        const std::int64_t downHi = r.hi - std::min(step.stake, r.hi);
        finals.cover(std::max(upLo, s.goal), upHi);
        next[size_t(step.onWin)].cover(upLo, std::min(upHi, s.goal - 1));
        finals.cover(downLo, std::min(downHi, s.minimum - 1));
        next[size_t(step.onLoss)].cover(std::max(downLo, s.minimum), downHi);
    }
    return true;
}

const char *const kChainProblem = QT_TRANSLATE_NOOP("SystemProblems", "A rendszer állapotai túl sokak a pontos "
                                                                      "számításhoz; a szimuláció így is fut.");

// `finals` comes back as every amount a session can end with.
ExactCost cost(Steps &steps, const Setup &s, const SessionRules &rules, ExactBudget budget, Range &finals)
{
    ExactCost out;
    std::vector<Range> now(1), next(1);
    finals = Range{};
    if (s.start < s.minimum)
        finals.cover(s.start, s.start);
    else
        now[0].cover(s.start, s.start);
    // Rows keep their largest width; `now` and `next` take turns.
    std::vector<std::int64_t> widest[2];
    std::int64_t rowCells = 0;
    auto account = [&](const std::vector<Range> &rows, int turn) {
        std::vector<std::int64_t> &w = widest[turn];
        if (w.size() < rows.size())
            w.resize(rows.size(), 0);
        bool live = false;
        for (size_t c = 0; c < rows.size(); ++c) {
            const std::int64_t width = rows[c].width();
            live = live || width > 0;
            if (width > w[c])
                rowCells += width - w[c], w[c] = width;
        }
        return live;
    };
    auto bytes = [&] {
        return (rowCells + finals.width()) * std::int64_t(sizeof(double)) +
               std::int64_t(steps.size() + widest[0].size() + widest[1].size()) * kStateBytes;
    };
    const char *tooLong = QT_TRANSLATE_NOOP("SystemProblems", "A pontos számítás ezekkel a beállításokkal túl hosszú "
                                                              "volna; a szimuláció így is fut.");
    const char *tooBig = QT_TRANSLATE_NOOP("SystemProblems", "A pontos számításhoz ennél a kezdőtőkénél túl sok "
                                                             "memória kellene; a szimuláció így is fut.");
    for (std::int64_t t = 0; t < rules.maxSpins; ++t) {
        if (!account(now, int(t % 2)))
            break;
        for (const Range &r : now)
            out.cells += r.width();
        if (out.cells > budget.cells) {
            out.why = tooLong;
            return out;
        }
        if (!propagate(steps, s, now, next, finals)) {
            out.why = kChainProblem;
            return out;
        }
        if (bytes() > budget.bytes) {
            out.why = tooBig;
            return out;
        }
        std::swap(now, next);
    }
    account(now, int(rules.maxSpins % 2));
    for (const Range &r : now)
        finals.cover(r.lo, r.hi);
    out.bytes = bytes();
    if (out.bytes > budget.bytes) {
        out.why = tooBig;
        return out;
    }
    out.fits = true;
    return out;
}

// Probabilities over what is left, for one state, over `range`.
struct Row
{
    Range range;
    std::vector<double> p;
    void reset(Range r)
    {
        range = r;
        const auto width = size_t(r.width());
        if (p.capacity() < width)
            p.reserve(width); // exactly: the budget counted the widest row
        p.assign(width, 0.0);
    }
    double *at(std::int64_t b) { return p.data() + (b - range.lo); }
};

// dst[i] += a * src[i]; the sum of src.
double moveShare(double *dst, const double *src, std::int64_t n, double a)
{
    double sum = 0;
    for (std::int64_t i = 0; i < n; ++i) {
        dst[i] += a * src[i];
        sum += src[i];
    }
    return sum;
}

} // namespace

CounterChain counterChain(SystemKind kind)
{
    const std::optional<CounterRules> rules = makeSystem(kind)->counterRules();
    if (!rules)
        return {};
    return [r = *rules](int state) { return ChainStep{r.stakeAt(state), r.afterWin(state), r.afterLoss(state)}; };
}

ExactCost exactCost(const CounterChain &chain, const Bet &bet, const SessionRules &rules, ExactBudget budget)
{
    const Setup s = setup(chain, bet, rules);
    if (!s.why.empty()) {
        ExactCost out;
        out.why = s.why;
        return out;
    }
    const CounterChain simple = merged(chain, s);
    Steps steps(simple, s);
    Range finals;
    return cost(steps, s, rules, budget, finals);
}

ExactRisk exactRisk(SystemKind kind, const Bet &bet, const SessionRules &rules, ExactBudget budget,
                    const std::atomic<bool> *cancel)
{
    return exactRisk(counterChain(kind), bet, rules, budget, cancel);
}

ExactRisk exactRisk(const CounterChain &chain, const Bet &bet, const SessionRules &rules, ExactBudget budget,
                    const std::atomic<bool> *cancel)
{
    ExactRisk out;
    const Setup s = setup(chain, bet, rules);
    if (!s.why.empty()) {
        out.why = s.why;
        return out;
    }
    const CounterChain simple = merged(chain, s);
    Steps steps(simple, s);
    // Nothing is allocated before the whole calculation is known to fit.
    Range finalRange;
    if (const ExactCost c = cost(steps, s, rules, budget, finalRange); !c.fits) {
        out.why = c.why;
        return out;
    }
    std::vector<Range> nowRange(1), nextRange(1);
    if (s.start >= s.minimum)
        nowRange[0].cover(s.start, s.start);
    Row finals;
    finals.reset(finalRange);
    if (s.start < s.minimum) {
        *finals.at(s.start) = 1;
        out.ruin = 1;
    }
    std::vector<Row> now(1), next(1);
    now[0].reset(nowRange[0]);
    if (!nowRange[0].empty())
        *now[0].at(s.start) = 1;

    double spinSum = 0, stakedSum = 0;
    std::int64_t t = 0;
    for (; t < rules.maxSpins; ++t) {
        if (cancel && cancel->load(std::memory_order_relaxed)) {
            out.why = QT_TRANSLATE_NOOP("SystemProblems", "A pontos számítás megszakítva.");
            return out;
        }
        bool live = false;
        for (const Range &r : nowRange)
            live = live || !r.empty();
        if (!live)
            break;
        Range ends;
        propagate(steps, s, nowRange, nextRange, ends);
        if (next.size() < nextRange.size())
            next.resize(nextRange.size());
        for (size_t c = 0; c < nextRange.size(); ++c)
            next[c].reset(nextRange[c]);
        double ended = 0, stopped = 0;
        for (size_t c = 0; c < nowRange.size(); ++c) {
            const Range r = nowRange[c];
            if (r.empty())
                continue;
            Row &row = now[c];
            ChainStep step;
            steps.at(int(c), step);
            if (step.stake < 0) {
                stopped += moveShare(finals.at(r.lo), row.at(r.lo), r.width(), 1.0);
                continue;
            }
            const std::int64_t stake = step.stake;
            Row &winRow = next[size_t(step.onWin)], &lossRow = next[size_t(step.onLoss)];
            // Below the stake the whole of what is left is staked.
            for (std::int64_t b = r.lo; b <= std::min(r.hi, stake - 1); ++b) {
                const double x = *row.at(b);
                if (x == 0)
                    continue;
                stakedSum += x * double(b);
                const std::int64_t up = b + b * s.win;
                if (up >= s.goal)
                    *finals.at(up) += x * s.pWin, out.target += x * s.pWin, ended += x * s.pWin;
                else
                    *winRow.at(up) += x * s.pWin;
                // Nothing left: below any table minimum.
                *finals.at(0) += x * s.pLoss, out.ruin += x * s.pLoss, ended += x * s.pLoss;
            }
            // From the stake up, the whole row moves by the same amounts.
            const std::int64_t from = std::max(r.lo, stake);
            if (from > r.hi)
                continue;
            const std::int64_t gain = stake * s.win;
            const std::int64_t ruinEnd = std::min(r.hi, stake + s.minimum - 1); // [from, ruinEnd] is ruined
            const std::int64_t winEnd = std::min(r.hi, s.goal == kNoGoal ? r.hi : s.goal - gain - 1);
            double mass = 0;
            if (ruinEnd >= from) {
                const double m = moveShare(finals.at(from - stake), row.at(from), ruinEnd - from + 1, s.pLoss);
                out.ruin += m * s.pLoss, ended += m * s.pLoss;
            }
            if (const std::int64_t b = std::max(from, ruinEnd + 1); b <= r.hi)
                moveShare(lossRow.at(b - stake), row.at(b), r.hi - b + 1, s.pLoss);
            if (winEnd >= from)
                mass += moveShare(winRow.at(from + gain), row.at(from), winEnd - from + 1, s.pWin);
            if (const std::int64_t b = std::max(from, winEnd + 1); b <= r.hi) {
                const double m = moveShare(finals.at(b + gain), row.at(b), r.hi - b + 1, s.pWin);
                out.target += m * s.pWin, ended += m * s.pWin, mass += m;
            }
            stakedSum += mass * double(stake);
        }
        spinSum += ended * double(t + 1) + stopped * double(t);
        std::swap(now, next);
        std::swap(nowRange, nextRange);
    }
    for (size_t c = 0; c < nowRange.size(); ++c)
        if (!nowRange[c].empty())
            spinSum += moveShare(finals.at(nowRange[c].lo), now[c].at(nowRange[c].lo), nowRange[c].width(), 1.0) *
                       double(t);

    // Keep the amounts between the first and the last that can happen.
    std::int64_t lo = finals.range.lo, hi = finals.range.hi;
    while (lo <= hi && *finals.at(lo) == 0)
        ++lo;
    while (hi >= lo && *finals.at(hi) == 0)
        --hi;
    if (lo <= hi)
        out.finalBankroll.assign(finals.at(lo), finals.at(hi) + 1);
    out.finalLow = lo <= hi ? lo : 0;
    double mean = 0, squares = 0, cumulative = 0;
    bool have5 = false, have50 = false, have95 = false;
    for (size_t i = 0; i < out.finalBankroll.size(); ++i) {
        const double x = out.finalBankroll[i];
        const std::int64_t b = out.finalLow + std::int64_t(i);
        const double result = double(b - s.start) * rules.unit;
        mean += x * result;
        squares += x * result * result;
        if (b > s.start)
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
