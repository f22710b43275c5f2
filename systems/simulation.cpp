#include "systems/simulation.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <thread>

#include "core/numbermodel.h"
#include "systems/counters.h"
#include "systems/lines.h"
#include "systems/ownsystem.h"
#include "systems/wholesession.h"

namespace vintaro {

namespace {

struct BlockTotals
{
    double staked = 0;
    double excess = 0, excessSquares = 0; // of result + staked/37
    double largest = 0;
    std::int64_t spins = 0, ahead = 0, target = 0, ruin = 0;
};

struct Shared
{
    const SimulationRequest &request;
    SimulationControl *control;
    std::vector<double> &results;
    std::vector<BlockTotals> &blocks;
    std::atomic<std::int64_t> nextBlock{0};
};

template <typename Sys> Sys newSystem(const SimulationRequest &) { return Sys{}; }
template <> TableSystem newSystem<TableSystem>(const SimulationRequest &request) { return TableSystem(request.own); }

template <typename Sys> void work(Shared &shared)
{
    const SimulationRequest &request = shared.request;
    const std::uint64_t mask = betMask(request.bet);
    const double win = winPerUnit(request.bet);
    // Whole money where the rules allow: the same figures, sooner.
    const std::optional<WholeRules> whole = wholeRules(request.rules, win);
    const auto blockCount = std::int64_t(shared.blocks.size());
    Sys system = newSystem<Sys>(request);
    const int inBet = mask ? std::countr_zero(mask) : 0;
    const int outOfBet = std::countr_zero(~mask);
    for (;;) {
        const std::int64_t block = shared.nextBlock.fetch_add(1, std::memory_order_relaxed);
        if (block >= blockCount || (shared.control && shared.control->cancel.load(std::memory_order_relaxed)))
            return;
        // The block's own stream of spins. The loop in double, for rules
        // with fractions, looks only at whether a pocket is in the bet: it
        // gets one that is for a hit and one that is not for a miss.
        HitStream hits(request.seed, std::uint64_t(block), mask,
                       shared.control ? &shared.control->cancel : nullptr);
        BlockTotals totals;
        const std::int64_t first = block * kSimulationBlock;
        const std::int64_t last = std::min(first + kSimulationBlock, request.sessions);
        for (std::int64_t s = first; s < last; ++s) {
            // A block of long sessions takes seconds: a request to stop
            // ends the block too.
            if (shared.control && shared.control->cancel.load(std::memory_order_relaxed))
                return;
            SessionOutcome o;
            const HitStream start = hits;
            if (!whole || !playWholeSession(system, *whole, hits, o)) {
                // The same spins again, in double, from a copy the loop can
                // keep in registers.
                HitStream again = start;
                auto draw = [&again, inBet, outOfBet] { return again.nextPocket(inBet, outOfBet); };
                o = playSession(system, mask, win, request.rules, draw, [](double, double) {});
                hits = again;
            }
            shared.results[size_t(s)] = o.result;
            totals.staked += o.staked;
            const double excess = o.result + o.staked / kNumberCount;
            totals.excess += excess;
            totals.excessSquares += excess * excess;
            totals.largest = std::max(totals.largest, o.largest);
            totals.spins += o.spins;
            totals.ahead += o.result > kMoneySlack;
            totals.target += o.ending == Ending::Target;
            totals.ruin += o.ending == Ending::Ruin;
        }
        shared.blocks[size_t(block)] = totals;
        if (shared.control)
            shared.control->sessionsDone.fetch_add(last - first, std::memory_order_relaxed);
    }
}

template <typename Sys> void runThreads(Shared &shared, unsigned threads)
{
    std::vector<std::thread> workers;
    for (unsigned i = 1; i < threads; ++i)
        workers.emplace_back([&shared] { work<Sys>(shared); });
    work<Sys>(shared);
    for (std::thread &t : workers)
        t.join();
}

} // namespace

double quantile(std::vector<double> &results, double q)
{
    if (results.empty())
        return 0;
    const auto rank = std::clamp<std::int64_t>(std::int64_t(std::ceil(q * double(results.size()) - 1e-9)) - 1, 0,
                                               std::int64_t(results.size()) - 1);
    std::nth_element(results.begin(), results.begin() + rank, results.end());
    return results[size_t(rank)];
}

Simulation simulate(const SimulationRequest &request, SimulationControl *control)
{
    Simulation out;
    const std::int64_t sessions = std::max<std::int64_t>(0, request.sessions);
    out.results.assign(size_t(sessions), 0.0);
    std::vector<BlockTotals> blocks(size_t((sessions + kSimulationBlock - 1) / kSimulationBlock));
    Shared shared{request, control, out.results, blocks};
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned threads =
        unsigned(std::clamp<std::int64_t>(request.threads ? request.threads : cores, 1, std::int64_t(blocks.size())));
    if (!request.own.empty())
        runThreads<TableSystem>(shared, threads);
    else switch (request.system) {
    case SystemKind::Flat: runThreads<FlatSystem>(shared, threads); break;
    case SystemKind::Martingale: runThreads<MartingaleSystem>(shared, threads); break;
    case SystemKind::Paroli: runThreads<ParoliSystem>(shared, threads); break;
    case SystemKind::DAlembert: runThreads<DAlembertSystem>(shared, threads); break;
    case SystemKind::Fibonacci: runThreads<FibonacciSystem>(shared, threads); break;
    case SystemKind::Labouchere: runThreads<LabouchereSystem>(shared, threads); break;
    case SystemKind::Oscar: runThreads<OscarSystem>(shared, threads); break;
    }
    if (control && control->cancel.load()) {
        out.cancelled = true;
        out.results.clear();
        return out;
    }

    Summary &s = out.summary;
    s.sessions = sessions;
    if (sessions == 0)
        return out;
    BlockTotals all;
    for (const BlockTotals &b : blocks) {
        all.staked += b.staked;
        all.excess += b.excess;
        all.excessSquares += b.excessSquares;
        all.largest = std::max(all.largest, b.largest);
        all.spins += b.spins;
        all.ahead += b.ahead;
        all.target += b.target;
        all.ruin += b.ruin;
    }
    const double n = double(sessions);
    s.ahead = double(all.ahead) / n;
    s.target = double(all.target) / n;
    s.ruin = double(all.ruin) / n;
    s.meanSpins = double(all.spins) / n;
    s.meanStaked = all.staked / n;
    s.expected = -s.meanStaked / kNumberCount;
    s.largestStake = all.largest;
    double sum = 0;
    for (double r : out.results)
        sum += r;
    s.meanResult = sum / n;
    double squares = 0;
    for (double r : out.results)
        squares += (r - s.meanResult) * (r - s.meanResult);
    s.sdResult = sessions > 1 ? std::sqrt(squares / (n - 1)) : 0;
    constexpr double kZ95 = 1.959963984540054;
    const double half = kZ95 * s.sdResult / std::sqrt(n);
    s.meanLow = s.meanResult - half;
    s.meanHigh = s.meanResult + half;
    s.meanExcess = all.excess / n;
    const double excessSd =
        sessions > 1 ? std::sqrt(std::max(0.0, (all.excessSquares - n * s.meanExcess * s.meanExcess) / (n - 1))) : 0;
    s.excessLow = s.meanExcess - kZ95 * excessSd / std::sqrt(n);
    s.excessHigh = s.meanExcess + kZ95 * excessSd / std::sqrt(n);
    s.p5 = quantile(out.results, 0.05);
    s.median = quantile(out.results, 0.5);
    s.p95 = quantile(out.results, 0.95);
    return out;
}

} // namespace vintaro
