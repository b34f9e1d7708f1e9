// The search on a 20,000-replay library: one keystroke in edtSuche (the rows filtered,
// the scroll range and the visible rows painted) against the plain refill of the same
// rows as the refresh writes them, and the search texts a scan prepares once. Offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <memory>
#include <string>

#include "benchfenster.h"
#include "core/anzeigenamen.h"
#include "core/suche.h"
#include "core/variablen.h"
#include "gui/grid.h"
#include "gui/mainunit.h"
#include "support/benchbibliothek.h"
#include "support/stilledialoge.h"

namespace {

constexpr int kReplays = 20000;

// One window for every benchmark, opened in main: the library is scanned once.
TfrmMain* fenster = nullptr;

std::unique_ptr<TfrmMain> FensterOeffnen(TDialoge& dialoge) {
    return BenchFenster(dialoge, BenchBibliothek(kReplays, nullptr, 8 * 1024));
}

TfrmMain& Fenster() { return *fenster; }

// What the window shows after a change: the queued scroll range, then the painted rows.
void Zeichnen(TfrmMain& f) {
    QApplication::processEvents();
    f.grdReplays->repaint();
}

// Each iteration is one keystroke: the text changes from one search to the other, as
// typing or deleting one letter does. "benchmark" shows every row, "benchmark q" one in
// 26, so nearly every row changes; "spieler" and "spiele" both show every row, so the
// keystroke is the matching alone.
void BM_SucheTastendruck(benchmark::State& state) {
    TfrmMain& f = Fenster();
    const bool vieleWechseln = state.range(0) == 1;
    const QString texte[2] = {vieleWechseln ? QStringLiteral("benchmark") : QStringLiteral("spieler"),
                              vieleWechseln ? QStringLiteral("benchmark q") : QStringLiteral("spiele")};
    int k = 0;
    for (auto _ : state) {
        f.edtSuche->setText(texte[k ^= 1]);
        Zeichnen(f);
    }
    state.counters["Zeilen"] = f.grdReplays->RowCount() - 1;
    f.edtSuche->clear();
    Zeichnen(f);
}
BENCHMARK(BM_SucheTastendruck)->Arg(1)->Arg(0)->ArgName("viele_wechseln")->Unit(benchmark::kMillisecond);

// The baseline: every cell of the same rows written again as the refresh writes them,
// without the scan.
void BM_ZeilenNeuFuellen(benchmark::State& state) {
    TfrmMain& f = Fenster();
    TCheckSortGrid* grid = f.grdReplays;
    const Regionaleinstellungen regional = Regionaleinstellungen::Deutsch();
    for (auto _ : state) {
        grid->RemoveRowRange(2, grid->RowCount() - 2);
        const int hoechster = static_cast<int>(Replays.size()) - 1;
        for (int i = 0; i <= hoechster; ++i) {
            const TReplay& r = *Replays[static_cast<size_t>(i)];
            const int n = i + 1;
            grid->CellStr(0, n, std::to_string(n));
            grid->PlaceCheckBox(1, n, false, false);
            grid->CellStr(2, n, r.Spielname);
            grid->CellStr(3, n, std::to_string(r.Spieleranzahl));
            grid->CellStr(4, n, KartenAnzeige(r.Karte).Text());
            grid->CellStr(5, n, regional.DatumZeitText(r.Datum));
            if (i < hoechster) grid->AppendRow();
        }
        Zeichnen(f);
    }
    state.counters["Zeilen"] = grid->RowCount() - 1;
}
BENCHMARK(BM_ZeilenNeuFuellen)->Unit(benchmark::kMillisecond);

// Once per scan: the folded search text of every replay.
void BM_SuchtexteNachDemScan(benchmark::State& state) {
    Fenster();
    for (auto _ : state) benchmark::DoNotOptimize(Suchtexte(Replays));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Replays.size()));
}
BENCHMARK(BM_SuchtexteNachDemScan)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    StilleDialoge dialoge;
    auto offen = FensterOeffnen(dialoge);
    fenster = offen.get();
    benchmark::RunSpecifiedBenchmarks();
    offen.reset();
    benchmark::Shutdown();
    return 0;
}
