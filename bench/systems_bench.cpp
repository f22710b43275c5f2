// Betting systems at full size: Martingale on red, 100 000 sessions of at
// most 1 000 spins, a bankroll of 100 units, table maximum 512 units; the
// simulation on every core, and the exact risk of the same sessions.
#include <benchmark/benchmark.h>

#include "systems/bankroll.h"
#include "systems/exact.h"
#include "systems/ownsystem.h"

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

// Every built-in system on red with the same rules, one thread, CPU time:
// range(0) the system (0 flat ... 6 Oscar, in SystemKind's order).
void BM_SimulateEachSystemPerCpuSecond(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.threads = 1;
    request.sessions = 20000;
    request.system = SystemKind(state.range(0));
    double spins = 0;
    for (auto _ : state) {
        const Simulation s = simulate(request);
        spins += s.summary.meanSpins * double(s.summary.sessions);
        benchmark::DoNotOptimize(s.summary.meanResult);
    }
    state.counters["spins/s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SimulateEachSystemPerCpuSecond)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

// The argument: the bankroll in units (10 000: the goal of a third of a
// second; a bankroll whose figures do not fit is refused before any work).
void BM_ExactMartingaleOnRed(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.rules.bankroll = double(state.range(0));
    bool available = false;
    for (auto _ : state) {
        const ExactRisk e = exactRisk(request.system, request.bet, request.rules);
        available = e.available;
        benchmark::DoNotOptimize(e.ruin);
    }
    state.counters["computed"] = available;
}
BENCHMARK(BM_ExactMartingaleOnRed)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(1000000000)
    ->Unit(benchmark::kMillisecond);

// The same without a table maximum: the doubling runs to what is left.
void BM_ExactMartingaleOnRedNoMaximum(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.rules.bankroll = double(state.range(0));
    request.rules.tableMax = 0;
    bool available = false;
    for (auto _ : state) {
        const ExactRisk e = exactRisk(request.system, request.bet, request.rules);
        available = e.available;
        benchmark::DoNotOptimize(e.ruin);
    }
    state.counters["computed"] = available;
}
BENCHMARK(BM_ExactMartingaleOnRedNoMaximum)->Arg(10000)->Arg(1000000000)->Unit(benchmark::kMillisecond);

// The player's own copy of Martingale (1, 2, 4, ..., 512, back to the first
// step on a win): the same work as the built-in system.
void BM_ExactOwnMartingaleOnRed(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.rules.bankroll = double(state.range(0));
    OwnSystem own;
    own.stakes = generatedStakes(1, 10, 2, 0);
    const CounterChain chain = tableChain(ownTable(own));
    for (auto _ : state)
        benchmark::DoNotOptimize(exactRisk(chain, request.bet, request.rules).ruin);
}
BENCHMARK(BM_ExactOwnMartingaleOnRed)->Arg(10000)->Unit(benchmark::kMillisecond);

// The smallest bankroll for 5 % ruin over 100 spins (a doubling and a
// halving search over the exact calculation).
void BM_BankrollForFivePercentRuin(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.rules.maxSpins = 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            bankrollForRisk(counterChain(SystemKind::Martingale), request.bet, request.rules, 0.05).amount);
}
BENCHMARK(BM_BankrollForFivePercentRuin)->Unit(benchmark::kMillisecond);

void BM_ExactDAlembertOnRed(benchmark::State &state)
{
    SimulationRequest request = martingaleOnRed();
    request.system = SystemKind::DAlembert;
    for (auto _ : state)
        benchmark::DoNotOptimize(exactRisk(request.system, request.bet, request.rules).ruin);
}
BENCHMARK(BM_ExactDAlembertOnRed)->Unit(benchmark::kMillisecond);

} // namespace
