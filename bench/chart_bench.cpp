// The chart window over a full history of 32 736 spins: "Grafikon" from the
// click until the window is drawn and closed again, and the redraws after
// Space and "+".
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>
#include <QTimer>

#include <memory>

#include "bench/support/benchsupport.h"
#include "charts/series/chartseries.h"
#include "charts/diagramm.h"

namespace {

using vintaro::SpinHistory;
using vintaro::bench::BenchWindow;

std::unique_ptr<BenchWindow> g_bench;

// A window holding a full history loaded through Start, with 17 selected,
// shared by the benchmarks. It closes with the application.
BenchWindow &fullWindow()
{
    if (g_bench)
        return *g_bench;
    g_bench = std::make_unique<BenchWindow>();
    qAddPostRoutine([] { g_bench.reset(); });
    g_bench->load(vintaro::bench::sampleSpins(SpinHistory::kCapacity));
    g_bench->window->toggleSelection(17);
    QCoreApplication::processEvents();
    return *g_bench;
}

QWidget *openChartWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("diagramm") && w->isVisible())
            return w;
    return nullptr;
}

// Clicks "Grafikon" with `option` chosen; the chart window is drawn once and
// closed as soon as it shows.
void openAndClose(benchmark::State &state, int option)
{
    BenchWindow &bench = fullWindow();
    if (bench.window->session().count() != SpinHistory::kCapacity)
        state.SkipWithError("history not full");
    bench.window->findChild<QRadioButton *>(QStringLiteral("Option1(%1)").arg(option))->setChecked(true);
    for (auto _ : state) {
        bool shown = false;
        QTimer::singleShot(0, [&shown] {
            if (QWidget *chart = openChartWindow()) {
                shown = true;
                chart->grab(); // drawn once, as the user sees it
                chart->close();
            }
        });
        bench.window->requestChart();
        state.PauseTiming();
        if (!shown)
            state.SkipWithError("the chart window did not open");
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenChartOfSelectedNumbers(benchmark::State &state) { openAndClose(state, vintaro::kSelectedNumbersOption); }
BENCHMARK(BM_OpenChartOfSelectedNumbers)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OpenChartOfARow(benchmark::State &state) { openAndClose(state, 0); }
BENCHMARK(BM_OpenChartOfARow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One key on an open chart window of the full series, then its redraw.
void pressAndDraw(benchmark::State &state, int key)
{
    BenchWindow &bench = fullWindow();
    const auto spins = vintaro::bench::sampleSpins(SpinHistory::kCapacity);
    vintaro::Diagramm chart(vintaro::chartSeries(spins, 0, bench.window->selection()), bench.window.get());
    chart.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        chart.pressKey(key);
        chart.grab();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// Space cycles through bars, solid bars and the line.
void BM_ChartSpace(benchmark::State &state) { pressAndDraw(state, ' '); }
BENCHMARK(BM_ChartSpace)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// After the first two presses the graph stays at its widest.
void BM_ChartWiden(benchmark::State &state) { pressAndDraw(state, '+'); }
BENCHMARK(BM_ChartWiden)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
