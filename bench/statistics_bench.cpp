// The statistics pass alone over a full history of 32 736 spins.
#include <benchmark/benchmark.h>

#include "bench/support/benchsupport.h"
#include "core/statistics.h"

namespace {

void BM_StatisticsPassAtCapacity(benchmark::State &state)
{
    vintaro::SpinHistory history;
    history.assign(vintaro::bench::sampleSpins(vintaro::SpinHistory::kCapacity));
    vintaro::LastPositions last{};
    for (auto _ : state) {
        auto figures = vintaro::statisticsPass(history, history.count(), last);
        benchmark::DoNotOptimize(figures);
    }
}
BENCHMARK(BM_StatisticsPassAtCapacity)->Unit(benchmark::kMicrosecond);

} // namespace
