// The odds at full capacity: the bet table and the bias test over 32 736
// spins, and the analysis of a file of 10 000 000 spins (37 MB).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryFile>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "bench/support/benchsupport.h"
#include "core/spinhistory.h"
#include "odds/bettable.h"
#include "odds/biastest.h"
#include "odds/spinfile.h"
#include "persistence/spintokenizer.h"
#include "odds/window/eselyek.h"

namespace {

using namespace vintaro;

// The bet table and bias test as the odds window computes them after a spin.
void BM_OddsAfterOneSpin(benchmark::State &state)
{
    const std::vector<std::int16_t> spins = bench::sampleSpins(SpinHistory::kCapacity);
    for (auto _ : state) {
        SpinTally tally;
        tally.add(spins);
        benchmark::DoNotOptimize(betTable(tally));
        benchmark::DoNotOptimize(biasTests(tally.counts()));
    }
}
BENCHMARK(BM_OddsAfterOneSpin)->Unit(benchmark::kMillisecond);

// One spin entered in the main window at 32 736 spins with the odds window
// open: the odds part of the work (the window's refresh and its repaint),
// taken alone, and the whole spin with everything else the main window does.
void BM_OddsWindowRefreshAfterOneSpin(benchmark::State &state)
{
    bench::BenchWindow bench;
    bench.load(bench::sampleSpins(SpinHistory::kCapacity - 1));
    bench.window->openCompanion(Form1::Companion::Odds);
    auto *odds = bench.window->findChild<Eselyek *>(QStringLiteral("Eselyek"));
    bench.window->enterSpin(5);
    QCoreApplication::processEvents();
    if (!odds || bench.window->session().count() != SpinHistory::kCapacity)
        state.SkipWithError("no odds window over a full history");
    for (auto _ : state) {
        odds->refresh();
        odds->repaint();
    }
}
BENCHMARK(BM_OddsWindowRefreshAfterOneSpin)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SpinWithOddsWindowOpen(benchmark::State &state)
{
    bench::BenchWindow bench;
    bench.load(bench::sampleSpins(SpinHistory::kCapacity - 1));
    bench.window->openCompanion(Form1::Companion::Odds);
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
BENCHMARK(BM_SpinWithOddsWindowOpen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A file of ten million spins, one per line with CR LF, as a recorder writes it.
const std::string &bigFile()
{
    static QTemporaryFile file;
    static const std::string path = [] {
        file.open();
        const std::string name = file.fileName().toStdString();
        std::mt19937 random(2011);
        std::string text;
        text.reserve(38'000'000);
        for (int i = 0; i < 10'000'000; ++i) {
            text += std::to_string(random() % 37);
            text += "\r\n";
        }
        std::ofstream(name, std::ios::binary) << text;
        return name;
    }();
    return path;
}

void BM_AnalyseTenMillionSpinFile(benchmark::State &state)
{
    const std::string &path = bigFile();
    for (auto _ : state) {
        const SpinFileAnalysis analysis = analyseSpinFile(path, InputKind::RegularFile);
        if (analysis.tally.total() != 10'000'000)
            state.SkipWithError("not every spin was read");
        benchmark::DoNotOptimize(betTable(analysis.tally));
        benchmark::DoNotOptimize(biasTests(analysis.tally.counts()));
    }
}
// The counting runs on a thread of its own: CPU time of the whole process.
BENCHMARK(BM_AnalyseTenMillionSpinFile)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The parts of it: reading and splitting alone, and the tally alone.
void BM_TokenizeTenMillionSpins(benchmark::State &state)
{
    std::ifstream in(bigFile(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::uint8_t> out(text.size() + 1);
    for (auto _ : state) {
        SpinTokenizer tokenizer;
        benchmark::DoNotOptimize(
            tokenizer.feed(reinterpret_cast<const unsigned char *>(text.data()), text.size(), out.data()));
    }
}
BENCHMARK(BM_TokenizeTenMillionSpins)->Unit(benchmark::kMillisecond);

// Ten million random spins, the same every run.
std::vector<std::uint8_t> tenMillionSpins()
{
    std::mt19937 random(2011);
    std::vector<std::uint8_t> spins(10'000'000);
    for (auto &s : spins)
        s = std::uint8_t(random() % 37);
    return spins;
}

void BM_TallyTenMillionSpins(benchmark::State &state)
{
    const std::vector<std::uint8_t> spins = tenMillionSpins();
    for (auto _ : state) {
        SpinTally tally;
        tally.add(spins);
        benchmark::DoNotOptimize(tally.total());
    }
}
BENCHMARK(BM_TallyTenMillionSpins)->Unit(benchmark::kMillisecond);

void BM_BetTableOfTenMillion(benchmark::State &state)
{
    const std::vector<std::uint8_t> spins = tenMillionSpins();
    SpinTally tally;
    tally.add(spins);
    for (auto _ : state)
        benchmark::DoNotOptimize(betTable(tally));
}
BENCHMARK(BM_BetTableOfTenMillion)->Unit(benchmark::kMillisecond);

} // namespace
