// One spin applied through the real main window to a history of 32 735
// spins: statistics pass and every label write.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <cstdlib>

#include "benchsupport.h"

namespace {

void BM_ApplySpinAtCapacity(benchmark::State &state)
{
    vintaro::bench::BenchWindow bench;
    const auto spins = vintaro::bench::sampleSpins(std::getenv("VINTARO_BENCH_SPINS") ? std::atoi(std::getenv("VINTARO_BENCH_SPINS")) : vintaro::SpinHistory::kCapacity - 1);
    int entered = 0;
    for (std::int16_t n : spins) {
        bench.window->enterSpin(n); // builds the history through the real entry path
        if (++entered % 256 == 0)
            QCoreApplication::processEvents();
    }
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
