// One spin applied through the real main window to a history of 32 735
// spins: statistics pass and every label write.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/support/benchsupport.h"

namespace {

void BM_ApplySpinAtCapacity(benchmark::State &state)
{
    vintaro::bench::BenchWindow bench;
    bench.load(vintaro::bench::sampleSpins(vintaro::SpinHistory::kCapacity - 1));
    QCoreApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        bench.window->enterSpin(next);
        state.PauseTiming();
        bench.window->undoSpin(); // back to 32 735 spins
        QCoreApplication::processEvents(); // repaint, as after a real click
        next = (next + 7) % 37;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplySpinAtCapacity)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
