// The evidence against a fair wheel measured by seeded simulation: how often a
// fair wheel is ever flagged though looked at after every spin (calibration),
// how often real biases are flagged in time (power), the spins a number's
// bias needs (the figures of the sample-size line), and how often a fair
// history shows a highlighted cell of the bet table. The figures are the
// benchmarks' counters; the speed of the evidence after one spin too.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "odds/bettable.h"
#include "odds/evidence.h"
#include "tests/support/evidenceprocess.h"
#include "tests/support/wheelsimulation.h"

namespace {

using namespace vintaro;
using namespace vintaro::simulation;

constexpr std::uint64_t kSeed = 20150;
const PocketArc kSeventeen{1, wheelIndex(17)};

// 1 000 fair sessions of 10 000 spins, looked at after every spin.
void BM_Calibration(benchmark::State &state)
{
    for (auto _ : state) {
        const Shares s = runSessions(fairWheel(), 1000, 10000, kSeed);
        state.counters["gyanus_or_worse"] = s.suspicious;
        state.counters["eros_jel"] = s.strong;
    }
}
BENCHMARK(BM_Calibration)->Unit(benchmark::kSecond)->Iterations(1);

// The share of 1 000 sessions flagged "gyanús" or worse within the spins.
void power(benchmark::State &state, const Chances &chances, std::int64_t spins)
{
    for (auto _ : state)
        state.counters["flagged"] = runSessions(chances, 1000, spins, kSeed + 1, kSuspiciousEvidence).suspicious;
}
BENCHMARK_CAPTURE(power, dead_pocket_1000, biasedArc(kSeventeen, -1.0), 1000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(power, number_plus50_8000, biasedArc(kSeventeen, 0.5), 8000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(power, number_plus20_35000, biasedArc(kSeventeen, 0.2), 35000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(power, arc9_plus15_10000, biasedArc(PocketArc{9, 11}, 0.15), 10000)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(power, cosine_tilt10_8000, cosineTilt(0.10), 8000)->Unit(benchmark::kSecond)->Iterations(1);

// Spins within which 80 % of sessions are flagged, for a number coming 10, 20
// and 50 % more often: the 80th percentile of the first flag over sessions.
void BM_SpinsToFlag(benchmark::State &state)
{
    const double excess = kFlagExcess[static_cast<size_t>(state.range(0))];
    for (auto _ : state) {
        pcg32 random(kSeed + 2);
        std::vector<std::int64_t> first;
        for (int s = 0; s < 300; ++s) {
            const Session one = runSession(biasedArc(kSeventeen, excess), 1'000'000, random, kSuspiciousEvidence);
            first.push_back(one.suspicious < 0 ? 1'000'000'000 : one.suspicious);
        }
        std::sort(first.begin(), first.end());
        state.counters["spins_80"] = double(first[first.size() * 8 / 10]);
        state.counters["within_32736"] =
            double(std::count_if(first.begin(), first.end(), [](std::int64_t f) { return f <= 32736; })) /
            double(first.size());
        state.counters["cached_within"] = kFlaggedWithinCapacity[static_cast<size_t>(state.range(0))];
        state.counters["cached"] = double(kSpinsToFlag[static_cast<size_t>(state.range(0))]);
    }
}
BENCHMARK(BM_SpinsToFlag)->DenseRange(0, 2)->Unit(benchmark::kSecond)->Iterations(1);

// The share of fair histories of N spins whose bet table highlights a cell.
void BM_HighlightRate(benchmark::State &state)
{
    const std::int64_t spins = state.range(0);
    for (auto _ : state) {
        pcg32 random(kSeed + 3);
        std::uniform_int_distribution<int> wheel(0, kNumberCount - 1);
        int highlighted = 0, plain = 0;
        const int histories = 2000;
        std::vector<std::int16_t> history(static_cast<size_t>(spins));
        for (int h = 0; h < histories; ++h) {
            for (auto &x : history)
                x = std::int16_t(wheel(random));
            SpinTally tally;
            tally.add(history);
            bool any = false, anyPlain = false;
            for (const BetLine &line : betTable(tally)) {
                any = any || rareForTheTable(line.currentAnyChance) || rareForTheTable(line.longestAnyChance);
                anyPlain = anyPlain || line.currentChance < kRareChance || line.longestChance < kRareChance;
            }
            highlighted += any;
            plain += anyPlain;
        }
        state.counters["highlighted"] = double(highlighted) / histories;
        state.counters["below_1pct_unadjusted"] = double(plain) / histories;
    }
}
BENCHMARK(BM_HighlightRate)->Arg(185)->Arg(1000)->Arg(10000)->Unit(benchmark::kSecond)->Iterations(1);

// The evidence from the counts after one spin, at full capacity.
void BM_EvidenceFromCounts(benchmark::State &state)
{
    pcg32 random(kSeed + 4);
    std::uniform_int_distribution<int> wheel(0, kNumberCount - 1);
    NumberCounts counts{};
    for (int i = 0; i < 32736; ++i)
        ++counts[static_cast<size_t>(wheel(random))];
    for (auto _ : state)
        benchmark::DoNotOptimize(evidence(counts));
}
BENCHMARK(BM_EvidenceFromCounts)->Unit(benchmark::kMicrosecond);

// One spin of the simulation's running e-value.
void BM_EvidenceProcessSpin(benchmark::State &state)
{
    EvidenceProcess process;
    int x = 0;
    for (auto _ : state) {
        process.add(x);
        x = (x + 13) % kNumberCount;
        benchmark::DoNotOptimize(process.value());
    }
}
BENCHMARK(BM_EvidenceProcessSpin)->Unit(benchmark::kNanosecond);

} // namespace
