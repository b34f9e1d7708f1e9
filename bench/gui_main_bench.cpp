// The main window on libraries of 5,000, 20,000 and 100,000 replays: a refresh (scan,
// rows, dates, display names and the first paint) against the scan alone, a click that
// shows a replay's details, and the start from the window's construction to the filled
// list. Run offscreen. The libraries hold 8 KiB replays, made once under the temp folder.
// Resident_MB is the whole process after the fill; run one size alone
// (--benchmark_filter=.../100000) for a figure that earlier sizes do not inflate.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "benchfenster.h"
#include "core/dateifunktionen.h"
#include "core/variablen.h"
#include "gui/grid.h"
#include "gui/mainunit.h"
#include "support/benchbibliothek.h"
#include "support/speicher.h"
#include "support/stilledialoge.h"

namespace {

std::string Bibliothek(const benchmark::State& state) {
    return BenchBibliothek(static_cast<int>(state.range(0)), nullptr, 8 * 1024);
}

void BM_NurScan(benchmark::State& state) {
    const std::string ordner = Bibliothek(state);
    StilleDialoge dialoge;
    for (auto _ : state) benchmark::DoNotOptimize(ReplaysLaden(ordner, dialoge));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Aktualisieren(benchmark::State& state) {
    const std::string ordner = Bibliothek(state);
    StilleDialoge dialoge;
    auto fenster = BenchFenster(dialoge, ordner);
    for (auto _ : state) {
        fenster->ListeAktualisieren();
        fenster->grdReplays->repaint();
    }
    state.counters["Zeilen"] = fenster->grdReplays->RowCount() - 1;
    state.counters["Resident_MB"] = ResidentMB();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DetailsKlick(benchmark::State& state) {
    const std::string ordner = Bibliothek(state);
    StilleDialoge dialoge;
    auto fenster = BenchFenster(dialoge, ordner);
    int zeile = 1;
    for (auto _ : state) {
        // Alternate rows so every click really changes the panel, and paint it.
        zeile = zeile % 7 + 1;
        fenster->grdReplaysClickCell(fenster->grdReplays, zeile, 2);
        fenster->pnlRechts->repaint();
    }
}

// From the window's construction to the filled list on screen: the start-up sequence
// (settings, scan, rows, details), show, the queued layout and the first paint of every
// widget, with the file cache warm. Not included: loading the program and Qt, and the
// QApplication with its fonts, which the benchmark program set up before.
void BM_Start(benchmark::State& state) {
    const std::string ordner = Bibliothek(state);
    StilleDialoge dialoge;
    for (auto _ : state) {
        auto fenster = BenchFenster(dialoge, ordner);
        fenster->repaint();
        benchmark::DoNotOptimize(fenster->grdReplays->RowCount());
        state.PauseTiming();
        fenster.reset();
        state.ResumeTiming();
    }
}

void Groessen(benchmark::internal::Benchmark* b) {
    b->ArgName("Replays")->Arg(5000)->Arg(20000)->Arg(100000);
}

BENCHMARK(BM_NurScan)->Apply(Groessen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Aktualisieren)->Apply(Groessen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailsKlick)->Apply(Groessen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Start)->Apply(Groessen)->Unit(benchmark::kMillisecond);

}  // namespace
