// The systems window at full capacity: one spin entered in the main window at
// 32 736 spins with the wheel, odds and systems windows open and the backtest
// played over the whole history ("Lejátszás a jegyzett pörgetéseken").
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>

#include "bench/support/benchsupport.h"
#include "core/spinhistory.h"
#include "systems/window/rendszerek.h"

namespace {

using namespace vintaro;

// range(0): the system's index (0 flat stakes, 1 Martingale); range(1): 1 with
// the wheel and odds windows open too.
void BM_SpinWithBacktestPlayed(benchmark::State &state)
{
    bench::BenchWindow bench;
    bench.load(bench::sampleSpins(SpinHistory::kCapacity - 1));
    if (state.range(1)) {
        bench.window->openCompanion(Form1::Companion::Wheel);
        bench.window->openCompanion(Form1::Companion::Odds);
    }
    bench.window->openCompanion(Form1::Companion::Systems);
    auto *systems = bench.window->findChild<Rendszerek *>(QStringLiteral("Rendszerek"));
    if (!systems) {
        state.SkipWithError("no systems window");
        return;
    }
    systems->findChild<QComboBox *>(QStringLiteral("Rendszer"))->setCurrentIndex(int(state.range(0)));
    // A bankroll that lasts the whole history: a line of 32 737 points.
    systems->findChild<QDoubleSpinBox *>(QStringLiteral("Bank"))->setValue(1000000);
    systems->findChild<QAbstractButton *>(QStringLiteral("Visszateszt"))->click();
    QCoreApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        bench.window->enterSpin(next); // 32 736 spins
        QCoreApplication::processEvents(); // every repaint
        state.PauseTiming();
        bench.window->undoSpin();
        QCoreApplication::processEvents();
        next = (next + 7) % 37;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SpinWithBacktestPlayed)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
