// The main window on a 5,000-replay library: a refresh (scan plus both grids filled)
// against the scan alone, and a click that shows a replay's details. Run offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "benchbibliothek.h"
#include "dateifunktionen.h"
#include "grid.h"
#include "mainunit.h"
#include "stilledialoge.h"
#include "variablen.h"

namespace {

constexpr int kReplays = 5000;

std::unique_ptr<TfrmMain> Fenster(StilleDialoge& dialoge, const std::string& bibliothek) {
    // The game folder has no Playback, so the start-up asks nothing.
    auto fenster = std::make_unique<TfrmMain>(dialoge, Regionaleinstellungen::Deutsch(), [bibliothek] {
        DOWVerzeichnis = bibliothek + "kein_spiel/";
        ReplayVerzeichnis = bibliothek;
        return false;
    });
    fenster->show();
    QApplication::processEvents();
    return fenster;
}

void BM_NurScan(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays);
    StilleDialoge dialoge;
    for (auto _ : state) benchmark::DoNotOptimize(ReplaysLaden(ordner, dialoge));
    state.SetItemsProcessed(state.iterations() * kReplays);
}

void BM_Aktualisieren(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays);
    StilleDialoge dialoge;
    auto fenster = Fenster(dialoge, ordner);
    for (auto _ : state) {
        fenster->ListeAktualisieren();
        fenster->grdReplays->repaint();
    }
    state.counters["Zeilen"] = fenster->grdReplays->RowCount() - 1;
    state.SetItemsProcessed(state.iterations() * kReplays);
}

void BM_DetailsKlick(benchmark::State& state) {
    const std::string ordner = BenchBibliothek(kReplays);
    StilleDialoge dialoge;
    auto fenster = Fenster(dialoge, ordner);
    int zeile = 1;
    for (auto _ : state) {
        // Alternate rows so every click really changes the panel, and paint it.
        zeile = zeile % 7 + 1;
        fenster->grdReplaysClickCell(fenster->grdReplays, zeile, 2);
        fenster->pnlRechts->repaint();
    }
}

BENCHMARK(BM_NurScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Aktualisieren)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailsKlick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
