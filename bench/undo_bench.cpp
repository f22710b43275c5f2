// "Undo" through the real main window at 32 736 spins: the history shrinks
// by one, the statistics pass runs over 32 735 spins and every label and the
// history list follow.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/support/benchsupport.h"

namespace {

void BM_UndoAtCapacity(benchmark::State &state)
{
    vintaro::bench::BenchWindow bench;
    bench.load(vintaro::bench::sampleSpins(vintaro::SpinHistory::kCapacity));
    QCoreApplication::processEvents();
    if (bench.window->session().count() != vintaro::SpinHistory::kCapacity)
        state.SkipWithError("the list did not load");
    int next = 0;
    for (auto _ : state) {
        bench.window->undoSpin();
        state.PauseTiming();
        QCoreApplication::processEvents(); // repaint, as after a real click
        bench.window->enterSpin(next);     // back to 32 736 spins
        QCoreApplication::processEvents();
        next = (next + 7) % 37;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoAtCapacity)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
