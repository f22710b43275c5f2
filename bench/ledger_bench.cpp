// The ledger at 32 736 spins with a bet on every one: recording a bet and
// settling it when the spin is entered, with the honest line the window
// shows after it; and the file written again after the spin.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "core/spinhistory.h"
#include "ledger/honest.h"
#include "ledger/ledger.h"
#include "persistence/ledgerfile.h"

namespace {

using namespace vintaro;

Ledger fullLedger()
{
    Ledger ledger;
    ledger.startSession("2026-12-07 20:00", "1", "", 100000);
    for (int spin = 1; spin < SpinHistory::kCapacity; ++spin) {
        ledger.record({BetKind::Outside, spin % kRowCount, {}}, 10);
        if (spin % 5 == 0)
            ledger.record({BetKind::Sector, spin % kSectorCount, {}}, 2);
        ledger.settle(spin, (spin * 7) % kNumberCount);
    }
    return ledger;
}

void BM_RecordAndSettleAtCapacity(benchmark::State &state)
{
    Ledger ledger = fullLedger();
    const int position = SpinHistory::kCapacity;
    int number = 0;
    for (auto _ : state) {
        ledger.record({BetKind::Outside, 1, {}}, 10);
        ledger.record({BetKind::Sector, 0, {}}, 1);
        ledger.settle(position, number);
        const HonestLine line = ledger.line(1);
        benchmark::DoNotOptimize(line);
        state.PauseTiming();
        ledger.unsettle(position, number); // back to 32 735 settled spins
        ledger.clearWaiting();
        number = (number + 7) % kNumberCount;
        state.ResumeTiming();
    }
    state.counters["bets"] = double(ledger.bets().size());
}
BENCHMARK(BM_RecordAndSettleAtCapacity)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LedgerFileAtCapacity(benchmark::State &state)
{
    const Ledger ledger = fullLedger();
    QTemporaryDir dir;
    const QString path = ledgerFile(dir.path(), QStringLiteral("1"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writeLedger(path, ledger));
}
BENCHMARK(BM_LedgerFileAtCapacity)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace
