// Betting systems at full size: Martingale on red, 100 000 sessions of at
// most 1 000 spins, a bankroll of 100 units, table maximum 512 units; the
// simulation on every core, and the exact risk of the same sessions.
#include <benchmark/benchmark.h>

#include "systems/exact.h"

namespace {

using namespace vintaro;

SimulationRequest martingaleOnRed()
{
    SimulationRequest request;
    request.system = SystemKind::Martingale;
    request.bet = *betFromKey("piros");
    request.rules.bankroll = 100;
    request.rules.tableMax = 512;
    request.rules.maxSpins = 1000;
    request.sessions = 100000;
    request.seed = 2026;
    return request;
}

// Items: spins actually played (a ruined session stops early).
void BM_SimulateMartingaleOnRed(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.threads = unsigned(state.range(0));
    double spins = 0;
    for (auto _ : state) {
        const Simulation s = simulate(request);
        spins += s.summary.meanSpins * double(s.summary.sessions);
        benchmark::DoNotOptimize(s.summary.meanResult);
    }
    state.counters["spins/s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
    state.SetItemsProcessed(std::int64_t(spins));
}
// 0: one thread per core.
BENCHMARK(BM_SimulateMartingaleOnRed)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same run with every session playing all 1 000 spins (no ruin, no
// target): the spins per second of the session loop itself.
void BM_SimulateFlatOnRedFullSessions(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.system = SystemKind::Flat;
    request.rules.bankroll = 1e9;
    for (auto _ : state)
        benchmark::DoNotOptimize(simulate(request).summary.meanResult);
    state.counters["spins/s"] = benchmark::Counter(double(state.iterations()) * 1e8, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulateFlatOnRedFullSessions)->Unit(benchmark::kMillisecond)->UseRealTime();

// One thread, timed in CPU seconds: range(0) the system (0 flat stakes, every
// session all 1 000 spins; 1 Martingale); range(1) 1 for the same rules in
// half units, which the loop plays in double (the same work, no whole money).
void BM_SimulateOneThreadPerCpuSecond(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.threads = 1;
    if (state.range(0) == 0) {
        request.system = SystemKind::Flat;
        request.rules.bankroll = 1e9;
    }
    if (state.range(1)) {
        request.rules.unit /= 2;
        request.rules.bankroll /= 2;
        request.rules.tableMin /= 2;
        request.rules.tableMax /= 2;
    }
    double spins = 0;
    for (auto _ : state) {
        const Simulation s = simulate(request);
        spins += s.summary.meanSpins * double(s.summary.sessions);
        benchmark::DoNotOptimize(s.summary.meanResult);
    }
    state.counters["spins/s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulateOneThreadPerCpuSecond)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_ExactMartingaleOnRed(benchmark::State &state)
{
    const SimulationRequest request = martingaleOnRed();
    for (auto _ : state) {
        const ExactRisk e = exactRisk(request.system, request.bet, request.rules);
        if (!e.available)
            state.SkipWithError(e.why.c_str());
        benchmark::DoNotOptimize(e.ruin);
    }
}
BENCHMARK(BM_ExactMartingaleOnRed)->Unit(benchmark::kMillisecond);

void BM_ExactDAlembertOnRed(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.system = SystemKind::DAlembert;
    for (auto _ : state)
        benchmark::DoNotOptimize(exactRisk(request.system, request.bet, request.rules).ruin);
}
BENCHMARK(BM_ExactDAlembertOnRed)->Unit(benchmark::kMillisecond);

} // namespace
