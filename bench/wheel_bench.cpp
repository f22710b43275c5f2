// The wheel window at 32 736 spins: one spin entered through the main window
// with the wheel open (apply, the wheel's sector and heat pass, its repaint),
// the wheel's own share of it alone, and its sector pass alone.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "bench/support/benchsupport.h"
#include "core/wheelstatistics.h"
#include "wheel/kerek.h"

namespace {

using vintaro::Kerek;

struct OpenWheel
{
    vintaro::bench::BenchWindow bench;
    Kerek *wheel = nullptr;
    OpenWheel()
    {
        bench.load(vintaro::bench::sampleSpins(vintaro::SpinHistory::kCapacity - 1));
        bench.window->openCompanion(vintaro::Form1::Companion::Wheel);
        wheel = bench.window->findChild<Kerek *>(QStringLiteral("Kerek"));
        wheel->choosePocket(26); // the neighbour row counts too
        QCoreApplication::processEvents();
    }
};

void BM_SpinWithWheelOpenAtCapacity(benchmark::State &state)
{
    OpenWheel open;
    if (!open.wheel || open.bench.window->session().count() != vintaro::SpinHistory::kCapacity - 1)
        state.SkipWithError("wheel not open over a full history");
    int next = 0;
    for (auto _ : state) {
        open.bench.window->enterSpin(next); // the 32 736th spin
        open.wheel->repaint();
        state.PauseTiming();
        open.bench.window->undoSpin();
        QCoreApplication::processEvents();
        next = (next + 7) % 37;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SpinWithWheelOpenAtCapacity)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_WheelUpdateAtCapacity(benchmark::State &state)
{
    OpenWheel open;
    open.bench.window->enterSpin(17);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        open.wheel->refresh();
        open.wheel->repaint();
    }
}
BENCHMARK(BM_WheelUpdateAtCapacity)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SectorPassAtCapacity(benchmark::State &state)
{
    const auto spins = vintaro::bench::sampleSpins(vintaro::SpinHistory::kCapacity);
    std::vector<vintaro::NumberSet> sets;
    for (vintaro::Sector s : vintaro::kSectors)
        sets.push_back(vintaro::sectorSet(s));
    sets.push_back(vintaro::neighbourSet(26, 4));
    for (auto _ : state)
        benchmark::DoNotOptimize(vintaro::setFigures(spins, sets));
}
BENCHMARK(BM_SectorPassAtCapacity)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
