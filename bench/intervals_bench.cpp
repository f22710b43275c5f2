// The interval window over a full history of 32 736 spins: opening it (the
// snapshot, the list and the absence row) and the "Maximális kimaradás" report.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include "bench/support/benchsupport.h"
#include "intervals/interval5.h"
#include "core/session.h"

namespace {

using vintaro::Interval5;
using vintaro::Session;
using vintaro::SpinHistory;

// The session of a main window after Start on a full working list.
const Session &fullSession()
{
    static Session session = [] {
        Session s;
        s.load(vintaro::bench::sampleSpins(SpinHistory::kCapacity));
        return s;
    }();
    return session;
}

void discard(QPointer<Interval5> &window)
{
    if (window)
        window->close(); // as "Kilép": the window deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_OpenIntervalWindow(benchmark::State &state)
{
    const Session &session = fullSession();
    if (session.count() != SpinHistory::kCapacity)
        state.SkipWithError("history not full");
    for (auto _ : state) {
        QPointer<Interval5> window = new Interval5(session);
        window->show();
        state.PauseTiming();
        QCoreApplication::processEvents(); // first paint, as after a real click
        discard(window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntervalWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_OpenIntervalWindowAndPaint(benchmark::State &state)
{
    const Session &session = fullSession();
    for (auto _ : state) {
        QPointer<Interval5> window = new Interval5(session);
        window->show();
        window->repaint(); // everything the user waits for
        state.PauseTiming();
        QCoreApplication::processEvents();
        discard(window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntervalWindowAndPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_IntervalReport(benchmark::State &state)
{
    const Session &session = fullSession();
    for (auto _ : state) {
        state.PauseTiming();
        QPointer<Interval5> window = new Interval5(session); // the report runs once per opening
        window->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window->showReport();
        state.PauseTiming();
        QCoreApplication::processEvents();
        discard(window);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_IntervalReport)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
