// The group analyses, the examination and the sort by absence through the
// real main window over a full history of 32 736 spins.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include <memory>

#include "bench/support/benchsupport.h"
#include "groups/groupkind.h"

namespace {

using vintaro::GroupKind;
using vintaro::SpinHistory;

std::unique_ptr<vintaro::bench::BenchWindow> g_bench;

// A window holding a full history loaded through Start, shared by the
// benchmarks. It closes with the application.
vintaro::bench::BenchWindow &fullWindow()
{
    if (g_bench)
        return *g_bench;
    g_bench = std::make_unique<vintaro::bench::BenchWindow>();
    qAddPostRoutine([] { g_bench.reset(); });
    const auto spins = vintaro::bench::sampleSpins(SpinHistory::kCapacity);
    g_bench->load(spins);
    QCoreApplication::processEvents();
    return *g_bench;
}

void BM_PairAnalysis(benchmark::State &state)
{
    auto &bench = fullWindow();
    for (auto _ : state) {
        bench.window->analyseGroups(GroupKind::Pair);
        state.PauseTiming();
        QCoreApplication::processEvents(); // repaint, as after a real click
        state.ResumeTiming();
    }
    state.counters["spins"] = bench.window->session().count();
}
BENCHMARK(BM_PairAnalysis)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Examination(benchmark::State &state)
{
    auto &bench = fullWindow();
    bench.window->clearSelection();
    for (int n : {5, 17, 23, 0})
        bench.window->toggleSelection(n);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        bench.window->examineSelection();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["spins"] = bench.window->session().count();
}
BENCHMARK(BM_Examination)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SortByAbsence(benchmark::State &state)
{
    auto &bench = fullWindow();
    bool byAbsence = true;
    for (auto _ : state) {
        // Alternating, so that every sort moves the labels.
        if (byAbsence)
            bench.window->sortByAbsence();
        else
            bench.window->sortByNumber();
        state.PauseTiming();
        byAbsence = !byAbsence;
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortByAbsence)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
