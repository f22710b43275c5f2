// The odds window watched after every spin, by seeded simulation at full
// size: how often a fair wheel ever hears that the hold-out candidate would
// beat the bank (up to 32 736 spins) or sees a highlighted cell of the bet
// table (up to 10 000 and 32 736), and within how many spins a number coming
// 50 % more often is confirmed. The figures are the benchmarks' counters.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "tests/support/livesimulation.h"

namespace {

using namespace vintaro;
using namespace vintaro::simulation;

constexpr std::uint64_t kSeed = 20250;

// 2 000 fair sessions watched after every spin.
void BM_LiveFairSessions(benchmark::State &state)
{
    const std::int64_t spins = state.range(0);
    for (auto _ : state) {
        const LiveShares s = runLiveSessions(fairWheel(), int(state.range(1)), spins, kSeed);
        state.counters["claim"] = s.claim;
        state.counters["highlight"] = s.highlight;
    }
}
BENCHMARK(BM_LiveFairSessions)->Args({10000, 2000})->Args({32736, 2000})->Unit(benchmark::kSecond)->Iterations(1);

// A number (17) or an arc coming more often: the share of sessions whose
// estimate says "megverné a bankot" within the spins, and the spins within
// which 80 % of sessions have heard it.
void confirmed(benchmark::State &state, const Chances &chances, std::int64_t spins)
{
    for (auto _ : state) {
        pcg32 random(kSeed + 1);
        std::vector<std::int64_t> first;
        const int sessions = 500;
        for (int s = 0; s < sessions; ++s) {
            const LiveSession one = runLiveSession(chances, spins, random, {true, false, true});
            first.push_back(one.claim < 0 ? spins + 1 : one.claim);
        }
        std::sort(first.begin(), first.end());
        state.counters["confirmed"] =
            double(std::count_if(first.begin(), first.end(), [spins](std::int64_t f) { return f <= spins; })) /
            sessions;
        state.counters["spins_80"] = double(first[first.size() * 8 / 10]);
    }
}
BENCHMARK_CAPTURE(confirmed, number_plus50_20000, biasedArc(PocketArc{1, wheelIndex(17)}, 0.5), 20000)
    ->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(confirmed, arc9_plus15_32736, biasedArc(PocketArc{9, 11}, 0.15), 32736)
    ->Unit(benchmark::kSecond)->Iterations(1);

// The hold-out estimates with their ranges at full capacity, as the window
// computes them after a spin.
void BM_HoldOutEstimates(benchmark::State &state)
{
    pcg32 random(kSeed + 2);
    std::uniform_int_distribution<int> wheel(0, kNumberCount - 1);
    std::vector<std::int16_t> spins(32736);
    for (auto &x : spins)
        x = std::int16_t(wheel(random));
    SpinTally tally;
    tally.add(spins);
    for (auto _ : state)
        benchmark::DoNotOptimize(holdOutEstimates(tally));
}
BENCHMARK(BM_HoldOutEstimates)->Unit(benchmark::kMillisecond);

} // namespace
