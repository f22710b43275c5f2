// "  Start" on a fresh main window loading a working list of 32 736 spins:
// reading the files, the statistics pass, the history list and every label.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "bench/support/benchsupport.h"
#include "persistence/spinfiles.h"

namespace {

using vintaro::Form1;
using vintaro::SpinHistory;

// Writes the working list once; each iteration gets a new window, since
// Start runs only once per window.
struct StartBench
{
    StartBench()
    {
        bench.load(vintaro::bench::sampleSpins(SpinHistory::kCapacity)); // writes rszamok.txt
        freshWindow();
    }
    void freshWindow()
    {
        bench.window.reset();
        auto fake = std::make_unique<vintaro::test::FakePlatform>();
        bench.platform = fake.get();
        bench.window = std::make_unique<Form1>(bench.folder->path(), std::move(fake));
        bench.window->show();
        QCoreApplication::processEvents();
    }
    vintaro::bench::BenchWindow bench;
};

void BM_StartAtCapacity(benchmark::State &state)
{
    StartBench s;
    for (auto _ : state) {
        s.bench.window->startList();
        state.PauseTiming();
        if (s.bench.window->session().count() != SpinHistory::kCapacity)
            state.SkipWithError("the list did not load");
        QCoreApplication::processEvents(); // repaint, as after a real click
        s.freshWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartAtCapacity)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same with the repaint that follows the click, for what the user waits;
// range(0) 1 with the wheel, odds and systems windows open, which follow the
// new history at once.
void BM_StartAtCapacityWithRepaint(benchmark::State &state)
{
    StartBench s;
    auto openCompanions = [&] {
        if (!state.range(0))
            return;
        for (auto which : {Form1::Companion::Wheel, Form1::Companion::Odds, Form1::Companion::Systems})
            s.bench.window->openCompanion(which);
        // Shown, placed and drawn before the click, as in the program.
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    };
    openCompanions();
    for (auto _ : state) {
        s.bench.window->startList();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (s.bench.window->session().count() != SpinHistory::kCapacity)
            state.SkipWithError("the list did not load");
        s.freshWindow();
        openCompanions();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartAtCapacityWithRepaint)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

namespace {

// Reading the working list of 32 736 spins alone: the file part of Start.
void BM_ReadWorkingListAtCapacity(benchmark::State &state)
{
    StartBench s;
    const QString list = vintaro::workingListFile(s.bench.folder->path());
    for (auto _ : state) {
        const vintaro::SpinList spins = vintaro::readSpinList(list);
        if (spins.spins.size() != size_t(SpinHistory::kCapacity))
            state.SkipWithError("the list did not load");
    }
}
BENCHMARK(BM_ReadWorkingListAtCapacity)->Unit(benchmark::kMillisecond);

} // namespace
